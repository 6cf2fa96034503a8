// The menu bar and the memory grid's popup menu.
#include "mainwindow/Main.h"

#include "dialogs/Anleitung.h"
#include "dialogs/Befehlsuebersicht.h"
#include "widgets/OroGrid.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

namespace tovak {

QAction* TFMain::AddItem(QMenu* menu, const char* name, const QString& caption,
                         const QString& hint) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    if (!hint.isEmpty()) {
        item->setStatusTip(hint);
    }
    return item;
}

void TFMain::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    QMenu* datei = bar->addMenu(QStringLiteral("&Datei"));
    datei->setObjectName(QStringLiteral("Datei1"));
    QAction* neu = AddItem(datei, "MnNeu", QStringLiteral("&Neu"),
                           QStringLiteral("Löschen aller Eingaben / Daten"));
    connect(neu, &QAction::triggered, this, &TFMain::MnNeuClick);
    QAction* oeffnen = AddItem(datei, "MnOeffnen", QStringLiteral("Ö&ffnen..."),
                               QStringLiteral("Öffnen einer gespeicherten Datei"));
    oeffnen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(oeffnen, &QAction::triggered, this, &TFMain::MnOeffnenClick);
    QAction* speichern = AddItem(datei, "MnSpeichern", QStringLiteral("&Speichern"),
                                 QStringLiteral("Öffnen des Programms"));
    speichern->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(speichern, &QAction::triggered, this, &TFMain::MnSpeichernClick);
    QAction* unter = AddItem(datei, "MnSpeichernUnter", QStringLiteral("Speichern &unter..."),
                             QStringLiteral("Speichern des Programms unter einem anderen Namen"));
    connect(unter, &QAction::triggered, this, &TFMain::MnSpeichernUnterClick);
    datei->addSeparator()->setObjectName(QStringLiteral("N1"));
    QAction* drucken = AddItem(datei, "MnDrucken", QStringLiteral("&Drucken..."),
                               QStringLiteral("Ausdruck des Programms"));
    drucken->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    drucken->setVisible(false);
    connect(drucken, &QAction::triggered, this, &TFMain::MnDruckenClick);
    // A hidden item's shortcut is off; this one stands in for it while the item is hidden.
    auto* druckenTaste = new QShortcut(drucken->shortcut(), this);
    druckenTaste->setObjectName(QStringLiteral("MnDruckenTaste"));
    druckenTaste->setContext(Qt::ApplicationShortcut);
    connect(druckenTaste, &QShortcut::activated, this, &TFMain::MnDruckenClick);
    connect(drucken, &QAction::visibleChanged, druckenTaste,
            [drucken, druckenTaste] { druckenTaste->setEnabled(!drucken->isVisible()); });
    QAction* einrichtung =
        AddItem(datei, "MnDruckereinrichtung", QStringLiteral("Drucker&einrichtung..."),
                QStringLiteral("Auswahl des Druckers"));
    einrichtung->setVisible(false);
    connect(einrichtung, &QAction::triggered, this, &TFMain::MnDruckereinrichtungClick);
    QAction* export_ = AddItem(datei, "MnExportCommandsToClipboard",
                               QStringLiteral("Export der Befehle in die Zwischenablage"));
    connect(export_, &QAction::triggered, this, &TFMain::MnExportCommandsToClipboardClick);
    QAction* pdf = AddItem(datei, "MnProgrammlistePdf", QStringLiteral("Programmliste als PDF..."),
                           QStringLiteral("Das Programm als Liste zum Austeilen (A4)"));
    connect(pdf, &QAction::triggered, this, &TFMain::MnProgrammlistePdfClick);
    datei->addSeparator()->setObjectName(QStringLiteral("N2"));
    QAction* neueInstanz =
        AddItem(datei, "MnNeueInstanz", QStringLiteral("Neue Instanz des Programms"));
    connect(neueInstanz, &QAction::triggered, this, &TFMain::MnNeueInstanzClick);
    datei->addSeparator()->setObjectName(QStringLiteral("N7"));
    CreateBeispielMenu(datei);
    QAction* beenden =
        AddItem(datei, "MnBeenden", QStringLiteral("&Beenden"), QStringLiteral("Programm beenden"));
    connect(beenden, &QAction::triggered, this, &TFMain::close);

    QMenu* ansicht = bar->addMenu(QStringLiteral("&Ansicht"));
    ansicht->setObjectName(QStringLiteral("MainAnsicht"));
    QAction* remark = AddItem(ansicht, "MnTovakRemark", QStringLiteral("Programm-Bemerkungen"));
    connect(remark, &QAction::triggered, this, &TFMain::MnTovakRemarkClick);
    QAction* programmtext = AddItem(ansicht, "MnProgrammtext", QStringLiteral("Programm&text"),
                                    QStringLiteral("Das Programm als Text schreiben und lesen"));
    connect(programmtext, &QAction::triggered, this, &TFMain::MnProgrammtextClick);
    ansicht->addSeparator()->setObjectName(QStringLiteral("N8"));
    QAction* befehlsfenster =
        AddItem(ansicht, "MnShowBefehlsfenster", QStringLiteral("Befehlsfenster"));
    connect(befehlsfenster, &QAction::triggered, this, &TFMain::MnShowBefehlsfensterClick);
    QAction* ausgabe = AddItem(ansicht, "MnShowAusgabefenster", QStringLiteral("Ausgabefenster"));
    connect(ausgabe, &QAction::triggered, this, &TFMain::MnShowAusgabefensterClick);
    ansicht->addSeparator()->setObjectName(QStringLiteral("N6"));
    QAction* debug = AddItem(ansicht, "MnDebugfenster", QStringLiteral("Debugfenster"));
    connect(debug, &QAction::triggered, this, &TFMain::MnDebugfensterClick);
    ansicht->addSeparator()->setObjectName(QStringLiteral("N11"));
    mnSymbolleiste_ = AddItem(ansicht, "MnSymbolleiste", QStringLiteral("&Symbolleiste"));
    mnSymbolleiste_->setCheckable(true);
    mnSymbolleiste_->setChecked(true);
    connect(mnSymbolleiste_, &QAction::triggered, this, &TFMain::MnSymbolleisteClick);
    ansicht->addSeparator()->setObjectName(QStringLiteral("N14"));
    mnNormaldarstellung_ =
        AddItem(ansicht, "MnShowNormaldarstellung", QStringLiteral("Normaldarstellung"));
    mnNormaldarstellung_->setCheckable(true);
    mnNormaldarstellung_->setChecked(true);
    connect(mnNormaldarstellung_, &QAction::triggered, this, &TFMain::MnShowNormaldarstellungClick);

    // The instruction groups: their dialogs are opened by the instruction-entry work; run
    // control switches all but the jump group off during a run.
    QMenu* befehle = bar->addMenu(QStringLiteral("&Befehle"));
    befehle->setObjectName(QStringLiteral("MnBefehle"));
    befehlsItems_ = {AddItem(befehle, "MnTransportbefehle", QStringLiteral("&Transportbefehle")),
                     AddItem(befehle, "MnArithmetikbefehle", QStringLiteral("Arithmetikbefehle"))};
    befehle->addSeparator()->setObjectName(QStringLiteral("N3"));
    befehlsItems_.push_back(AddItem(befehle, "MnLogikbefehle", QStringLiteral("Logikbefehle")));
    befehlsItems_.push_back(
        AddItem(befehle, "MnSchiebebefehle", QStringLiteral("&Schiebebefehle")));
    befehle->addSeparator()->setObjectName(QStringLiteral("N4"));
    AddItem(befehle, "MnSprungbefehle", QStringLiteral("Sprungbefehle"));
    befehlsItems_.push_back(AddItem(befehle, "MnEABefehler", QStringLiteral("E/A-Befehle")));
    befehle->addSeparator()->setObjectName(QStringLiteral("N5"));
    befehlsItems_.push_back(AddItem(befehle, "MnSteuerbefehle", QStringLiteral("Steuerbefehle")));
    ConnectBefehlsItems();

    QMenu* reset = bar->addMenu(QStringLiteral("&Reset"));
    reset->setObjectName(QStringLiteral("MainBearbeiten"));
    connect(AddItem(reset, "MnSpeicherReset", QStringLiteral("&Speicher Reset")),
            &QAction::triggered, this, &TFMain::MnSpeicherResetClick);
    connect(AddItem(reset, "MnRegisterReset", QStringLiteral("&Register Reset")),
            &QAction::triggered, this, &TFMain::MnRegisterResetClick);

    QMenu* start = bar->addMenu(QStringLiteral("&Start"));
    start->setObjectName(QStringLiteral("MnStart"));
    mnProgrammstart_ = AddItem(start, "MnProgrammstart", QStringLiteral("&Programmstart"));
    mnProgrammstart_->setShortcut(QKeySequence(Qt::Key_F9));
    connect(mnProgrammstart_, &QAction::triggered, this, &TFMain::MnProgrammstartClick);
    mnEinzelschritt_ = AddItem(start, "MnEinzelschritt", QStringLiteral("&Einzelschritt"));
    connect(mnEinzelschritt_, &QAction::triggered, this, &TFMain::MnEinzelschrittClick);
    mnTakt_ = AddItem(start, "MnTakt", QStringLiteral("&Takt"));
    mnTakt_->setShortcut(QKeySequence(Qt::Key_F8));
    connect(mnTakt_, &QAction::triggered, this, &TFMain::MnTaktClick);
    CreateTaktZurueckItem(start);
    start->addSeparator()->setObjectName(QStringLiteral("N9"));
    mnStop_ = AddItem(start, "MnStop", QStringLiteral("Programmlauf &beenden"));
    mnStop_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F2));
    connect(mnStop_, &QAction::triggered, this, &TFMain::BnStopClick);
    AddRunMenuItems(start);

    QMenu* optionen = bar->addMenu(QStringLiteral("&Optionen"));
    optionen->setObjectName(QStringLiteral("MnOptionen"));
    QAction* rechner = AddItem(optionen, "MnTaschenrechner", QStringLiteral("&Taschenrechner"),
                               QStringLiteral("Aufruf des Taschenrechners"));
    connect(rechner, &QAction::triggered, this, &TFMain::MnTaschenrechnerClick);
    QAction* belegung = AddItem(optionen, "MnSpeicherbelegung", QStringLiteral("Speicherbelegung"));
    connect(belegung, &QAction::triggered, this, &TFMain::MnSpeicherbelegungClick);
    optionen->addSeparator()->setObjectName(QStringLiteral("N10"));
    QAction* einstellungen = AddItem(optionen, "MnEinstellungen", QStringLiteral("&Einstellungen"));
    connect(einstellungen, &QAction::triggered, this, &TFMain::MnEinstellungenClick);

    CreateAufgabe(bar);

    QMenu* hilfe = bar->addMenu(QStringLiteral("&Hilfe"));
    hilfe->setObjectName(QStringLiteral("Hilfe1"));
    QAction* uebersicht =
        AddItem(hilfe, "MnBefehlsuebersicht", QStringLiteral("&Befehlsübersicht"),
                QStringLiteral("Alle Befehle mit Wirkung, Operand, Flags und Mikroschritten"));
    uebersicht->setShortcut(QKeySequence(Qt::Key_F1));
    connect(uebersicht, &QAction::triggered, this, [this] { TFBefehlsuebersicht::Zeigen(this); });
    connect(AddItem(hilfe, "MnAnleitung", QStringLiteral("&Anleitung"),
                    QStringLiteral("Wie man mit der Rechner-Simulation arbeitet")),
            &QAction::triggered, this, [this] { TFAnleitung::Zeige(this); });
    QAction* info = AddItem(hilfe, "Info1", QStringLiteral("In&fo..."));
    connect(info, &QAction::triggered, this, &TFMain::Info1Click);

    // Shortcuts keep working while the menu bar or the toolbar is hidden.
    for (QAction* item : {oeffnen, speichern, mnProgrammstart_, mnTakt_, mnStop_}) {
        item->setShortcutContext(Qt::ApplicationShortcut);
    }
}

void TFMain::CreateGridPopup() {
    // The memory grid's own menu of the main window; it takes the place of the grid's.
    auto* popup = new QMenu(gridSpeicher_);
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
    connect(lkBefehlEinfuegen_, &QAction::triggered, this, &TFMain::LkBefehlEinfuegenClick);
    connect(lkBefehlLoeschen_, &QAction::triggered, this, &TFMain::LkBefehlLoeschenClick);
    connect(lkExport, &QAction::triggered, this, &TFMain::MnExportCommandsToClipboardClick);
    connect(lkResizeRam_, &QAction::triggered, this, &TFMain::LkResizeRamClick);
    gridSpeicher_->SetContextMenu(popup);
}

} // namespace tovak
