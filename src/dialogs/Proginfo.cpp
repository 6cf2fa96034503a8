#include "dialogs/Proginfo.h"

#include "dialogs/ToolWindowParts.h"
#include "util/Launcher.h"
#include "util/Version.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

// The resource sits in a static library, whose unreferenced parts the linker drops; the
// macro must stand outside any namespace.
static void InitIconResource() {
    Q_INIT_RESOURCE(tovak);
}

namespace tovak {

namespace {

const QStringList kSerif = {QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"),
                            QStringLiteral("DejaVu Serif")};
const QStringList kSans = {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                           QStringLiteral("DejaVu Sans")};

} // namespace

QPixmap TovakIcon() {
    InitIconResource();
    return QPixmap(QStringLiteral(":/icons/tovak.png"));
}

QString TFProgInfo::ProjectAddress() {
    const QString homepage = QString::fromUtf8(kHomepage);
    if (!homepage.isEmpty()) {
        return homepage;
    }
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("README.md"));
}

QString TFProgInfo::BuildLine() {
    return QStringLiteral("Dieser Build: Version %1, Qt %2")
        .arg(QString::fromLatin1(kVersion), QString::fromLatin1(qVersion()));
}

TFProgInfo::TFProgInfo(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FProgInfo"));
    setWindowTitle(QStringLiteral("Info zu TOVAK"));
    setFixedSize(491, 389);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    panel->setGeometry(8, 8, 469, 337);
    panel_ = panel;

    auto* image = new QLabel(panel);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(TovakIcon().scaled(104, 104, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    image->setGeometry(8, 12, 104, 104);

    const QColor blue(0, 0, 255);
    MakeLabel("Label9", QStringLiteral("Tovak"), PixelFont(kSerif, 64, true), blue)->move(228, 20);
    MakeLabel("Label2", QStringLiteral("Rechnersimulation"), PixelFont(kSerif, 32, true), blue)
        ->move(96, 124);
    CentreInPanel(MakeLabel("LVersion", QStringLiteral("Version 5,03 Build 594 (22.10.2013)"),
                            PixelFont(kSans, 19, true), Qt::red),
                  184);
    CentreInPanel(MakeLabel("LBuild", BuildLine(), PixelFont(kSans, 12), Qt::black), 209);
    CentreInPanel(
        MakeLabel("LOrvel", QStringLiteral("TOVAK-Projekt"), PixelFont(kSans, 13, true), Qt::black),
        232);
    CentreInPanel(MakeLabel("LName", QStringLiteral("Mitwirkende des TOVAK-Projekts"),
                            PixelFont(kSans, 13), Qt::black),
                  252);

    // A file beside the program is named by its file name; the full path is the tool tip.
    const QString address = ProjectAddress();
    const bool isFile = !address.contains(QLatin1String("://"));
    const QString shown = isFile ? QStringLiteral("Projektbeschreibung: ") +
                                       QDir::toNativeSeparators(QFileInfo(address).fileName())
                                 : address;
    label1_ = MakeLabel("Label1", shown, PixelFont(kSans, 13), blue);
    QFont underlined = label1_->font();
    underlined.setUnderline(true);
    label1_->setFont(underlined);
    label1_->adjustSize();
    label1_->setToolTip(QDir::toNativeSeparators(address));
    label1_->setCursor(Qt::PointingHandCursor);
    label1_->installEventFilter(this);
    CentreInPanel(label1_, 276);

    bnOkay_ = new QPushButton(QStringLiteral("&Ok"), this);
    bnOkay_->setObjectName(QStringLiteral("BnOkay"));
    bnOkay_->setDefault(true);
    bnOkay_->setGeometry(212, 352, 89, 25);
    connect(bnOkay_, &QPushButton::clicked, this, &QDialog::accept);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    }
}

QLabel* TFProgInfo::MakeLabel(const char* name, const QString& text, const QFont& font,
                              const QColor& color) {
    auto* label = new QLabel(text, panel_);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, color);
    label->setPalette(pal);
    label->adjustSize();
    return label;
}

void TFProgInfo::CentreInPanel(QLabel* label, int top) {
    label->move((panel_->width() - label->width()) / 2, top);
}

void TFProgInfo::Label1Click() {
    ExecuteFile(ProjectAddress());
}

bool TFProgInfo::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label1_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Label1Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace tovak
