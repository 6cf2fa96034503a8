// The main window: shows the machine as a block diagram (BlockDiagram) and forwards the
// learner's commands to the part whose job they are: run control to the RunController
// (what it asks of the window answers WindowRunView), menus and toolbar to MainActions, files
// and backups to ProgramDocument and BackupKeeper. WindowMachine is the machine with its
// displays. The window's own files: MainCreate, MainRun, MainRunState, MainEdits,
// MainGridEdit, MainBefehle, MainFiles, MainReset, MainLayouts, MainScreen, MainZoom,
// MainTools, MainRemark, MainProgrammtext, MainOptions.
#pragma once

#include "dialogs/Ausgabe.h"
#include "dialogs/BefehlsBottons.h"
#include "dialogs/Debug.h"
#include "dialogs/Programmtext.h"
#include "dialogs/TovakRemark.h"
#include "mainwindow/BlockDiagram.h"
#include "mainwindow/DiagramZoom.h"
#include "mainwindow/MainActions.h"
#include "mainwindow/OwnedWindow.h"
#include "mainwindow/ProgramDocument.h"
#include "mainwindow/RunController.h"
#include "mainwindow/WindowHooks.h"
#include "mainwindow/WindowMachine.h"
#include "mainwindow/WindowRunView.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

class QCloseEvent;
class QLabel;

namespace tovak {

class BackupKeeper;
class TFDialog0;

class TFMain final : public QMainWindow {
    Q_OBJECT

public:
    // screenHeight: the screen height that picks the compact layout; -1 asks the screen.
    explicit TFMain(int screenHeight = -1, QWidget* parent = nullptr);
    ~TFMain() override;

    // --- Run control: forwards to the run controller (MainRun.cpp) -----------------------
    void MnProgrammstartClick();   // "Start von 0"
    void BnProgrammReStartClick(); // "Start von IP"
    void MnEinzelschrittClick();   // "Einzelschritt"
    void MnTaktClick();            // "Takt"
    void Timer1Timer();            // the clock's tick: the Takts due since the last one
    void BnStopClick();            // "STOP"
    void BnInterruptClick();       // interrupt request on/off
    void MnTaktZurueckClick();     // "Takt zurück"
    void MnSchnelllaufClick();     // "Schnelllauf"
    void SetEditMode(bool edit);
    void ResetRunState(bool resetRegisters);
    // Forgets what "Takt zurück" could undo: every change of program or machine outside a
    // micro-step calls it (file commands, instruction dialogs, edits, resets).
    void ClearJournal();
    RunController& Run() { return *run_; }
    QLabel* RunStateLabel() const { return runStateLabel_; }

    // --- Edits in the window; double clicks in the grids (MainGridEdit.cpp) in grid rows
    void EInstructionPointerChange();
    void EAEinheit2Change();
    void GridSpeicherClick(int row);
    void LkBefehlEinfuegenClick();
    void LkBefehlLoeschenClick();
    void cbAnzeigeZahlenChange(int index);
    void GridSpeicherDblClick(int row);
    void GridRegisterDblClick(int row);

    // --- Tool windows and views ----------------------------------------------------------
    void MnShowBefehlsfensterClick();
    // The command window's notifications: 0 it closed, 1..7 the instruction groups.
    void BefehlsBottonsNotify(int code);
    void MnShowAusgabefensterClick();
    void MnDebugfensterClick();
    void MnSymbolleisteClick();
    void MnShowNormaldarstellungClick();
    void LkResizeRamClick();
    // The projector zoom (MainZoom.cpp): one of Ini::kZoomStufen, or a step along them.
    void SetZoom(int percent);
    void ZoomStep(int direction);
    double ZoomFactor() const { return zoom_.Factor(); }
    // The remarks window (MainRemark.cpp), closed before a file is loaded.
    void MnTovakRemarkClick();
    void CloseRemarkWindow();
    TFTovakRemark* TovakRemark() const { return tovakRemark_; }
    // The "Programmtext" window (MainProgrammtext.cpp) and what it asks of the window.
    void MnProgrammtextClick();
    TFProgrammtext* Programmtext() const { return programmtext_; }
    Programminhalt ProgrammImSpeicher() const;
    bool ProgrammErsetzen(const Programminhalt& inhalt);

