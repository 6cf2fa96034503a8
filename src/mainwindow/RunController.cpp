// The clock, the run commands, breakpoints, the number-input pause, error stops, "Takt zurück"
// and the run state in words.
#include "mainwindow/RunController.h"

#include "machine/Reg.h"
#include "machine/Steuerwerk.h"
#include "mainwindow/ErrorDisplay.h"

#include <QTimer>
#include <algorithm>

namespace tovak {

RunController::RunController(TSteuerwerk& steuerwerk, TReg& reg, RunView& view, QObject* parent)
    : QObject(parent), steuerwerk_(steuerwerk), reg_(reg), view_(view), decision_(steuerwerk) {
    setObjectName(QStringLiteral("RunController"));
    clock_ = new QTimer(this);
    clock_->setObjectName(QStringLiteral("Timer1"));
    clock_->setTimerType(Qt::PreciseTimer);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, &RunController::ClockTick);

    // The state is shown once the command that changed it has finished, so the many
    // intermediate steps of a command do not each redraw it.
    runStateTimer_ = new QTimer(this);
    runStateTimer_->setSingleShot(true);
    runStateTimer_->setInterval(0);
    connect(runStateTimer_, &QTimer::timeout, this,
            [this] { emit runStateChanged(RunStateText()); });
}

RunController::~RunController() = default;

void RunController::ClockOn() {
    if (schnell_) {
        clock_->stop();
        StartFastRun();
        UpdateStepBack();
        return;
    }
    StopFastClock();
    breakAt_ = -1;
    clock_->start();
    clockStart_.start();
    clockTicks_ = 0;
    ScheduleRunStateUpdate();
    UpdateStepBack();
}

void RunController::ClockOff() {
    clock_->stop();
    StopFastClock();
    ScheduleRunStateUpdate();
    UpdateStepBack();
}

bool RunController::ClockRunning() const {
    return clock_->isActive();
}

void RunController::SetClockInterval(int ms) {
    clock_->setInterval(ms);
    clockStart_.start();
    clockTicks_ = 0;
}

void RunController::SetTempo(int ms, bool schnell) {
    SetClockInterval(ms);
    const bool fast = FastRunActive();
    schnell_ = schnell;
    // A run going on switches between the clock and the fast run at once; a fast run started
    // by "Schnelllauf" slows to the clock when a pace in milliseconds is chosen.
    if ((schnell && clock_->isActive()) || (!schnell && fast)) {
        ClockOn();
    }
}

void RunController::ClockTick() {
    // A periodic timer drops ticks that come late (a repaint, a busy machine), so the run
    // would fall behind its interval. Ticks that are due are caught up, a few at a time;
    // each is one ordinary Takt and the run stops between them like between ticks.
    constexpr long long kMaxCatchUp = 4;
    const long long interval = std::max(1, clock_->interval());
    const long long due = clockStart_.elapsed() / interval - clockTicks_;
    const long long ticks = std::clamp(due, 1LL, kMaxCatchUp);
    clockTicks_ = std::max(clockTicks_ + ticks, clockStart_.elapsed() / interval - kMaxCatchUp);
    for (long long i = 0; i < ticks && clock_->isActive(); ++i) {
        Takt();
    }
}

std::vector<int> RunController::Breakpoints() const {
    // Only a continuous run stops at them.
    if (!decision_.Continuous()) {
        return {};
    }
    return view_.Haltepunkte();
}

void RunController::Takt() {
    if (animPhase_ != 0) {
        view_.StopAnimation();
    }
    // The number input is modal: the clock must not tick while it asks.
    const bool input = decision_.AsksForNumber();
    if (input) {
        ClockOff();
    }
    NoteJournalStart();
    const StepResult result = decision_.Tick(Breakpoints());
    if (AfterStep(result) && input && decision_.Continuous()) {
        ClockOn();
    }
}

bool RunController::AfterStep(StepResult result) {
    switch (result) {
    case StepResult::Input: // only a fast run stops before it
        return false;
    case StepResult::Stalled:
        ClockOff();
        return false;
    case StepResult::Breakpoint:
        breakAt_ = decision_.LastBreakIP();
        ClockOff();
        return false;
    case StepResult::Threw:
        // The unfinished step stalls the run: the next tick switches the clock off.
        ScheduleRunStateUpdate();
        try {
            std::rethrow_exception(decision_.Exception());
        } catch (const std::exception& e) {
            ShowFehler(e);
        }
        UpdateStepBack();
        return false;
    case StepResult::Performed:
    case StepResult::CpuStop:
    case StepResult::Error:
        break;
    }
    if (breakAt_ >= 0) {
        breakAt_ = -1;
        ScheduleRunStateUpdate();
    }
    ++stepCount_;
    animPhase_ = view_.OnUpdate();
    if (result != StepResult::Performed) {
        StopRun(result);
    }
    emit countersChanged();
    UpdateStepBack();
    return result == StepResult::Performed;
}

void RunController::StopRun(StepResult result) {
    ClockOff();
    SetEditMode(true);
    animPhase_ = 0;
    view_.StopAnimation();
    if (result == StepResult::CpuStop) {
        return;
    }
    const std::string meldung = Fehlermeldung(steuerwerk_.GetFehler());
    if (!meldung.empty()) {
        ShowErrorBox("Fehler", meldung);
    }
    decision_.ResetCycle([this] { SelectMemoryRowAndIP(1); });
}

void RunController::SelectMemoryRowAndIP(int row) {
    view_.SelectMemoryRow(row);
    if (steuerwerk_.GetIP() != row - 1) {
        steuerwerk_.SetIP(row - 1);
    }
}

