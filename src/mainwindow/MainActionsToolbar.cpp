// The toolbar along the top of the block diagram, the command window, and which items run
// control switches on and off.
#include "dialogs/BefehlsBottons.h"
#include "mainwindow/Main.h"
#include "mainwindow/MainActions.h"
#include "mainwindow/TempoControl.h"
#include "mainwindow/ToolbarGlyphs.h"

#include <QAction>
#include <QComboBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <algorithm>
#include <array>

namespace tovak {

namespace {

const char* const kFamily = "DejaVu Sans";
const char* const kTaktZurueckName = "Takt zurück (F7)";
const char* const kTaktZurueckHinweis = "Macht den letzten Takt rückgängig (F7)";

// The "&Befehle" items in the order of the command window's requests 1..7.
constexpr std::array<const char*, 7> kGruppenItems = {
    "MnTransportbefehle", "MnArithmetikbefehle", "MnLogikbefehle",  "MnSchiebebefehle",
    "MnSprungbefehle",    "MnEABefehler",        "MnSteuerbefehle",
};

// A sunken line between groups of the toolbar.
void AddSeparator(QWidget* toolbar, const char* name, int left) {
    auto* s = new QFrame(toolbar);
    s->setObjectName(QString::fromLatin1(name));
    s->setFrameStyle(QFrame::VLine | QFrame::Sunken);
    s->setGeometry(left, 4, 3, 25);
}

} // namespace

void MainActions::CreateToolbar(QWidget* client, int width) {
    TFMain* w = &window_;
    symbolleiste_ = new QFrame(client);
    symbolleiste_->setObjectName(QStringLiteral("Symbolleiste"));
    symbolleiste_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    symbolleiste_->setGeometry(0, 0, width, 35);

    auto glyphButton = [this](const char* name, QStyle::StandardPixmap icon, int left,
                              const QString& tip) {
        auto* b = new QToolButton(symbolleiste_);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoRaise(true);
        b->setIcon(window_.style()->standardIcon(icon));
        b->setGeometry(left, 4, 25, 25);
        b->setToolTip(tip);
        return b;
    };
    QToolButton* open = glyphButton("BnOpenProgramm", QStyle::SP_DialogOpenButton, 8,
                                    QStringLiteral("Programm Öffnen (^O)"));
    QToolButton* save = glyphButton("BnSaveProgramm", QStyle::SP_DialogSaveButton, 70,
                                    QStringLiteral("Programm speichern (Strg+S)"));
    connect(open, &QToolButton::clicked, w, &TFMain::MnOeffnenClick);
    connect(save, &QToolButton::clicked, w, &TFMain::MnSpeichernClick);
    QToolButton* neu = glyphButton("BnNew", QStyle::SP_FileIcon, 40, QString());
    neu->setIcon(NewProgramGlyph());
    neu->setAutoRaise(false);
    QToolButton* speicherReset =
        glyphButton("BnSpeicherReset", QStyle::SP_FileIcon, 116, QStringLiteral("Speicher-Reset"));
    speicherReset->setIcon(ResetGlyph(QLatin1Char('S')));
    QToolButton* registerReset =
        glyphButton("BnRegisterReset", QStyle::SP_FileIcon, 148, QStringLiteral("Register-Reset"));
    registerReset->setIcon(ResetGlyph(QLatin1Char('R')));
    connect(neu, &QToolButton::clicked, w, &TFMain::MnNeuClick);
    connect(speicherReset, &QToolButton::clicked, w, &TFMain::MnSpeicherResetClick);
    connect(registerReset, &QToolButton::clicked, w, &TFMain::MnRegisterResetClick);

    AddSeparator(symbolleiste_, "Panel2", 100);
    AddSeparator(symbolleiste_, "Panel1", 184);
    AddSeparator(symbolleiste_, "Panel10", 764);

    cbAnzeigeZahlen_ = new QComboBox(symbolleiste_);
    cbAnzeigeZahlen_->setObjectName(QStringLiteral("cbAnzeigeZahlen"));
    cbAnzeigeZahlen_->addItems(
        {QStringLiteral("Binär"), QStringLiteral("Hex"), QStringLiteral("ASCII")});
    cbAnzeigeZahlen_->setGeometry(192, 4, 85, 25);
    connect(cbAnzeigeZahlen_, &QComboBox::currentIndexChanged, w, &TFMain::cbAnzeigeZahlenChange);
    CreateRunButtons();
}

void MainActions::CreateRunButtons() {
    TFMain* w = &window_;
    const QFont buttonFont(kFamily, 9);
    auto button = [this, &buttonFont](const char* name, const QString& caption, int left,
                                      int width) {
        auto* b = new QPushButton(caption, symbolleiste_);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(buttonFont);
        b->setGeometry(left, 4, width, 25);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    QStyle* style = window_.style();
    bnProgrammstart_ = button("BnProgrammstart", QStringLiteral("Start von 0"), 288, 105);
    bnProgrammstart_->setIcon(style->standardIcon(QStyle::SP_MediaPlay));
    bnProgrammstart_->setToolTip(QStringLiteral("Programmstart und reset der Daten (F9)"));
    bnProgrammReStart_ = button("BnProgrammReStart", QStringLiteral("Start von IP"), 404, 97);
    bnProgrammReStart_->setToolTip(
        QStringLiteral("Starten wieder im automatischen Modus ab der aktuellen Position"));
    bnEinzelschritt_ = button("BnEinzelschritt", QStringLiteral("Einzelschritt"), 520, 93);
    {
        // The glyph right of the caption, a few pixels apart: the style sets them edge to
        // edge. Caption and glyph need more than the design's width with Debian's fonts, so
        // the button takes what it needs of the gap before "Takt".
        constexpr int kGlyph = 12, kGap = 4;
        QPixmap glyph(kGlyph + kGap, kGlyph);
        glyph.fill(Qt::transparent);
        QPainter painter(&glyph);
        painter.drawPixmap(kGap, 0,
                           style->standardIcon(QStyle::SP_MediaSkipForward).pixmap(kGlyph));
        painter.end();
        bnEinzelschritt_->setIcon(QIcon(glyph));
        bnEinzelschritt_->setIconSize(glyph.size());
        bnEinzelschritt_->setLayoutDirection(Qt::RightToLeft);
        bnEinzelschritt_->resize(std::clamp(bnEinzelschritt_->sizeHint().width(), 93, 624 - 520),
                                 25);
    }
    bnEinzelschritt_->setToolTip(QStringLiteral("Einzelschritt (F8)"));
    bnTakt_ = button("BnTakt", QStringLiteral("Takt"), 628, 53);
    bnTakt_->setStatusTip(QStringLiteral("Simuliert den nächsten Befehl"));
    CreateTaktZurueckButton();
    // STOP moves right to make room for "Takt zurück" beside "Takt".
    bnStop_ = button("BnStop", QStringLiteral("STOP"), 714, 45);
    bnStop_->setStatusTip(
        QStringLiteral("Anhalten des Programmslaufes oder des Einzelschrittverfahrens (Strg+F2)"));
    bnInterrupt_ = button("BnInterrupt", QStringLiteral("Interrupt"), 792, 85);
    bnInterrupt_->setStatusTip(QStringLiteral("Schaltet das Interuot Signal An/Aus"));
    QPushButton* befehle = button("BnBefehlsfenster", QStringLiteral("Befehle"), 904, 60);
    befehle->setToolTip(
        QStringLiteral("Erzeugt ein Fenster für die einfachere Eingabe von Befehlen"));
    connect(befehle, &QPushButton::clicked, w, &TFMain::MnShowBefehlsfensterClick);
    // "Programmtext" at the right end of what a 1024-pixel-wide screen shows of the window;
    // "Befehle" and "Interrupt" move left to make room, "Interrupt" narrower if need be.
    constexpr int kRechterRand = 1000;
    constexpr int kNachTrenner = 771; // right of the separator before "Interrupt"
    QPushButton* text = button("BnProgrammtext", QStringLiteral("Programmtext"), 908, 92);
    text->setToolTip(QStringLiteral("Das Programm als Text schreiben und lesen"));
    text->resize(std::max(60, text->sizeHint().width()), 25);
    text->move(kRechterRand - text->width(), 4);
    befehle->move(std::min(904, text->x() - 4 - befehle->width()), 4);
    const int interruptRechts = std::min(877, befehle->x() - 4);
    const int interruptLinks = std::max(kNachTrenner, interruptRechts - 85);
    bnInterrupt_->setGeometry(interruptLinks, 4, interruptRechts - interruptLinks, 25);
    connect(text, &QPushButton::clicked, w, &TFMain::MnProgrammtextClick);
    AddSeparator(symbolleiste_, "PanelTempo", text->geometry().right() + 5);
    tempo_ = new TempoControl(symbolleiste_);
    tempo_->setGeometry(text->geometry().right() + 13, 1, tempo_->width(), 33);
    symbolleiste_->resize(tempo_->geometry().right() + 9, symbolleiste_->height());
    QPushButton* reset = button("BnReset", QStringLiteral("System"), 964, 60);
    reset->setToolTip(QStringLiteral("Halt und IP Auf Null"));
    reset->hide();

    connect(bnProgrammstart_, &QPushButton::clicked, w, &TFMain::MnProgrammstartClick);
    connect(bnProgrammReStart_, &QPushButton::clicked, w, &TFMain::BnProgrammReStartClick);
    connect(bnEinzelschritt_, &QPushButton::clicked, w, &TFMain::MnEinzelschrittClick);
    connect(bnTakt_, &QPushButton::clicked, w, &TFMain::MnTaktClick);
    connect(bnStop_, &QPushButton::clicked, w, &TFMain::BnStopClick);
    connect(bnInterrupt_, &QPushButton::clicked, w, &TFMain::BnInterruptClick);
    connect(reset, &QPushButton::clicked, w, [w] { w->ResetRunState(false); });
}

void MainActions::CreateTaktZurueckButton() {
    // A glyph button between "Takt" and "STOP": the mirror of "Einzelschritt"'s glyph.
    bnTaktZurueck_ = new QPushButton(symbolleiste_);
    bnTaktZurueck_->setObjectName(QStringLiteral("BnTaktZurueck"));
    bnTaktZurueck_->setIcon(window_.style()->standardIcon(QStyle::SP_MediaSkipBackward));
    bnTaktZurueck_->setGeometry(bnTakt_->geometry().right() + 4, bnTakt_->y(), 24,
                                bnTakt_->height());
    bnTaktZurueck_->setFocusPolicy(Qt::NoFocus);
    bnTaktZurueck_->setToolTip(QString::fromUtf8(kTaktZurueckName));
    bnTaktZurueck_->setStatusTip(QString::fromUtf8(kTaktZurueckHinweis));
    bnTaktZurueck_->setEnabled(false);
    connect(bnTaktZurueck_, &QPushButton::clicked, &window_, &TFMain::MnTaktZurueckClick);
}

void MainActions::ShowEditMode(bool edit) {
    for (QAction* item : {lkBefehlEinfuegen_, lkBefehlLoeschen_}) {
        if (item != nullptr) {
            item->setEnabled(edit);
        }
    }
    for (QAction* item : befehlsItems_) {
        item->setEnabled(edit);
    }
    for (QPushButton* b : {bnProgrammstart_, bnProgrammReStart_, bnEinzelschritt_}) {
        b->setEnabled(edit);
    }
    mnStop_->setEnabled(!edit);
    bnStop_->setEnabled(!edit);
    bnTakt_->setEnabled(!edit);
}

void MainActions::ShowInterrupt(bool on) {
    QPalette pal = bnInterrupt_->palette();
    pal.setColor(QPalette::ButtonText, on ? Qt::red : Qt::black);
    bnInterrupt_->setPalette(pal);
}

void MainActions::ShowTaktZurueck(bool possible) {
    if (mnTaktZurueck_ == nullptr || bnTaktZurueck_ == nullptr) {
        return;
    }
    mnTaktZurueck_->setEnabled(possible);
    bnTaktZurueck_->setEnabled(possible);
}

void MainActions::ShowBefehlsfenster() {
    // An open window stays as it is, not even brought to the front.
    if (befehlsBottons_ != nullptr) {
        return;
    }
    befehlsBottons_ = new TFBefehlsBottons(&window_);
    connect(befehlsBottons_, &TFBefehlsBottons::notify, &window_, &TFMain::BefehlsBottonsNotify);
    const QRect frame = window_.frameGeometry();
    befehlsBottons_->ShowBeside(frame.top(), frame.left(), frame.width());
}

void MainActions::BefehlsBottonsNotify(int code) {
    if (code == TFBefehlsBottons::kGeschlossen) {
        befehlsBottons_ = nullptr;
        return;
    }
    if (code < 1 || code > static_cast<int>(kGruppenItems.size())) {
        return;
    }
    // As the menu: a group switched off during a run does not open from here either.
    auto* item = window_.findChild<QAction*>(
        QString::fromLatin1(kGruppenItems[static_cast<std::size_t>(code - 1)]));
    if (item != nullptr) {
        item->trigger();
    }
}

} // namespace tovak
