// The menu bar, the memory grid's popup menu, the lessons menu and the exercise menu with
// its pane.
#include "dialogs/Anleitung.h"
#include "dialogs/Befehlsuebersicht.h"
#include "mainwindow/AbgabenDialog.h"
#include "mainwindow/AufgabeBereich.h"
#include "mainwindow/Beispielprogramme.h"
#include "mainwindow/Ini.h"
#include "mainwindow/Main.h"
#include "mainwindow/MainActions.h"
#include "widgets/OroGrid.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace tovak {

namespace {

const char* const kTaktZurueckHinweis = "Macht den letzten Takt rückgängig (F7)";

} // namespace

MainActions::MainActions(TFMain& window) : window_(window) {}

QAction* MainActions::AddItem(QMenu* menu, const char* name, const QString& caption,
                              const QString& hint) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) {
        item->setStatusTip(hint);
    }
    return item;
}

void MainActions::CreateMenus(QMenuBar* bar) {
    bar->setObjectName(QStringLiteral("MainMenu1"));
    CreateDateiMenu(bar);
    CreateAnsichtMenu(bar);
    CreateBefehleMenu(bar);
    QMenu* reset = bar->addMenu(QStringLiteral("&Reset"));
    reset->setObjectName(QStringLiteral("MainBearbeiten"));
    connect(AddItem(reset, "MnSpeicherReset", QStringLiteral("&Speicher Reset")),
            &QAction::triggered, &window_, &TFMain::MnSpeicherResetClick);
    connect(AddItem(reset, "MnRegisterReset", QStringLiteral("&Register Reset")),
            &QAction::triggered, &window_, &TFMain::MnRegisterResetClick);
    CreateStartMenu(bar);
    CreateOptionenUndHilfe(bar);
}

void MainActions::CreateDateiMenu(QMenuBar* bar) {
    TFMain* w = &window_;
    QMenu* datei = bar->addMenu(QStringLiteral("&Datei"));
    datei->setObjectName(QStringLiteral("Datei1"));
    QAction* neu = AddItem(datei, "MnNeu", QStringLiteral("&Neu"),
                           QStringLiteral("Löschen aller Eingaben / Daten"));
    connect(neu, &QAction::triggered, w, &TFMain::MnNeuClick);
    QAction* oeffnen = AddItem(datei, "MnOeffnen", QStringLiteral("Ö&ffnen..."),
                               QStringLiteral("Öffnen einer gespeicherten Datei"));
    oeffnen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(oeffnen, &QAction::triggered, w, &TFMain::MnOeffnenClick);
    QAction* speichern = AddItem(datei, "MnSpeichern", QStringLiteral("&Speichern"),
                                 QStringLiteral("Öffnen des Programms"));
    speichern->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(speichern, &QAction::triggered, w, &TFMain::MnSpeichernClick);
    QAction* unter = AddItem(datei, "MnSpeichernUnter", QStringLiteral("Speichern &unter..."),
                             QStringLiteral("Speichern des Programms unter einem anderen Namen"));
    connect(unter, &QAction::triggered, w, &TFMain::MnSpeichernUnterClick);
    datei->addSeparator()->setObjectName(QStringLiteral("N1"));
    QAction* drucken = AddItem(datei, "MnDrucken", QStringLiteral("&Drucken..."),
                               QStringLiteral("Ausdruck des Programms"));
    drucken->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    drucken->setVisible(false);
    connect(drucken, &QAction::triggered, w, &TFMain::MnDruckenClick);
    // A hidden item's shortcut is off; this one stands in for it while the item is hidden.
    auto* druckenTaste = new QShortcut(drucken->shortcut(), w);
    druckenTaste->setObjectName(QStringLiteral("MnDruckenTaste"));
    druckenTaste->setContext(Qt::ApplicationShortcut);
    connect(druckenTaste, &QShortcut::activated, w, &TFMain::MnDruckenClick);
    connect(drucken, &QAction::visibleChanged, druckenTaste,
            [drucken, druckenTaste] { druckenTaste->setEnabled(!drucken->isVisible()); });
    QAction* einrichtung =
        AddItem(datei, "MnDruckereinrichtung", QStringLiteral("Drucker&einrichtung..."),
                QStringLiteral("Auswahl des Druckers"));
    einrichtung->setVisible(false);
    connect(einrichtung, &QAction::triggered, w, &TFMain::MnDruckereinrichtungClick);
    QAction* export_ = AddItem(datei, "MnExportCommandsToClipboard",
                               QStringLiteral("Export der Befehle in die Zwischenablage"));
    connect(export_, &QAction::triggered, w, &TFMain::MnExportCommandsToClipboardClick);
    QAction* pdf = AddItem(datei, "MnProgrammlistePdf", QStringLiteral("Programmliste als PDF..."),
                           QStringLiteral("Das Programm als Liste zum Austeilen (A4)"));
    connect(pdf, &QAction::triggered, w, &TFMain::MnProgrammlistePdfClick);
    datei->addSeparator()->setObjectName(QStringLiteral("N2"));
    QAction* neueInstanz =
        AddItem(datei, "MnNeueInstanz", QStringLiteral("Neue Instanz des Programms"));
    connect(neueInstanz, &QAction::triggered, w, &TFMain::MnNeueInstanzClick);
    datei->addSeparator()->setObjectName(QStringLiteral("N7"));
    CreateBeispielMenu(datei);
    QAction* beenden =
        AddItem(datei, "MnBeenden", QStringLiteral("&Beenden"), QStringLiteral("Programm beenden"));
    connect(beenden, &QAction::triggered, w, &TFMain::close);
    // Shortcuts keep working while the menu bar or the toolbar is hidden.
    for (QAction* item : {oeffnen, speichern}) {
        item->setShortcutContext(Qt::ApplicationShortcut);
    }
}