void RunController::StartVon0() {
    view_.ClearOutput();
    steuerwerk_.SetSchritt(0);
    steuerwerk_.SetIPWeiter(false);
    steuerwerk_.SetFehler(KeinFehler);
    SelectMemoryRowAndIP(1);
    ResetRunState(false);
    decision_.Start(true);
    SetEditMode(false);
    animPhase_ = 1;
    view_.PrepareOutputWindow();
    decision_.ForgetBreakpoint();
    Takt();
    // A breakpoint at address 0 or an error in the first step has already ended the
    // continuous run; the clock must not revive it.
    if (decision_.Continuous()) {
        ClockOn();
    }
}

void RunController::StartVonIP() {
    decision_.Start(true);
    SetEditMode(false);
    animPhase_ = 1;
    ClockOn();
}

void RunController::Einzelschritt() {
    // Single stepping runs without the clock, also when a continuous run was going on.
    ClockOff();
    view_.PrepareOutputWindow();
    steuerwerk_.SetSchritt(0);
    steuerwerk_.SetIPWeiter(false);
    steuerwerk_.SetFehler(KeinFehler);
    steuerwerk_.SetSP(255);
    steuerwerk_.ResetInterruptZustand();
    ClearJournal();
    ResetCounters();
    decision_.Start(false);
    SetEditMode(false);
    animPhase_ = 1;
    Takt();
}

void RunController::Stop() {
    ClockOff();
    SetEditMode(true);
    animPhase_ = 0;
    view_.StopAnimation();
    view_.ClearRunPanels();
}

void RunController::ToggleInterrupt() {
    interruptOn_ = !interruptOn_;
    steuerwerk_.SetInterrupt(interruptOn_);
    emit interruptChanged(interruptOn_);
}

void RunController::SetEditMode(bool edit) {
    editMode_ = edit;
    if (edit) {
        breakAt_ = -1;
    }
    ScheduleRunStateUpdate();
    emit editModeChanged(edit);
}

void RunController::ResetRunState(bool resetRegisters) {
    Stop();
    // A run stopped inside the interrupt service routine must not block interrupts.
    steuerwerk_.ResetInterruptZustand();
    view_.ShowIPZero();
    steuerwerk_.SetSP(255);
    // A fresh run: nothing before it can be undone, and its counters start at 0.
    ClearJournal();
    ResetCounters();
    if (resetRegisters) {
        reg_.Reset(true);
        reg_.FillGrid();
    }
}

void RunController::ResetCounters() {
    steuerwerk_.ZaehlerZuruecksetzen();
    emit countersChanged();
}

void RunController::ScheduleRunStateUpdate() {
    if (!runStateTimer_->isActive()) {
        runStateTimer_->start();
    }
}

QString RunController::RunStateText() const {
    if (inputOpen_) {
        return QStringLiteral("Eingabe");
    }
    if (FastRunActive()) {
        return QStringLiteral("Schnelllauf");
    }
    if (editMode_) {
        // A halted machine halts again at once on "Start von IP"; say why the run ended.
        return steuerwerk_.GetFehler() == CPUStop ? QStringLiteral("Bearbeiten (CPU Stop)")
                                                  : QStringLiteral("Bearbeiten");
    }
    // A message inside a micro-step left it unfinished: the next Takt only switches the
    // clock off, and the run waits for "Start von IP", "Takt" or "Stop".
    if (decision_.StartedStep() == steuerwerk_.GetSchritt()) {
        return QStringLiteral("Angehalten");
    }
    if (clock_->isActive()) {
        return QStringLiteral("Programmlauf");
    }
    if (breakAt_ >= 0) {
        return QStringLiteral("Haltepunkt bei %1").arg(breakAt_);
    }
    // A continuous run whose clock went off without a breakpoint.
    if (decision_.Continuous()) {
        return QStringLiteral("Angehalten");
    }
    return QStringLiteral("Einzelschritt");
}

int RunController::AskNumberInput() {
    inputOpen_ = true;
    // The dialog runs its own event loop, which shows the state before the user answers.
    ScheduleRunStateUpdate();
    const int value = view_.AskNumber();
    inputOpen_ = false;
    ScheduleRunStateUpdate();
    return value;
}

bool RunController::CanStepBack() const {
    // Not while the clock runs: the run would go on from a state the learner did not see.
    return steuerwerk_.KannZuruecknehmen() && !clock_->isActive() && !FastRunActive();
}

void RunController::UpdateStepBack() {
    emit stepBackChanged(CanStepBack());
}

void RunController::ClearJournal() {
    steuerwerk_.JournalLeeren();
    journalStartNoted_ = false;
    UpdateStepBack();
}

void RunController::NoteJournalStart() {
    if (!journalStartNoted_ && !steuerwerk_.KannZuruecknehmen()) {
        view_.CaptureJournalStart(steuerwerk_.GetTaktzaehler());
        journalStartNoted_ = true;
    }
}

void RunController::TaktZurueck() {
    if (!CanStepBack()) {
        return;
    }
    view_.StopAnimation();
    RunGuarded([&] { steuerwerk_.TaktZurueck(); });
    // Stepping goes on from here, as after "Einzelschritt"; the next Takt performs the
    // undone micro-step again.
    decision_.Start(false);
    breakAt_ = -1;
    SetEditMode(false);
    ScheduleRunStateUpdate();
    // The grid rows follow the micro-step now performed last, without its clip; back at the
    // start the window looks exactly as before the first step.
    if (steuerwerk_.KannZuruecknehmen() ||
        !view_.RestoreJournalStart(steuerwerk_.GetTaktzaehler())) {
        view_.OnUpdate();
        view_.StopAnimation();
    }
    animPhase_ = 0;
    emit countersChanged();
    UpdateStepBack();
}

} // namespace tovak
