// The main window: owns the simulated machine and shows it as a block diagram. When
// micro-steps happen is the run controller's (RunController); the window forwards the run
// commands to it and shows what it decides (MainRun, MainFastRun, MainJournal).
// Menus, toolbar, command window, lessons and the exercise pane are the actions'
// (MainActions). The rest is split by concern: creation and layout (MainCreate,
// MainLayouts), bus animation (MainAnimation), edits in the
// panels and grids (MainEdits), tool windows (MainTools), the file
// commands, printing and backups (ProgramDocument, BackupKeeper; forwards in MainFiles),
// new program and resets (MainReset).
#pragma once

#include "dialogs/Ausgabe.h"
#include "dialogs/BefehlsBottons.h"
#include "dialogs/Debug.h"
#include "dialogs/Programmtext.h"
#include "dialogs/TovakRemark.h"
#include "machine/Bus.h"
#include "machine/EAEinheit.h"
#include "machine/Encoder.h"
#include "machine/RAM.h"
#include "machine/Rechenwerk.h"
#include "machine/Reg.h"
#include "machine/Steuerwerk.h"
#include "mainwindow/DiagramZoom.h"
#include "mainwindow/JournalStartView.h"
#include "mainwindow/MainActions.h"
#include "mainwindow/OwnedWindow.h"
#include "mainwindow/ProgramDocument.h"
#include "mainwindow/RunController.h"
#include "mainwindow/WindowHooks.h"
#include "mainwindow/WindowMachine.h"

#include <QMainWindow>
#include <QPointer>
#include <QRect>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QCloseEvent;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QSpinBox;
class QSplitter;

namespace tovak {

class AufgabeBereich;
class BackupKeeper;
class BusAnimation;
class TFDialog0;
class TempoControl;
class TOroGrid;

class TFMain final : public QMainWindow, private RunView {
    Q_OBJECT

public:
    static constexpr const char* kCaption = ProgramDocument::kTitle;
    // Widths of the memory grid's address and hex columns in the normal view.
    static constexpr int kSpeicherAdrBreite = 45;
    static constexpr int kSpeicherHexBreite = 80;

    // screenHeight: the available screen height that picks the compact layout; -1 asks
    // the screen the window will appear on.
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
    // The exercise pane, made by the actions.
    AufgabeBereich* Aufgabe() const;

    // --- Options, help and other programs (MainOptions.cpp) -------------------------------
    void MnTaschenrechnerClick();
    void MnSpeicherbelegungClick();
    void MnEinstellungenClick();
    void Info1Click();
    void MnNeueInstanzClick();

    // --- The program document and its backup copies: forwards (MainFiles.cpp; the resets,
    // which also clear the grids and the run, in MainReset.cpp) ----------------------------
    // Each command that replaces the program first asks about unsaved changes.
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
    // The command-line load: the first argument after the program name, if it is a file.
    // True when it named one.
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

    // --- Menus, toolbar, command window, lessons and exercise pane ------------------------
    MainActions& Actions() { return *actions_; }
    QMenu* BeispielMenu() const;

    // Where the window asks the learner, tests and benchmarks may answer instead.
    WindowHooks& Hooks() { return hooks_; }

    TSteuerwerk& Steuerwerk() { return *steuerwerk_; }
    TRAM& Speicher() { return *speicher_; }
    // Writes the instructions the dialogs deliver at the IP (each write ends with a backup).
    TEncoder& Encoder() { return *encoder_; }
    TReg& Register() { return *register_; }
    TEAEinheit& EAEinheit() { return *eaEinheit_; }
    TRechenwerk& Rechenwerk() { return *rechenwerk_; }
    TBus& Adressbus() { return *adressbus_; }
    TBus& Datenbus() { return *datenbus_; }
    QTimer* Timer1() const { return run_->Clock(); }
    TFAusgabe* Ausgabe() const { return ausgabe_; }
    TFDebug* Debug() const { return debug_; }
    TOroGrid* GridSpeicher() const { return gridSpeicher_; }
    TOroGrid* GridRegister() const { return gridRegister_; }
    BusAnimation& Animation() { return *animation_; }
    QPlainTextEdit* MemoRemark() const { return memoRemark_; }
    QWidget* Client() const { return client_; }

