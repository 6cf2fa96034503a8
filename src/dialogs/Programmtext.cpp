#include "dialogs/Programmtext.h"

#include "dialogs/Befehlsuebersicht.h"

#include "dialogs/ProgrammtextEditor.h"
#include "dialogs/ProgrammtextFarben.h"
#include "files/Disassembler.h"
#include "files/TextDatei.h"
#include "files/TextSyntax.h"
#include "util/MessageBoxes.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QVBoxLayout>
#include <algorithm>

namespace tovak {

namespace {

constexpr const char* kCaption = "Programmtext";
constexpr const char* kSpeicherAnders =
    "Im Speicher steht ein anderes Programm als das, was zuletzt mit dem Programmtext "
    "abgeglichen wurde.\n\nSoll der Programmtext es ersetzen?";
constexpr const char* kSpeichernFrage =
    "Der Programmtext wurde geändert. Sollen die Änderungen gespeichert werden?";

QString Zellenzahl(int n) {
    return n == 1 ? QStringLiteral("1 Zelle") : QStringLiteral("%1 Zellen").arg(n);
}

} // namespace

TFProgrammtext::TFProgrammtext(std::unique_ptr<ProgrammtextSpeicher> speicher, QWidget* parent)
    : QWidget(parent, Qt::Window), speicher_(std::move(speicher)) {
    setObjectName(QStringLiteral("FProgrammtext"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    CreateMenu();

    auto* knoepfe = new QHBoxLayout;
    bnUebernehmen_ = new QPushButton(QStringLiteral("Ü&bernehmen"), this);
    bnUebernehmen_->setObjectName(QStringLiteral("BnUebernehmen"));
    bnUebernehmen_->setToolTip(QStringLiteral(
        "Übersetzt den Text und schreibt das Programm in den Speicher (Strg+Eingabe)"));
    bnAusDemSpeicher_ = new QPushButton(QStringLiteral("Aus dem &Speicher"), this);
    bnAusDemSpeicher_->setObjectName(QStringLiteral("BnAusDemSpeicher"));
    bnAusDemSpeicher_->setToolTip(
        QStringLiteral("Schreibt das Programm, das im Speicher steht, als Text hierher"));
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("LStatus"));
    status_->setWordWrap(true);
    knoepfe->addWidget(bnUebernehmen_);
    knoepfe->addWidget(bnAusDemSpeicher_);
    knoepfe->addWidget(status_, 1);
    layout->addLayout(knoepfe);

    editor_ = new ProgrammtextEditor(this);
    new ProgrammtextFarben(editor_->document());
    fehlerliste_ = new QListWidget(this);
    fehlerliste_->setObjectName(QStringLiteral("LbFehler"));
    fehlerliste_->hide();
    auto* teiler = new QSplitter(Qt::Vertical, this);
    teiler->addWidget(editor_);
    teiler->addWidget(fehlerliste_);
    teiler->setStretchFactor(0, 4);
    teiler->setStretchFactor(1, 1);
    teiler->setChildrenCollapsible(false);
    layout->addWidget(teiler, 1);

    connect(bnUebernehmen_, &QPushButton::clicked, this, &TFProgrammtext::BnUebernehmenClick);
    connect(bnAusDemSpeicher_, &QPushButton::clicked, this, &TFProgrammtext::BnAusDemSpeicherClick);
    for (const QKeySequence& taste :
         {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        connect(new QShortcut(taste, this), &QShortcut::activated, this,
                &TFProgrammtext::BnUebernehmenClick);
    }
    connect(fehlerliste_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        editor_->GeheZuZeile(item->data(Qt::UserRole).toInt());
    });
    connect(fehlerliste_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        editor_->GeheZuZeile(item->data(Qt::UserRole).toInt());
    });
    connect(editor_->document(), &QTextDocument::modificationChanged, this,
            &TFProgrammtext::TitelZeigen);
    // An edited text no longer says where the cells are.
    connect(editor_, &QPlainTextEdit::textChanged, this, [this] {
        if (editor_->AktuelleZeile() != 0 && editor_->toPlainText() != abgleichText_) {
            editor_->SetAktuelleZeile(0);
        }
    });
    // Ctrl+S and Ctrl+O mean the text here, not the program file of the main window.
    for (QWidget* teil :
         {static_cast<QWidget*>(editor_), static_cast<QWidget*>(fehlerliste_),
          static_cast<QWidget*>(bnUebernehmen_), static_cast<QWidget*>(bnAusDemSpeicher_)}) {
        teil->installEventFilter(this);
    }
    if (parent != nullptr) {
        parent->installEventFilter(this);
    }
    TitelZeigen();
    status_->setText(QStringLiteral("„Aus dem Speicher“ zeigt das Programm im Speicher als Text."));
    resize(560, 640);
}

TFProgrammtext::~TFProgrammtext() = default;

void TFProgrammtext::CreateMenu() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("ProgrammtextMenu"));
    layout()->setMenuBar(bar);
    QMenu* datei = bar->addMenu(QStringLiteral("&Datei"));
    auto item = [&](const char* name, const QString& caption, const QString& taste) {
        // The key is only shown here; the window handles it (see eventFilter).
        QAction* a = datei->addAction(taste.isEmpty() ? caption : caption + '\t' + taste);
        a->setObjectName(QString::fromLatin1(name));
        return a;
    };
    connect(
        item("MnTextOeffnen", QStringLiteral("Programmtext &öffnen..."), QStringLiteral("Strg+O")),
        &QAction::triggered, this, &TFProgrammtext::MnOeffnenClick);
    connect(item("MnTextSpeichern", QStringLiteral("Programmtext &speichern"),
                 QStringLiteral("Strg+S")),
            &QAction::triggered, this, [this] { MnSpeichernClick(); });
    connect(item("MnTextSpeichernUnter", QStringLiteral("Programmtext speichern &unter..."), {}),
            &QAction::triggered, this, [this] { MnSpeichernUnterClick(); });
    datei->addSeparator();
    connect(item("MnTextSchliessen", QStringLiteral("S&chließen"), {}), &QAction::triggered, this,
            &QWidget::close);

    QMenu* hilfe = bar->addMenu(QStringLiteral("&Hilfe"));
    QAction* uebersicht = hilfe->addAction(QStringLiteral("&Befehlsübersicht"));
    uebersicht->setObjectName(QStringLiteral("MnTextBefehlsuebersicht"));
    uebersicht->setShortcut(QKeySequence(Qt::Key_F1));
    uebersicht->setToolTip(QStringLiteral("Zeigt den Befehl der Zeile mit dem Cursor"));
    connect(uebersicht, &QAction::triggered, this, &TFProgrammtext::BefehlsHilfe);
}

