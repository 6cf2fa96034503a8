// The main window: shows the machine as a block diagram and forwards the learner's commands
// to the objects whose job they are. Run control is the RunController's (forwards in
// MainRun), what it asks of the window the WindowRunView's; menus, toolbar, command window,
// lessons and the exercise pane are MainActions'; the boxes, panels, grids, clips and their
// layouts the BlockDiagram's (the window's side in MainLayouts); the machine with its
// displays is WindowMachine; files, printing and backups are ProgramDocument's and
// BackupKeeper's (forwards in MainFiles). The window's own files: creation (MainCreate),
// edits in the panels and grids (MainEdits, MainGridEdit), tool windows (MainTools,
// MainRemark, MainProgrammtext), new program and resets (MainReset).
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
    static constexpr const char* kCaption = ProgramDocument::kTitle;

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
    // Forgets what "Takt zurück" could undo. Every command that changes the program or the
    // machine outside a micro-step must call it (file commands, instruction dialogs, edits
    // in the grids and panels, resets).
    void ClearJournal();
    RunController& Run() { return *run_; }
    const RunController& Run() const { return *run_; }
    QLabel* RunStateLabel() const { return runStateLabel_; }

    // --- Edits in the window -----------------------------------------------------------
    void EInstructionPointerChange();
    void EAEinheit2Change();
    void GridSpeicherClick(int row);
    void LkBefehlEinfuegenClick();
    void LkBefehlLoeschenClick();
    void cbAnzeigeZahlenChange(int index);
    // Double clicks in the grids (MainGridEdit.cpp), rows in grid numbering.
    void GridSpeicherDblClick(int row);
    void GridRegisterDblClick(int row);

    // --- Tool windows and views ----------------------------------------------------------
    void MnShowBefehlsfensterClick();
    // The command window's notifications: 0 it closed, 1..7 the instruction groups.
    void BefehlsBottonsNotify(int code);
    TFBefehlsBottons* BefehlsBottons() const;
    void MnShowAusgabefensterClick();
    void MnDebugfensterClick();
    void MnSymbolleisteClick();
    void MnShowNormaldarstellungClick();
    void LkResizeRamClick();
    // The projector zoom (MainZoom.cpp): one of Ini::kZoomStufen, stored with the settings;
    // a step up or down the list.
    void SetZoom(int percent);
    void ZoomStep(int direction);
    double ZoomFactor() const { return zoom_.Factor(); }
    // The remarks window (MainRemark.cpp): opened with the current remarks, closed before a
    // file is loaded.
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
    // Where the window asks the learner, tests and benchmarks may answer instead.
    WindowHooks& Hooks() { return hooks_; }
    // The machine with its displays, and the block diagram it shows in.
    WindowMachine& Machine() { return *machine_; }
    BlockDiagram& Diagram() { return *diagram_; }
    TFAusgabe* Ausgabe() const { return ausgabe_; }
    TFDebug* Debug() const { return debug_; }
    // Applies or removes the maximal-memory layout when it differs from the one in force.
    void ApplySpeicherMaximal(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closing asks about unsaved changes like "&Neu".
    void closeEvent(QCloseEvent* event) override;

private:
    // Creation (MainCreate.cpp)
    void CreateClient();
    void ConnectDiagram();
    void CreateMachine();
    Maschine& Units() { return machine_->Units(); }
    void CreateDocument(); // with its backup copies (MainFiles.cpp)
    void WatchForChanges();
    void CreateRunStateDisplay(); // the run state in words (MainRunState.cpp)
    void ShowRunStateInMenuBar();

    // The controls follow the run controller (MainRun.cpp).
    void ConnectRunController();
    void ShowEditMode(bool edit);
    void ShowInterrupt(bool on);
    void ShowRunCounters();

    // Instruction entry (MainBefehle.cpp): the dialog shown modally, true when confirmed;
    // its instruction to the encoder, range errors shown.
    bool ShowBefehlsDialog(TFDialog0& dialog);
    void BefehlEintragen(const TFDialog0& dialog);

    // Layouts (MainLayouts.cpp) and screen size (MainScreen.cpp): the window, the dialogs
    // and the tool windows stay on the screen; the window grows and shrinks with the zoom.
    void ApplyCompactLayout();
    int ClientHeight();
    void PlaceSpeicherBox();
    void FitToScreen();
    void FitZoomedWindow();
    // Shows the zoom in force; in the enlarged view it waits for the normal view.
    void ApplyZoom();
    // Layout changes are made at 100 %, then the zoom is applied again.
    void Unzoomed(const std::function<void()>& change);

    TFAusgabe* EnsureOutputWindow(); // (MainTools.cpp)
    void ClearMemory();              // empty memory, row 1 selected (MainReset.cpp)

    std::unique_ptr<MainActions> actions_;
    std::unique_ptr<BlockDiagram> diagram_;
    WindowHooks hooks_;
    std::unique_ptr<BackupKeeper> backups_;
    std::unique_ptr<ProgramDocument> document_;
    // The machine writes into the diagram's widgets and is driven by the run controller.
    std::unique_ptr<WindowMachine> machine_;
    std::unique_ptr<WindowRunView> runView_;
    std::unique_ptr<RunController> run_;
    QLabel* runStateLabel_ = nullptr;

    DiagramZoom zoom_;
    QSize designSize_; // the window at 100 %
    bool zooming_ = false;

    // The tool windows, closed with the window; none of them holds on to the machine.
    OwnedWindow<TFAusgabe> ausgabe_;
    OwnedWindow<TFDebug> debug_;
    OwnedWindow<TFTovakRemark> tovakRemark_;
    QPointer<TFProgrammtext> programmtext_;
};

} // namespace tovak