    bool IsCompactLayout() const { return compact_; }
    bool IsSpeicherMaximal() const { return speicherMaximalInForce_; }

    // Applies or removes the maximal-memory layout when it differs from the one in force.
    void ApplySpeicherMaximal(bool on);

    bool IsEnlargedView() const { return enlargedPanel_ != nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closing asks about unsaved changes like "&Neu".
    void closeEvent(QCloseEvent* event) override;

private:
    // Creation (MainCreate.cpp)
    void CreateClient();
    void CreateEABox();
    void CreateSpeicherBox();
    void CreateRegisterBox();
    void CreateRechenwerkBox();
    void CreateSteuerwerkBox();
    void CreateBusBars();
    void SetUpGrids();
    void CreateMachine();
    void ShowStartValues();
    QLabel* MakePanel(QWidget* parent, const char* name, const QRect& geometry);
    QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y);
    QFrame* MakeBar(const char* name, const QRect& geometry);

    // The run counters (MainJournal.cpp)
    void CreateRunCounters();
    void ShowRunCounters();

    // Instruction entry (MainBefehle.cpp)
    // Shows the dialog modally with DialogOkay cleared; true when it was confirmed.
    bool ShowBefehlsDialog(TFDialog0& dialog);
    // Hands a confirmed dialog's instruction to the encoder; range errors are shown.
    void BefehlEintragen(const TFDialog0& dialog);

    // Layouts (MainLayouts.cpp)
    void ApplyCompactLayout();
    int ClientHeight();
    void PlaceSpeicherBox();
    void PlaceRegisterBox();
    void ShowEnlargedView();
    void ShowNormalView();
    // Screen size (MainScreen.cpp): the window, the dialogs and the tool windows stay on
    // the screen.
    void FitToScreen();
    // The window grows and shrinks with the zoom, up to the screen's free area.
    void FitZoomedWindow();
    // Shows the zoom in force; in the enlarged view it waits for the normal view.
    void ApplyZoom();
    // Layout changes are made at 100 %, then the zoom is applied again.
    void Unzoomed(const std::function<void()>& change);

    // What the run controller asks of the window (MainRun.cpp, MainFastRun.cpp,
    // MainJournal.cpp, MainAnimation.cpp).
    int OnUpdate() override;
    void StopAnimation() override;
    void ClearRunPanels() override;
    std::vector<int> Haltepunkte() const override;
    void SelectMemoryRow(int row) override;
    void ShowIPZero() override;
    void ClearOutput() override;
    void PrepareOutputWindow() override;
    int AskNumber() override;
    void SetDisplaysDeferred(bool on) override;
    void RefreshDeferred() override;
    StepDecision::Followed FollowedRows() const override;
    void SelectFollowedRows(int memoryRow, int registerRow) override;
    void CaptureJournalStart(long long taktzaehler) override;
    bool RestoreJournalStart(long long taktzaehler) const override;
    // The controls follow the run controller.
    void ShowEditMode(bool edit);
    void ShowInterrupt(bool on);
    void ConnectRunController();

    // Run state in words (MainRunState.cpp)
    void CreateRunStateDisplay();
    void ShowRunStateInMenuBar();

    // Tool windows (MainTools.cpp)
    TFAusgabe* EnsureOutputWindow();
    void OutputWindowClosed();
    void DebugWindowClosed();
    void RemarkWindowClosed();

    // The document (MainFiles.cpp): made with its backup copies; its change mark follows
    // the grids and the remarks.
    void CreateDocument();
    void WatchForChanges();

    // The I/O value in the hexadecimal panel and its tooltip (MainEdits.cpp).
    void ShowEAHex(int v);
    void ShowPendingEAHex();

    // New program and resets (MainReset.cpp): empty memory, row 1 selected.
    void ClearMemory();

    // --- The menus, the toolbar and the tool windows they open -----------------------------
    std::unique_ptr<MainActions> actions_;

    // --- Widgets (object names as in the block diagram) -----------------------------------
    QWidget* client_ = nullptr;