void MainActions::CreateAnsichtMenu(QMenuBar* bar) {
    TFMain* w = &window_;
    QMenu* ansicht = bar->addMenu(QStringLiteral("&Ansicht"));
    ansicht->setObjectName(QStringLiteral("MainAnsicht"));
    QAction* remark = AddItem(ansicht, "MnTovakRemark", QStringLiteral("Programm-Bemerkungen"));
    connect(remark, &QAction::triggered, w, &TFMain::MnTovakRemarkClick);
    QAction* programmtext = AddItem(ansicht, "MnProgrammtext", QStringLiteral("Programm&text"),
                                    QStringLiteral("Das Programm als Text schreiben und lesen"));
    connect(programmtext, &QAction::triggered, w, &TFMain::MnProgrammtextClick);
    ansicht->addSeparator()->setObjectName(QStringLiteral("N8"));
    QAction* befehlsfenster =
        AddItem(ansicht, "MnShowBefehlsfenster", QStringLiteral("Befehlsfenster"));
    connect(befehlsfenster, &QAction::triggered, w, &TFMain::MnShowBefehlsfensterClick);
    QAction* ausgabe = AddItem(ansicht, "MnShowAusgabefenster", QStringLiteral("Ausgabefenster"));
    connect(ausgabe, &QAction::triggered, w, &TFMain::MnShowAusgabefensterClick);
    ansicht->addSeparator()->setObjectName(QStringLiteral("N6"));
    QAction* debug = AddItem(ansicht, "MnDebugfenster", QStringLiteral("Debugfenster"));
    connect(debug, &QAction::triggered, w, &TFMain::MnDebugfensterClick);
    ansicht->addSeparator()->setObjectName(QStringLiteral("N11"));
    mnSymbolleiste_ = AddItem(ansicht, "MnSymbolleiste", QStringLiteral("&Symbolleiste"));
    mnSymbolleiste_->setCheckable(true);
    mnSymbolleiste_->setChecked(true);
    connect(mnSymbolleiste_, &QAction::triggered, w, &TFMain::MnSymbolleisteClick);
    ansicht->addSeparator()->setObjectName(QStringLiteral("N14"));
    mnNormaldarstellung_ =
        AddItem(ansicht, "MnShowNormaldarstellung", QStringLiteral("Normaldarstellung"));
    mnNormaldarstellung_->setCheckable(true);
    mnNormaldarstellung_->setChecked(true);
    connect(mnNormaldarstellung_, &QAction::triggered, w, &TFMain::MnShowNormaldarstellungClick);
    CreateZoomMenu(ansicht);
}

