// "Schnelllauf": a continuous run without the clock. Micro-steps run in slices of a few
// milliseconds per turn of the event loop; the machine's displays are off and the window
// shows its values about 30 times a second. Every tick is the same decision as a clock
// tick: breakpoints, the number input, errors, "CPU Stop" and STOP end or pause it the same
// way.
#include "machine/Steuerwerk.h"
#include "mainwindow/RunController.h"

#include <QTimer>

namespace tovak {

namespace {

// Length of one slice: short enough that STOP and the mouse are answered at once.
constexpr int kSliceMs = 8;
// About 30 refreshes a second.
constexpr int kRefreshMs = 33;
// Micro-steps between two looks at the slice's clock.
constexpr int kStepsPerCheck = 1024;

} // namespace

bool RunController::FastRunActive() const {
    return fastTimer_ != nullptr && fastTimer_->isActive();
}

void RunController::Schnelllauf() {
    // As "Start von IP": nothing of the machine is reset.
    ClockOff();
    decision_.Start(true);
    SetEditMode(false);
    StartFastRun();
}

void RunController::StartFastRun() {
    // No clips while it runs; the last step's are shown when it ends.
    view_.StopAnimation();
    animPhase_ = 0;
    StartFastClock();
}

void RunController::StartFastClock() {
    if (fastTimer_ == nullptr) {
        fastTimer_ = new QTimer(this);
        fastTimer_->setObjectName(QStringLiteral("TimerSchnelllauf"));
        fastTimer_->setInterval(0);
        connect(fastTimer_, &QTimer::timeout, this, &RunController::FastSlice);
    }
    breakAt_ = -1;
    fastNeedsUpdate_ = false;
    SetDisplaysDeferred(true);
    sinceRefresh_.start();
    fastTimer_->start();
    ScheduleRunStateUpdate();
}

void RunController::StopFastClock() {
    if (!FastRunActive() && !deferred_) {
        return;
    }
    if (fastTimer_ != nullptr) {
        fastTimer_->stop();
    }
    SetDisplaysDeferred(false);
    // The window then looks as after the last micro-step of a continuous run.
    if (fastNeedsUpdate_) {
        fastNeedsUpdate_ = false;
        animPhase_ = view_.OnUpdate();
    }
    emit countersChanged();
    ScheduleRunStateUpdate();
}

void RunController::SetDisplaysDeferred(bool on) {
    deferred_ = on;
    steuerwerk_.SetAnzeigenAktiv(!on);
    view_.SetDisplaysDeferred(on);
    if (!on) {
        SelectFastRows();
    }
}

void RunController::FastRefresh() {
    sinceRefresh_.start();
    steuerwerk_.AnzeigenErneuern();
    view_.RefreshDeferred();
    SelectFastRows();
    emit countersChanged();
}

void RunController::SelectFastRows() {
    view_.SelectFollowedRows(fastMemoryRow_, fastRegisterRow_);
    fastMemoryRow_ = 0;
    fastRegisterRow_ = 0;
}

void RunController::FastSlice() {
    // A message box or the number input inside a step runs the event loop again.
    if (inFastSlice_) {
        return;
    }
    inFastSlice_ = true;
    // The breakpoints cannot change during a slice; reading them once keeps the steps cheap.
    fastBreakpoints_ = Breakpoints();
    NoteJournalStart();
    StepDecision::Followed followed = view_.FollowedRows();
    QElapsedTimer slice;
    slice.start();
    bool going = true;
    while (going && slice.elapsed() < kSliceMs) {
        std::uint64_t ticks = 0;
        const StepResult result =
            decision_.Run(kStepsPerCheck, ticks, fastBreakpoints_, &followed, true);
        // The ticks that performed a micro-step; the last one of a stop is AfterStep's, and
        // a stop before the number input made no tick.
        const bool alle = result == StepResult::Performed || result == StepResult::Input;
        const auto performed = static_cast<long long>(ticks) - (alle ? 0 : 1);
        if (performed > 0) {
            stepCount_ += performed;
            fastNeedsUpdate_ = true;
        }
        if (result == StepResult::Performed) {
            continue;
        }
        going = false;
        NoteFastRows(followed);
        if (result == StepResult::Input) {
            FastInputStep();
        } else {
            // Everything else ends the run as after a clock tick, with the window showing
            // where it stands (a thrown error stalls it with the controls in run mode).
            fastNeedsUpdate_ = false;
            ClockOff();
            AfterStep(result);
        }
    }
    if (going) {
        NoteFastRows(followed);
        if (sinceRefresh_.elapsed() >= kRefreshMs) {
            FastRefresh();
        }
    }
    inFastSlice_ = false;
}

void RunController::NoteFastRows(const StepDecision::Followed& followed) {
    if (followed.memory >= 0) {
        fastMemoryRow_ = followed.memory + 1;
    }
    if (followed.reg >= 0) {
        fastRegisterRow_ = followed.reg + 1;
    }
}

void RunController::FastInputStep() {
    // The window shows where the run stands while the dialog asks.
    ClockOff();
    if (animPhase_ != 0) {
        view_.StopAnimation();
    }
    NoteJournalStart();
    if (AfterStep(decision_.Tick(fastBreakpoints_)) && decision_.Continuous()) {
        StartFastClock(); // the next slice goes on
    }
}

} // namespace tovak