void TFProgrammtext::BefehlsHilfe() {
    const int befehl = textform::BefehlInZeile(editor_->textCursor().block().text().toStdString());
    TFBefehlsuebersicht::Zeigen(parentWidget() != nullptr ? parentWidget() : this, befehl, this);
}

void TFProgrammtext::ShowBeside(const QRect& mainFrame) {
    constexpr int kMindestbreite = 420;
    QRect ziel(mainFrame.right() + 1, mainFrame.top(), width(), height());
    if (const QScreen* screen = QGuiApplication::screenAt(mainFrame.center())) {
        const QRect frei = screen->availableGeometry();
        // Narrower rather than over the main window, as long as the text stays readable.
        ziel.setWidth(std::clamp(frei.right() - mainFrame.right(), kMindestbreite, width()));
        ziel.setHeight(std::min(ziel.height(), frei.height() - 40));
        if (ziel.right() > frei.right()) {
            ziel.moveRight(frei.right());
        }
        if (ziel.bottom() > frei.bottom()) {
            ziel.moveBottom(frei.bottom());
        }
        ziel.moveLeft(std::max(ziel.left(), frei.left()));
        ziel.moveTop(std::max(ziel.top(), frei.top()));
    }
    setGeometry(ziel);
    show();
}

void TFProgrammtext::TitelZeigen() {
    QString titel = QString::fromUtf8(kCaption);
    if (!fileName_.isEmpty()) {
        titel += QStringLiteral(" - ") + QFileInfo(fileName_).fileName();
    }
    setWindowTitle(titel + QStringLiteral("[*]"));
    setWindowModified(editor_->document()->isModified());
}

void TFProgrammtext::SetText(const QString& text, const QString& fileName) {
    editor_->setPlainText(text);
    editor_->document()->setModified(false);
    fileName_ = fileName;
    FehlerZeigen({});
    TitelZeigen();
}

void TFProgrammtext::FehlerZeigen(const std::vector<TextFehler>& fehler) {
    fehlerliste_->clear();
    std::vector<int> zeilen;
    for (const TextFehler& f : fehler) {
        auto* item = new QListWidgetItem(QString::fromStdString(f.Text()), fehlerliste_);
        item->setData(Qt::UserRole, f.zeile);
        zeilen.push_back(f.zeile);
    }
    fehlerliste_->setVisible(!fehler.empty());
    editor_->SetFehlerzeilen(zeilen);
}