    // --- Options, help and other programs (MainOptions.cpp) -------------------------------
    void MnTaschenrechnerClick();
    void MnSpeicherbelegungClick();
    void MnEinstellungenClick();
    void Info1Click();
    void MnNeueInstanzClick();

    // --- The program document and its backups: forwards (MainFiles.cpp, MainReset.cpp);
    // each command that replaces the program first asks about unsaved changes.
    void MnOeffnenClick();
    void MnSpeichernClick();
    void MnSpeichernUnterClick();
    void MnNeuClick();
    void MnSpeicherResetClick();
    void MnRegisterResetClick();
    void MnExportCommandsToClipboardClick();
    void MnDruckenClick();
    void MnDruckereinrichtungClick();
    void MnProgrammlistePdfClick();
    void TimerBackupTimer();
    // The command-line load of the first argument, if it is a file; true when it named one.
    bool LoadStartFile(const QStringList& arguments);
    ProgramDocument& Document() { return *document_; }
    BackupKeeper& Backups() { return *backups_; }

    // --- Instruction entry (MainBefehle.cpp) -------------------------
    void MnTransportbefehleClick();
    void MnArithmetikbefehleClick();
    void MnLogikbefehleClick();
    void MnSchiebebefehleClick();
    void MnSprungbefehleClick();
    void MnEABefehlerClick();
    void MnSteuerbefehleClick();

    // --- Menus, toolbar, command window, lessons and exercise pane; the parts -------------
    MainActions& Actions() { return *actions_; }
    // Where tests and benchmarks may answer instead of the learner.
    WindowHooks& Hooks() { return hooks_; }
    // The machine with its displays, and the block diagram it shows in.
    WindowMachine& Machine() { return *machine_; }
    BlockDiagram& Diagram() { return *diagram_; }
    TFAusgabe* Ausgabe() const { return ausgabe_; }
    TFDebug* Debug() const { return debug_; }
    // The maximal-memory layout on or off.
    void ApplySpeicherMaximal(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closing asks about unsaved changes like "&Neu".
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateClient(); // (MainCreate.cpp)
    void CreateMachine();
    Maschine& Units() { return machine_->Units(); }
    void CreateDocument(); // with its backup copies (MainFiles.cpp)
    void WatchForChanges();
    void CreateRunStateDisplay(); // the run state in words (MainRunState.cpp)
    void ShowRunStateInMenuBar();
    // The controls follow the run controller (MainRun.cpp).
    void ConnectRunController();
    void ShowRunCounters();
    // Instruction entry (MainBefehle.cpp): the dialog modally, true when confirmed.
    bool ShowBefehlsDialog(TFDialog0& dialog);
    void BefehlEintragen(const TFDialog0& dialog);
    // Layouts (MainLayouts.cpp); the window stays on the screen (MainScreen.cpp).
    void ApplyCompactLayout();
    void PlaceSpeicherBox();
    void FitToScreen();
    void FitZoomedWindow();
    // Shows the zoom in force; in the enlarged view it waits for the normal view.
    void ApplyZoom();
    // Layout changes are made at 100 %, then the zoom is applied again.
    void Unzoomed(const std::function<void()>& change);
    void ClearMemory(); // empty memory, row 1 selected (MainReset.cpp)

    std::unique_ptr<MainActions> actions_;
    std::unique_ptr<BlockDiagram> diagram_;
    // The tool windows hold nothing of the machine: they may go before or after it.
    OwnedWindow<TFAusgabe> ausgabe_;
    OwnedWindow<TFDebug> debug_;
    OwnedWindow<TFTovakRemark> tovakRemark_;
    QPointer<TFProgrammtext> programmtext_;
    WindowHooks hooks_;
    std::unique_ptr<BackupKeeper> backups_;
    std::unique_ptr<ProgramDocument> document_;
    std::unique_ptr<WindowMachine> machine_;
    std::unique_ptr<WindowRunView> runView_;
    std::unique_ptr<RunController> run_;
    QLabel* runStateLabel_ = nullptr;
    DiagramZoom zoom_;
    QSize designSize_; // the window at 100 %
    bool zooming_ = false;
};

} // namespace tovak
