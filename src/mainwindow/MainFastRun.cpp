// "Schnelllauf": a continuous run without the clock. Micro-steps run in slices of a few
// milliseconds per turn of the event loop; the machine's displays are off and the window
// shows its values about 30 times a second. Every tick is the same decision as a clock
// tick: breakpoints, the number input, errors, "CPU Stop" and STOP end or pause it the same
// way.
#include "dialogs/Ausgabe.h"
#include "dialogs/Debug.h"
#include "mainwindow/BusAnimation.h"
#include "mainwindow/ErrorDisplay.h"
#include "mainwindow/Main.h"
#include "widgets/OroGrid.h"

#include <QTimer>
#include <algorithm>

namespace tovak {

namespace {

// Length of one slice: short enough that STOP and the mouse are answered at once.
constexpr int kSliceMs = 8;
// About 30 refreshes a second.
constexpr int kRefreshMs = 33;
// Micro-steps between two looks at the slice's clock.
constexpr int kStepsPerCheck = 1024;

} // namespace

bool TFMain::FastRunActive() const {
    return fastTimer_ != nullptr && fastTimer_->isActive();
}

void TFMain::MnSchnelllaufClick() {
    // As "Start von IP": nothing of the machine is reset.
    ClockOff();
    decision_->Start(true);
    SetEditMode(false);
    // No clips while it runs; the last step's are shown when it ends.
    StopAnimation();
    animPhase_ = 0;
    StartFastClock();
}

void TFMain::StartFastClock() {
    if (fastTimer_ == nullptr) {
        fastTimer_ = new QTimer(this);
        fastTimer_->setObjectName(QStringLiteral("TimerSchnelllauf"));
        fastTimer_->setInterval(0);
        connect(fastTimer_, &QTimer::timeout, this, &TFMain::FastSlice);
    }
    breakAt_ = -1;
    fastNeedsUpdate_ = false;
    fastOutput_.ForgetSkipped();
    SetDisplaysDeferred(true);
    sinceRefresh_.start();
    fastTimer_->start();
    ScheduleRunStateUpdate();
}

void TFMain::StopFastClock() {
    if (!FastRunActive() && !displayRefresh_.Deferred()) {
        return;
    }
    if (fastTimer_ != nullptr) {
        fastTimer_->stop();
    }
    SetDisplaysDeferred(false);
    // Thinned output cannot be taken back line by line.
    if (fastOutput_.SkippedAny()) {
        fastOutput_.ForgetSkipped();
        ClearJournal();
    }
    // The window then looks as after the last micro-step of a continuous run.
    if (fastNeedsUpdate_) {
        fastNeedsUpdate_ = false;
        OnUpdate();
    }
    ShowRunCounters();
    ScheduleRunStateUpdate();
}

void TFMain::SetDisplaysDeferred(bool on) {
    if (on) {
        // The output window is reached through the buffer while the run goes on.
        if (ausgabe_ != nullptr && eaEinheit_->GetAusgabefenster() == ausgabe_) {
            fastOutput_.SetTarget(ausgabe_);
            eaEinheit_->ReplaceAusgabefenster(&fastOutput_);
        }
        steuerwerk_->SetAnzeigenAktiv(false);
        displayRefresh_.SetDeferred(true);
        gridSpeicher_->SetDeferred(true);
        gridRegister_->SetDeferred(true);
        return;
    }
    steuerwerk_->SetAnzeigenAktiv(true);
    displayRefresh_.SetDeferred(false);
    gridSpeicher_->SetDeferred(false);
    gridRegister_->SetDeferred(false);
    SelectFastRows();
    if (eaEinheit_->GetAusgabefenster() == &fastOutput_) {
        eaEinheit_->ReplaceAusgabefenster(fastOutput_.Target());
    }
    fastOutput_.SetTarget(nullptr);
}

void TFMain::FastRefresh() {
    sinceRefresh_.start();
    // An output window opened during the run is taken into the buffer too.
    if (ausgabe_ != nullptr && eaEinheit_->GetAusgabefenster() == ausgabe_) {
        fastOutput_.SetTarget(ausgabe_);
        eaEinheit_->ReplaceAusgabefenster(&fastOutput_);
    }
    steuerwerk_->AnzeigenErneuern();
    displayRefresh_.Flush();
    gridSpeicher_->FlushDeferred();
    gridRegister_->FlushDeferred();
    SelectFastRows();
    ShowRunCounters();
}

void TFMain::NoteFastRows(int ipBefore) {
    // The rows a clock tick would have selected, the latest of each grid: the IP's memory row
    // when the IP moved, then the row the bus animation follows.
    auto note = [](TOroGrid* grid, int row, int& noted) {
        if (row >= 1 && row < grid->RowCount()) {
            noted = row;
        }
    };
    const int ip = steuerwerk_->GetIP();
    if (ip != ipBefore) {
        note(gridSpeicher_, ip + 1, fastMemoryRow_);
    }
    switch (BusAnimation::RowFor(steuerwerk_->GetPhase())) {
    case RowTarget::Memory:
        note(gridSpeicher_, adressbus_->GetValue() + 1, fastMemoryRow_);
        break;
    case RowTarget::Register:
        note(gridRegister_, adressbus_->GetValue() + 1, fastRegisterRow_);
        break;
    case RowTarget::None:
        break;
    }
}

void TFMain::SelectFastRows() {
    selectingRow_ = true;
    if (fastMemoryRow_ > 0) {
        gridSpeicher_->SetRow(fastMemoryRow_);
    }
    if (fastRegisterRow_ > 0) {
        gridRegister_->SetRow(fastRegisterRow_);
    }
    selectingRow_ = false;
    fastMemoryRow_ = 0;
    fastRegisterRow_ = 0;
}

void TFMain::FastSlice() {
    // A message box or the number input inside a step runs the event loop again.
    if (inFastSlice_) {
        return;
    }
    inFastSlice_ = true;
    // The breakpoints cannot change during a slice; reading them once keeps the steps cheap.
    fastBreakpoints_ = Breakpoints();
    QElapsedTimer slice;
    slice.start();
    bool going = true;
    while (going && slice.elapsed() < kSliceMs) {
        for (int i = 0; i < kStepsPerCheck && going; ++i) {
            going = FastStep();
        }
    }
    if (going && sinceRefresh_.elapsed() >= kRefreshMs) {
        FastRefresh();
    }
    inFastSlice_ = false;
}

bool TFMain::FastStep() {
    if (decision_->AsksForNumber()) {
        // The window shows where the run stands while the dialog asks.
        ClockOff();
        if (animPhase_ != 0) {
            StopAnimation();
        }
        if (AfterStep(decision_->Tick(fastBreakpoints_)) && decision_->Continuous()) {
            StartFastClock(); // the next slice goes on
        }
        return false;
    }
    const int ip = steuerwerk_->GetIP();
    const StepResult result = decision_->Tick(fastBreakpoints_);
    if (result == StepResult::Performed) {
        ++stepCount_;
        fastNeedsUpdate_ = true;
        NoteFastRows(ip);
        return true;
    }
    // Everything else ends the run as after a clock tick, with the window showing where it
    // stands (a thrown error stalls it with the controls in run mode).
    fastNeedsUpdate_ = false;
    ClockOff();
    AfterStep(result);
    return false;
}

} // namespace tovak