void MainActions::CreateZoomMenu(QMenu* ansicht) {
    TFMain* w = &window_;
    QMenu* zoom = ansicht->addMenu(QStringLiteral("&Zoom"));
    zoom->setObjectName(QStringLiteral("MnZoom"));
    zoom->menuAction()->setStatusTip(
        QStringLiteral("Das ganze Fenster größer zeigen, etwa für den Beamer"));
    auto* group = new QActionGroup(zoom);
    group->setExclusive(true);
    for (const int percent : Ini::kZoomStufen) {
        QAction* item = zoom->addAction(QStringLiteral("%1 %").arg(percent));
        item->setObjectName(QStringLiteral("MnZoom%1").arg(percent));
        item->setCheckable(true);
        group->addAction(item);
        connect(item, &QAction::triggered, w, [w, percent] { w->SetZoom(percent); });
        zoomItems_.push_back(item);
    }
    zoom->addSeparator();
    QAction* groesser = AddItem(zoom, "MnZoomGroesser", QStringLiteral("&Vergrößern"));
    groesser->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    connect(groesser, &QAction::triggered, w, [w] { w->ZoomStep(1); });
    QAction* kleiner = AddItem(zoom, "MnZoomKleiner", QStringLiteral("V&erkleinern"));
    kleiner->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    connect(kleiner, &QAction::triggered, w, [w] { w->ZoomStep(-1); });
    QAction* normal = AddItem(zoom, "MnZoomNormal", QStringLiteral("&Originalgröße"));
    normal->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    connect(normal, &QAction::triggered, w, [w] { w->SetZoom(100); });
    // The keys work while the menu bar is hidden or a tool window has the focus.
    for (QAction* item : {groesser, kleiner, normal}) {
        item->setShortcutContext(Qt::ApplicationShortcut);
    }
    ShowZoom(Ini::Zoom());
}

void MainActions::ShowZoom(int percent) {
    for (std::size_t i = 0; i < zoomItems_.size(); ++i) {
        zoomItems_[i]->setChecked(Ini::kZoomStufen[i] == percent);
    }
}

void MainActions::CreateBefehleMenu(QMenuBar* bar) {
    // Run control switches all groups but the jump group off during a run; the command
    // window triggers these same items.
    QMenu* befehle = bar->addMenu(QStringLiteral("&Befehle"));
    befehle->setObjectName(QStringLiteral("MnBefehle"));
    auto item = [&](const char* name, const char* caption, void (TFMain::*click)()) {
        QAction* a = AddItem(befehle, name, QString::fromUtf8(caption));
        connect(a, &QAction::triggered, &window_, click);
        return a;
    };
    befehlsItems_ = {
        item("MnTransportbefehle", "&Transportbefehle", &TFMain::MnTransportbefehleClick),
        item("MnArithmetikbefehle", "Arithmetikbefehle", &TFMain::MnArithmetikbefehleClick)};
    befehle->addSeparator()->setObjectName(QStringLiteral("N3"));
    befehlsItems_.push_back(item("MnLogikbefehle", "Logikbefehle", &TFMain::MnLogikbefehleClick));
    befehlsItems_.push_back(
        item("MnSchiebebefehle", "&Schiebebefehle", &TFMain::MnSchiebebefehleClick));
    befehle->addSeparator()->setObjectName(QStringLiteral("N4"));
    item("MnSprungbefehle", "Sprungbefehle", &TFMain::MnSprungbefehleClick);
    befehlsItems_.push_back(item("MnEABefehler", "E/A-Befehle", &TFMain::MnEABefehlerClick));
    befehle->addSeparator()->setObjectName(QStringLiteral("N5"));
    befehlsItems_.push_back(
        item("MnSteuerbefehle", "Steuerbefehle", &TFMain::MnSteuerbefehleClick));
}

