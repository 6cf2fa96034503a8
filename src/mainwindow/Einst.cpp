#include "mainwindow/Einst.h"

#include "mainwindow/Ini.h"
#include "widgets/SpinEdit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace tovak {

namespace {

constexpr int kAnimationMin = 1;
constexpr int kAnimationMax = 5000;
constexpr int kBackupMin = 1000;
constexpr int kBackupMax = 30000;

TSpinEdit* MakeSpinEdit(const char* name, int minValue, int maxValue, int value, QWidget* parent) {
    auto* spin = new TSpinEdit(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->SetRange(minValue, maxValue);
    spin->SetValue(value);
    spin->setMinimumWidth(90);
    return spin;
}

// A box holding a caption line and a spin edit.
QGroupBox* SpinBox(const QString& title, const QString& caption, TSpinEdit* spin) {
    auto* box = new QGroupBox(title);
    auto* layout = new QHBoxLayout(box);
    layout->addWidget(new QLabel(caption));
    layout->addStretch();
    layout->addWidget(spin);
    return box;
}

// What the field holds, kept to the range the dialog offers: a value typed beyond it and
// confirmed with Enter would otherwise stall the clock or the backups.
int Offered(const TSpinEdit* spin) {
    return std::clamp(spin->Value(), spin->MinValue(), spin->MaxValue());
}

} // namespace

TFEinst::TFEinst(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FEinst"));
    setWindowTitle(QStringLiteral("Einstellungen"));
    setFixedSize(544, 337);

    pageControl_ = new QTabWidget(this);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    pageControl_->addTab(CreateWartezeitenPage(), QStringLiteral("&Wartezeiten / Backup"));
    pageControl_->addTab(CreateProfiPage(), QStringLiteral("Profi-Optionen"));
    pageControl_->addTab(CreateFarbenPage(), QStringLiteral("Farben"));
    pageControl_->setCurrentIndex(0);

    auto* ok = new QPushButton(QStringLiteral("&Ok"));
    ok->setObjectName(QStringLiteral("BnOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &TFEinst::BnOkClick);
    auto* abbruch = new QPushButton(QStringLiteral("Abbruch"));
    abbruch->setObjectName(QStringLiteral("BnAbbruch"));
    connect(abbruch, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(abbruch);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(pageControl_);
    layout->addLayout(buttons);

    // The values in force when the dialog opens.
    const int lies = Ini::LiesZahlInRegister();
    liesZahl_->button(lies >= 0 && lies <= 2 ? lies : 0)->setChecked(true);
    chkSpeicherMaximal_->setChecked(Ini::SpeicherMaximal());
    colorMovRegAkku_ = Ini::ColorMovRegAkku();
    colorMovAkkuReg_ = Ini::ColorMovAkkuReg();
    ShowColor(panelMovAkkuReg_, colorMovRegAkku_);
    ShowColor(panelRegAkku_, colorMovAkkuReg_);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    }
}

QWidget* TFEinst::CreateWartezeitenPage() {
    auto* page = new QWidget;
    spAnimationsdauer_ =
        MakeSpinEdit("SpAnimationsdauer", kAnimationMin, kAnimationMax, Ini::MainDauer(), page);
    spBackupTime_ = MakeSpinEdit("SpBackupTime", kBackupMin, kBackupMax, Ini::BackupTime(), page);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(SpinBox(QStringLiteral(" Animationsdauer "),
                              QStringLiteral("Minimale Animationsdauer in [ms]"),
                              spAnimationsdauer_));
    layout->addWidget(SpinBox(QStringLiteral("Autom. Backup Intervall"),
                              QStringLiteral("Speicherung in \"Temp.CPU\" in [ms]"),
                              spBackupTime_));
    layout->addStretch();
    return page;
}

QWidget* TFEinst::CreateProfiPage() {
    auto* page = new QWidget;
    auto* ea = new QGroupBox(QStringLiteral("E/A-Einheit"), page);
    auto* eaLayout = new QVBoxLayout(ea);
    liesZahl_ = new QButtonGroup(this);
    const std::pair<const char*, QString> radios[] = {
        {"rbLiesZahlKeineAktion", QStringLiteral("Keine weitere Aktion")},
        {"rbLiesZahlInAkku", QStringLiteral("Nach \"Lies Zahl\" automatisch \"IN Akku\"")},
        {"rbLiesZahlInRegister",
         QStringLiteral("Nach \"Lies Zahl\" automatisch \"Mov Reg, Akku\"")},
    };
    for (int id = 0; id < 3; ++id) {
        auto* radio = new QRadioButton(radios[id].second, ea);
        radio->setObjectName(QString::fromLatin1(radios[id].first));
        liesZahl_->addButton(radio, id);
        eaLayout->addWidget(radio);
    }
    // Offered only to those who write the setting by hand.
    rbLiesZahlInRegister_ = qobject_cast<QRadioButton*>(liesZahl_->button(2));
    rbLiesZahlInRegister_->hide();

    auto* fenster = new QGroupBox(QStringLiteral("Fensterdarstellung"), page);
    auto* fensterLayout = new QVBoxLayout(fenster);
    chkSpeicherMaximal_ = new QCheckBox(QStringLiteral("Speicher maximal darstellen"), fenster);
    chkSpeicherMaximal_->setObjectName(QStringLiteral("chkSpeicherMaximal"));
    fensterLayout->addWidget(chkSpeicherMaximal_);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(ea);
    layout->addWidget(fenster);
    layout->addStretch();
    return page;
}

QWidget* TFEinst::CreateFarbenPage() {
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    auto sample = [page](const char* name, const QString& text) {
        auto* panel = new QLabel(text, page);
        panel->setObjectName(QString::fromLatin1(name));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setAutoFillBackground(true);
        panel->setMinimumSize(220, 28);
        panel->setAlignment(Qt::AlignCenter);
        QFont font = panel->font();
        font.setBold(true);
        panel->setFont(font);
        return panel;
    };
    auto button = [page](const char* name, const QString& caption) {
        auto* b = new QPushButton(caption, page);
        b->setObjectName(QString::fromLatin1(name));
        b->setFixedWidth(40);
        return b;
    };
    panelMovAkkuReg_ = sample("PanelMovAkkuReg", QStringLiteral("Mov Akku, Register"));
    panelRegAkku_ = sample("PanelRegAkku", QStringLiteral("Mov Reg, Akku"));
    QPushButton* eins = button("BnPanelFarbeAktiviert", QStringLiteral("&1"));
    QPushButton* zwei = button("BnPanelFarbeDeAktiviert", QStringLiteral("&2"));
    connect(eins, &QPushButton::clicked, this, &TFEinst::BnPanelFarbeAktiviertClick);
    connect(zwei, &QPushButton::clicked, this, &TFEinst::BnPanelFarbeDeAktiviertClick);

    layout->addWidget(new QLabel(QStringLiteral("Farbe für Befehl \"Mov Akku, Register\""), page),
                      0, 0, 1, 2);
    layout->addWidget(panelMovAkkuReg_, 1, 0);
    layout->addWidget(eins, 1, 1);
    layout->setRowMinimumHeight(2, 16);
    layout->addWidget(new QLabel(QStringLiteral("Farbe für Befehl \"Mov Reg, Akku\""), page), 3, 0,
                      1, 2);
    layout->addWidget(panelRegAkku_, 4, 0);
    layout->addWidget(zwei, 4, 1);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(5, 1);
    return page;
}

void TFEinst::ShowColor(QLabel* panel, int bgr) {
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, ColorFromBgr(bgr));
    panel->setPalette(pal);
}

void TFEinst::ChooseColor(int& working, QLabel* panel) {
    QColorDialog dialog(ColorFromBgr(working), this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    working = BgrFromColor(dialog.selectedColor());
    ShowColor(panel, working);
}

void TFEinst::BnPanelFarbeAktiviertClick() {
    ChooseColor(colorMovRegAkku_, panelMovAkkuReg_);
}

void TFEinst::BnPanelFarbeDeAktiviertClick() {
    ChooseColor(colorMovAkkuReg_, panelRegAkku_);
}

void TFEinst::BnOkClick() {
    // A new pace chosen here is a pace in milliseconds, not the tempo slider's "Schnelllauf".
    const int dauer = Offered(spAnimationsdauer_);
    if (dauer != Ini::MainDauer()) {
        Ini::SetTempoSchnelllauf(false);
    }
    Ini::SetMainDauer(dauer);
    Ini::SetBackupTime(Offered(spBackupTime_));
    Ini::SetLiesZahlInRegister(std::max(0, liesZahl_->checkedId()));
    Ini::SetColorMovRegAkku(colorMovRegAkku_);
    Ini::SetColorMovAkkuReg(colorMovAkkuReg_);
    Ini::SetSpeicherMaximal(chkSpeicherMaximal_->isChecked());
    accept();
}

} // namespace tovak