void TFProgrammtext::BnUebernehmenClick() {
    Uebersetzung u = Assembliere(editor_->toPlainText().toStdString());
    if (!u.Ok()) {
        FehlerZeigen(u.fehler);
        status_->setText((u.fehler.size() == 1 ? QStringLiteral("1 Fehler")
                                               : QStringLiteral("%1 Fehler").arg(u.fehler.size())) +
                         QStringLiteral(": der Speicher bleibt, wie er ist."));
        editor_->GeheZuZeile(u.fehler.front().zeile);
        return;
    }
    FehlerZeigen({});
    if (SpeicherAnders() && !AskYesNo(kCaption, kSpeicherAnders)) {
        return;
    }
    if (!speicher_->ProgrammErsetzen(u.inhalt)) {
        return;
    }
    const auto zellen = static_cast<int>(std::count_if(
        u.zeileDerZelle.begin(), u.zeileDerZelle.end(), [](int zeile) { return zeile != 0; }));
    status_->setText(QStringLiteral("Übernommen: %1 geschrieben.").arg(Zellenzahl(zellen)));
    Abgleichen(std::move(u));
}

void TFProgrammtext::BnAusDemSpeicherClick() {
    if (!DarfVerwerfen()) {
        return;
    }
    const std::string text = Disassembliere(speicher_->Programm());
    // The text of memory is no file's text any more.
    SetText(QString::fromStdString(text), {});
    status_->setText(QStringLiteral("Das Programm im Speicher als Text."));
    Abgleichen(Assembliere(text));
}

void TFProgrammtext::Abgleichen(Uebersetzung u) {
    abgleich_ = std::move(u);
    abgleichText_ = editor_->toPlainText();
    editor_->SetAktuelleZeile(0);
    IPGeaendert(speicher_->IP());
}

bool TFProgrammtext::Abgeglichen() const {
    if (!abgleich_ || editor_->toPlainText() != abgleichText_) {
        return false;
    }
    for (int a = 0; a < TRAM::kZellen; ++a) {
        if (abgleich_->ZeileVon(a) != 0 &&
            speicher_->Zelle(a) != abgleich_->inhalt.zellen[static_cast<std::size_t>(a)]) {
            return false;
        }
    }
    return true;
}

bool TFProgrammtext::SpeicherAnders() const {
    if (!speicher_->ProgrammGeaendert()) {
        return false;
    }
    // A run writes data cells (the stack) and registers; it changes no instruction cell.
    for (int a = 0; a < TRAM::kZellen; ++a) {
        const Programminhalt::Zelle z = speicher_->Zelle(a);
        if (!abgleich_) {
            if (!z.Leer()) {
                return true;
            }
            continue;
        }
        const Programminhalt::Zelle& alt = abgleich_->inhalt.zellen[static_cast<std::size_t>(a)];
        if (z.befehl != alt.befehl || (z.befehl && z.wert != alt.wert) ||
            (abgleich_->ZeileVon(a) != 0 && z.wert != alt.wert)) {
            return true;
        }
    }
    return false;
}

void TFProgrammtext::IPGeaendert(int ip) {
    editor_->SetAktuelleZeile(Abgeglichen() ? abgleich_->ZeileVon(ip) : 0);
}

bool TFProgrammtext::DarfVerwerfen() {
    if (!editor_->document()->isModified()) {
        return true;
    }
    switch (AskYesNoCancel(kCaption, kSpeichernFrage)) {
    case Antwort::Ja:
        return MnSpeichernClick();
    case Antwort::Nein:
        return true;
    default:
        return false;
    }
}

// --- Closing and keys --------------------------------------------------------------------

void TFProgrammtext::closeEvent(QCloseEvent* event) {
    if (!DarfVerwerfen()) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

bool TFProgrammtext::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Close && !DarfVerwerfen()) {
        event->ignore();
        return true;
    }
    if (watched == parent() ||
        (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)) {
        return QWidget::eventFilter(watched, event);
    }
    const auto* taste = static_cast<QKeyEvent*>(event);
    const bool strg = taste->modifiers() == Qt::ControlModifier;
    if (!strg || (taste->key() != Qt::Key_S && taste->key() != Qt::Key_O)) {
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept(); // the key comes as a key press, no shortcut fires
        return true;
    }
    if (taste->key() == Qt::Key_S) {
        MnSpeichernClick();
    } else {
        MnOeffnenClick();
    }
    return true;
}

} // namespace tovak