void MainActions::CreateStartMenu(QMenuBar* bar) {
    TFMain* w = &window_;
    QMenu* start = bar->addMenu(QStringLiteral("&Start"));
    start->setObjectName(QStringLiteral("MnStart"));
    QAction* programmstart = AddItem(start, "MnProgrammstart", QStringLiteral("&Programmstart"));
    programmstart->setShortcut(QKeySequence(Qt::Key_F9));
    connect(programmstart, &QAction::triggered, w, &TFMain::MnProgrammstartClick);
    // Both stay enabled in every state, like "&Programmstart": a run paused at a breakpoint
    // or stalled after a message goes on from the keyboard.
    QAction* reStart =
        AddItem(start, "MnProgrammReStart", QStringLiteral("Start von &IP"),
                QStringLiteral("Starten wieder im automatischen Modus ab der aktuellen Position"));
    reStart->setShortcut(QKeySequence(Qt::Key_F5));
    connect(reStart, &QAction::triggered, w, &TFMain::BnProgrammReStartClick);
    QAction* schnelllauf =
        AddItem(start, "MnSchnelllauf", QStringLiteral("&Schnelllauf"),
                QStringLiteral("Programmlauf ab der aktuellen Position so schnell wie möglich, "
                               "ohne Takt und ohne Animation"));
    schnelllauf->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F5));
    connect(schnelllauf, &QAction::triggered, w, &TFMain::MnSchnelllaufClick);
    QAction* einzelschritt = AddItem(start, "MnEinzelschritt", QStringLiteral("&Einzelschritt"));
    connect(einzelschritt, &QAction::triggered, w, &TFMain::MnEinzelschrittClick);
    QAction* takt = AddItem(start, "MnTakt", QStringLiteral("&Takt"));
    takt->setShortcut(QKeySequence(Qt::Key_F8));
    connect(takt, &QAction::triggered, w, &TFMain::MnTaktClick);
    mnTaktZurueck_ = AddItem(start, "MnTaktZurueck", QStringLiteral("Takt &zurück"),
                             QString::fromUtf8(kTaktZurueckHinweis));
    mnTaktZurueck_->setShortcut(QKeySequence(Qt::Key_F7));
    mnTaktZurueck_->setEnabled(false);
    connect(mnTaktZurueck_, &QAction::triggered, w, &TFMain::MnTaktZurueckClick);
    start->addSeparator()->setObjectName(QStringLiteral("N9"));
    mnStop_ = AddItem(start, "MnStop", QStringLiteral("Programmlauf &beenden"));
    mnStop_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F2));
    connect(mnStop_, &QAction::triggered, w, &TFMain::BnStopClick);
    // Shortcuts keep working while the menu bar or the toolbar is hidden.
    for (QAction* item : {programmstart, reStart, schnelllauf, takt, mnTaktZurueck_, mnStop_}) {
        item->setShortcutContext(Qt::ApplicationShortcut);
    }
}

void MainActions::CreateOptionenUndHilfe(QMenuBar* bar) {
    TFMain* w = &window_;
    QMenu* optionen = bar->addMenu(QStringLiteral("&Optionen"));
    optionen->setObjectName(QStringLiteral("MnOptionen"));
    QAction* rechner = AddItem(optionen, "MnTaschenrechner", QStringLiteral("&Taschenrechner"),
                               QStringLiteral("Aufruf des Taschenrechners"));
    connect(rechner, &QAction::triggered, w, &TFMain::MnTaschenrechnerClick);
    QAction* belegung = AddItem(optionen, "MnSpeicherbelegung", QStringLiteral("Speicherbelegung"));
    connect(belegung, &QAction::triggered, w, &TFMain::MnSpeicherbelegungClick);
    optionen->addSeparator()->setObjectName(QStringLiteral("N10"));
    QAction* einstellungen = AddItem(optionen, "MnEinstellungen", QStringLiteral("&Einstellungen"));
    connect(einstellungen, &QAction::triggered, w, &TFMain::MnEinstellungenClick);

    CreateAufgabe(bar);

    QMenu* hilfe = bar->addMenu(QStringLiteral("&Hilfe"));
    hilfe->setObjectName(QStringLiteral("Hilfe1"));
    QAction* uebersicht =
        AddItem(hilfe, "MnBefehlsuebersicht", QStringLiteral("&Befehlsübersicht"),
                QStringLiteral("Alle Befehle mit Wirkung, Operand, Flags und Mikroschritten"));
    uebersicht->setShortcut(QKeySequence(Qt::Key_F1));
    connect(uebersicht, &QAction::triggered, w, [w] { TFBefehlsuebersicht::Zeigen(w); });
    connect(AddItem(hilfe, "MnAnleitung", QStringLiteral("&Anleitung"),
                    QStringLiteral("Wie man mit der Rechner-Simulation arbeitet")),
            &QAction::triggered, w, [w] { TFAnleitung::Zeige(w); });
    QAction* info = AddItem(hilfe, "Info1", QStringLiteral("In&fo..."));
    connect(info, &QAction::triggered, w, &TFMain::Info1Click);
}