    QGroupBox* groupBoxEA_ = nullptr;
    QLabel* eaEinheit1_ = nullptr;
    QSpinBox* eaEinheit2_ = nullptr;
    QLabel* lDatenbus_ = nullptr;
    QLabel* pDatenBus_ = nullptr;
    QGroupBox* groupBoxSpeicher_ = nullptr;
    TOroGrid* gridSpeicher_ = nullptr;
    QGroupBox* groupBoxRegister_ = nullptr;
    TOroGrid* gridRegister_ = nullptr;
    QGroupBox* groupBoxRechenwerk_ = nullptr;
    QLabel* panelAkku_ = nullptr;
    QLabel* panelOperand_ = nullptr;
    QLabel* panelZero_ = nullptr;
    QLabel* panelCarry_ = nullptr;
    QLabel* panelParity_ = nullptr;
    QLabel* panelSign_ = nullptr;
    QGroupBox* groupBoxSteuerwerk_ = nullptr;
    QLabel* pBefehl_ = nullptr;
    QLabel* pBefehlRem_ = nullptr;
    QGroupBox* microcode_ = nullptr;
    QLabel* pMicrocode_ = nullptr;
    QLabel* pInstructionPointer_ = nullptr;
    QSpinBox* eInstructionPointer_ = nullptr;
    QLabel* pStackPointer_ = nullptr;
    QLabel* eStackPointer_ = nullptr;
    QLabel* pInterupt_ = nullptr;
    QLabel* eInteruptAdr_ = nullptr;
    QLabel* imageInterrupt_ = nullptr;
    QLabel* pBefehlszaehler_ = nullptr;
    QLabel* pTaktzaehler_ = nullptr;
    QLabel* labelAdressbus_ = nullptr;
    QLabel* pAdressBus_ = nullptr;
    QPlainTextEdit* memoRemark_ = nullptr;

    // Bus bars by role.
    QFrame* image9_ = nullptr;        // the long vertical data-bus bar in the middle
    QFrame* barEAspeicher_ = nullptr; // I/O box down to the memory box
    QFrame* barDatenLinks_ = nullptr; // data bus from there to the data-bus panel
    std::vector<QFrame*> adressBars_;
    std::vector<QFrame*> regDataBars_; // data bus down to the register box

    // Enlarged view while shown.
    QWidget* enlargedPanel_ = nullptr;
    QSplitter* enlargedSplitter_ = nullptr;
    QRect rechenwerkCreated_;

    // --- The machine and what drives it, living as long as the window. Members go in the
    // reverse order of their declaration: the run controller before the machine it drives.
    std::unique_ptr<WindowMachine> machine_;
    // The units inside machine_, by name.
    TRAM* speicher_ = nullptr;
    TReg* register_ = nullptr;
    TBus* datenbus_ = nullptr;
    TBus* adressbus_ = nullptr;
    TEAEinheit* eaEinheit_ = nullptr;
    TRechenwerk* rechenwerk_ = nullptr;
    TSteuerwerk* steuerwerk_ = nullptr;
    TEncoder* encoder_ = nullptr;
    std::unique_ptr<RunController> run_;
    std::unique_ptr<BusAnimation> animation_;

    // --- Run control ---------------------------------------------------------------------
    QLabel* runStateLabel_ = nullptr;
    int eaHexPending_ = -1; // the I/O value up to 255 a fast run wrote last; -1 none

    bool compact_ = false;
    bool speicherMaximalInForce_ = false;
    DiagramZoom zoom_;
    QSize designSize_; // the window at 100 %
    bool zooming_ = false;
    // A selection the window makes itself is no user click.
    bool selectingRow_ = false;

    WindowHooks hooks_;
    std::unique_ptr<BackupKeeper> backups_;
    std::unique_ptr<ProgramDocument> document_;
    JournalStartView journalStart_;

    // The tool windows, last: they close first, while everything they show is there.
    OwnedWindow<TFAusgabe> ausgabe_;
    OwnedWindow<TFDebug> debug_;
    OwnedWindow<TFTovakRemark> tovakRemark_;
    QPointer<TFProgrammtext> programmtext_;
};

} // namespace tovak
