// When micro-steps happen: the clock, "Schnelllauf", "Takt zurück", the run counters and the
// run state. The control unit only knows how to do one micro-step and the step decision what
// a tick means for the run; here live the run commands built on them. What is shown is the
// window's: the controller asks it through RunView and tells it through signals.
#pragma once

#include "machine/StepDecision.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <vector>

class QTimer;

namespace tovak {

class TReg;
class TSteuerwerk;

// What the run controller asks of the window around a micro-step.
class RunView {
public:
    virtual ~RunView() = default;

    // The display's reaction to the micro-step just performed (bus clips, the grid row the
    // address bus names); returns the animation phase still running, 0 for none.
    virtual int OnUpdate() = 0;
    virtual void StopAnimation() = 0;
    // STOP empties the bus, micro-step and instruction panels.
    virtual void ClearRunPanels() = 0;
    // The breakpoints the learner set (none without the debug window).
    virtual std::vector<int> Haltepunkte() const = 0;
    // Selects a memory row as the window's own choice, which is no click.
    virtual void SelectMemoryRow(int row) = 0;
    // The IP spin edit back to 0, with its row and panel.
    virtual void ShowIPZero() = 0;
    // "Start von 0" empties an open output window; a program with I/O gets one, empty.
    virtual void ClearOutput() = 0;
    virtual void PrepareOutputWindow() = 0;
    // The number input of micro-step 31; -1 when cancelled.
    virtual int AskNumber() = 0;

    // A fast run keeps the displays off and notes their values: on, off again with what was
    // noted, and a refresh in between.
    virtual void SetDisplaysDeferred(bool on) = 0;
    virtual void RefreshDeferred() = 0;
    // Rows of the memory and register grids (without the caption row), which a fast run's
    // grid selection follows; and the rows it ends at (0 for none).
    virtual StepDecision::Followed FollowedRows() const = 0;
    virtual void SelectFollowedRows(int memoryRow, int registerRow) = 0;

    // What the window shows before the first micro-step that can be undone: captured, and
    // shown again when an undo arrives back at that count of micro-steps (true then).
    virtual void CaptureJournalStart(long long taktzaehler) = 0;
    virtual bool RestoreJournalStart(long long taktzaehler) const = 0;
};

class RunController final : public QObject {
    Q_OBJECT

public:
    RunController(TSteuerwerk& steuerwerk, TReg& reg, RunView& view, QObject* parent = nullptr);
    ~RunController() override;

    // --- The run commands ------------------------------------------------------------------
    void StartVon0();       // "Start von 0"
    void StartVonIP();      // "Start von IP"
    void Einzelschritt();   // "Einzelschritt"
    void Takt();            // "Takt" and every clock tick
    void ClockTick();       // the clock's tick: the Takts due since the last one
    void Stop();            // "STOP"
    void Schnelllauf();     // "Schnelllauf": from the IP without clock and animation
    void TaktZurueck();     // undoes the last micro-step; single steps go on from there
    void ToggleInterrupt(); // the interrupt request on or off
    // Any run stops, the IP goes to 0, the SP to 255, nothing can be undone and the counters
    // start at 0; with resetRegisters the registers are emptied too.
    void ResetRunState(bool resetRegisters);
    void SetEditMode(bool edit);
    // Forgets what "Takt zurück" could undo. Every command that changes the program or the
    // machine outside a micro-step must call it.
    void ClearJournal();
    // The number input of micro-step 31, with the run state "Eingabe" while it asks.
    int AskNumberInput();
    // The tempo of continuous runs: the clock's interval, or with schnell a run without clock
    // and animation as "Schnelllauf". A run going on changes its pace at once.
    void SetTempo(int ms, bool schnell);
    bool TempoSchnell() const { return schnell_; }

    // --- What the window shows -----------------------------------------------------------
    QString RunStateText() const;
    bool CanStepBack() const;
    bool EditMode() const { return editMode_; }
    bool ClockRunning() const;
    bool FastRunActive() const;
    bool InterruptOn() const { return interruptOn_; }
    bool Continuous() const { return decision_.Continuous(); }
    int StartedStep() const { return decision_.StartedStep(); }
    int LastBreakIP() const { return decision_.LastBreakIP(); }
    int AnimPhase() const { return animPhase_; }
    // Micro-steps performed since the controller was created.
    long long StepCount() const { return stepCount_; }
    QTimer* Clock() const { return clock_; }

signals:
    void editModeChanged(bool edit);
    // The run state in words, once the command that changed it has finished.
    void runStateChanged(const QString& text);
    void stepBackChanged(bool possible);
    // The control unit's instruction and micro-step counters changed.
    void countersChanged();
    void interruptChanged(bool on);

private:
    // A new interval starts the clock's count of due ticks afresh.
    void SetClockInterval(int ms);
    // What follows a tick that performed a micro-step or tried to: false when the run does
    // not go on.
    bool AfterStep(StepResult result);
    void StopRun(StepResult result);
    std::vector<int> Breakpoints() const;
    void ClockOn();
    void ClockOff();
    void SelectMemoryRowAndIP(int row);
    void ResetCounters();
    void ScheduleRunStateUpdate();
    void UpdateStepBack();
    void NoteJournalStart();

    void StartFastClock();
    void StartFastRun();
    void StopFastClock();
    void SetDisplaysDeferred(bool on);
    void FastSlice();
    void FastInputStep();
    void FastRefresh();
    void NoteFastRows(const StepDecision::Followed& followed);
    void SelectFastRows();

    TSteuerwerk& steuerwerk_;
    TReg& reg_;
    RunView& view_;
    StepDecision decision_;

    QTimer* clock_ = nullptr;
    QElapsedTimer clockStart_;
    long long clockTicks_ = 0;
    QTimer* runStateTimer_ = nullptr;

    int animPhase_ = 0;
    bool interruptOn_ = false;
    long long stepCount_ = 0;
    bool editMode_ = true;
    int breakAt_ = -1;       // the address of a breakpoint the run is paused at
    bool inputOpen_ = false; // the number input of micro-step 31 is asking
    bool journalStartNoted_ = false;
    bool schnell_ = false; // continuous runs go as "Schnelllauf"

    // Fast run: the slice timer is its clock.
    QTimer* fastTimer_ = nullptr;
    QElapsedTimer sinceRefresh_;
    std::vector<int> fastBreakpoints_;
    bool deferred_ = false;
    bool fastNeedsUpdate_ = false; // the last step's display reaction is still due
    bool inFastSlice_ = false;
    int fastMemoryRow_ = 0; // rows to select at the next refresh; 0 = none
    int fastRegisterRow_ = 0;
};

} // namespace tovak