void MainActions::CreateBeispielMenu(QMenu* datei) {
    mnBeispielprogramme_ = datei->addMenu(QStringLiteral("Beispie&lprogramme"));
    mnBeispielprogramme_->setObjectName(QStringLiteral("MnBeispielprogramme"));
    mnBeispielprogramme_->menuAction()->setStatusTip(
        QStringLiteral("Öffnen eines Beispielprogramms mit Erläuterungen"));
    const auto beispiele = FindeBeispielprogramme(QCoreApplication::applicationDirPath());
    for (const Beispielprogramm& b : beispiele) {
        QAction* item = mnBeispielprogramme_->addAction(b.titel);
        item->setStatusTip(b.pfad);
        item->setData(b.pfad);
        connect(item, &QAction::triggered, this,
                [this, pfad = b.pfad] { emit beispielGewaehlt(pfad); });
    }
    if (beispiele.empty()) {
        mnBeispielprogramme_->addAction(QStringLiteral("(keine Beispielprogramme gefunden)"))
            ->setEnabled(false);
    }
    datei->addSeparator()->setObjectName(QStringLiteral("NBeispiele"));
}

void MainActions::CreateAufgabe(QMenuBar* bar) {
    aufgabe_ = new AufgabeBereich([this] { return window_.ProgrammImSpeicher(); }, &window_);
    window_.addDockWidget(Qt::RightDockWidgetArea, aufgabe_);
    aufgabe_->CreateMenu(bar);
    connect(aufgabe_->AbgabenItem(), &QAction::triggered, this, [this] {
        auto* dialog = new AbgabenDialog(aufgabe_->Datei(), &window_);
        // Closed during a check, it goes once the files begun are done; the window waits
        // for none of them.
        connect(dialog, &QDialog::finished, dialog, [dialog] {
            if (!dialog->PrueftGerade()) {
                dialog->deleteLater();
            } else {
                connect(dialog, &AbgabenDialog::Fertig, dialog, &QObject::deleteLater);
            }
        });
        dialog->show();
    });
}

void MainActions::CreateGridPopup(TOroGrid* grid) {
    // The memory grid's own menu of the main window; it takes the place of the grid's.
    auto* popup = new QMenu(grid);
    popup->setObjectName(QStringLiteral("GridPopupMenu"));
    lkBefehlEinfuegen_ = popup->addAction(QStringLiteral("Befehl einfügen"));
    lkBefehlEinfuegen_->setObjectName(QStringLiteral("LkBefehlEinfuegen"));
    lkBefehlLoeschen_ = popup->addAction(QStringLiteral("Befehl löschen"));
    lkBefehlLoeschen_->setObjectName(QStringLiteral("LkBefehlLoeschen"));
    popup->addSeparator()->setObjectName(QStringLiteral("N12"));
    QAction* lkExport = popup->addAction(QStringLiteral("Export in die Zwischenablage"));
    lkExport->setObjectName(QStringLiteral("LkExportToClipboard"));
    popup->addSeparator()->setObjectName(QStringLiteral("N13"));
    lkResizeRam_ = popup->addAction(QStringLiteral("Anspassen der Höhe"));
    lkResizeRam_->setObjectName(QStringLiteral("LkResizeRam"));
    lkResizeRam_->setCheckable(true);
    TFMain* w = &window_;
    connect(lkBefehlEinfuegen_, &QAction::triggered, w, &TFMain::LkBefehlEinfuegenClick);
    connect(lkBefehlLoeschen_, &QAction::triggered, w, &TFMain::LkBefehlLoeschenClick);
    connect(lkExport, &QAction::triggered, w, &TFMain::MnExportCommandsToClipboardClick);
    connect(lkResizeRam_, &QAction::triggered, w, &TFMain::LkResizeRamClick);
    grid->SetContextMenu(popup);
}

bool MainActions::ToolbarChecked() const {
    return mnSymbolleiste_ == nullptr || mnSymbolleiste_->isChecked();
}

bool MainActions::NormaldarstellungChecked() const {
    return mnNormaldarstellung_ == nullptr || mnNormaldarstellung_->isChecked();
}

bool MainActions::ResizeRamChecked() const {
    return lkResizeRam_ != nullptr && lkResizeRam_->isChecked();
}

} // namespace tovak
