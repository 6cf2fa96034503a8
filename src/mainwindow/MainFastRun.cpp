// "Schnelllauf": a continuous run without the clock. Micro-steps run in slices of a few
// milliseconds per turn of the event loop; the displays keep the values written and the
// window shows them about 30 times a second. Everything else is as in a continuous run:
// breakpoints, the number input, errors, "CPU Stop" and STOP end or pause it the same way.
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

// The micro-step that opens the number input.
constexpr int kZahlEinlesen = 31;
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
    startedStep_ = -1;
    continuous_ = true;
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
        displayRefresh_.SetDeferred(true);
        gridSpeicher_->SetDeferred(true);
        gridRegister_->SetDeferred(true);
        return;
    }
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
    displayRefresh_.Flush();
    gridSpeicher_->FlushDeferred();
    gridRegister_->FlushDeferred();
    SelectFastRows();
    ShowRunCounters();
}

void TFMain::NoteFastRow(TOroGrid* grid, int row) {
    // As the window would have selected it; rows beyond the grid select nothing.
    if (row >= 1 && row < grid->RowCount()) {
        (grid == gridSpeicher_ ? fastMemoryRow_ : fastRegisterRow_) = row;
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
    fastBreakpoints_.clear();
    if (debug_ != nullptr) {
        fastBreakpoints_ = debug_->Haltepunkte();
    }
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
    // The same decisions as a clock tick (MnTaktClick), without the bus animation.
    const int s = steuerwerk_->GetSchritt();
    if (s == startedStep_) {
        ClockOff();
        return false;
    }
    const int ip = steuerwerk_->GetIP();
    if (ip != lastBreakIP_ && continuous_ && !fastBreakpoints_.empty() &&
        std::find(fastBreakpoints_.begin(), fastBreakpoints_.end(), ip) != fastBreakpoints_.end()) {
        continuous_ = false;
        breakAt_ = ip;
        ClockOff();
        lastBreakIP_ = ip;
        return false;
    }
    lastBreakIP_ = ip;
    startedStep_ = s;
    if (steuerwerk_->GetNaechstePhase() == kZahlEinlesen) {
        // The window shows where the run stands while the dialog asks.
        ClockOff();
        if (animPhase_ != 0) {
            StopAnimation();
        }
        if (PerformMicroStep() == StepOutcome::Done && continuous_) {
            StartFastClock();
            return false; // the next slice goes on
        }
        startedStep_ = -1;
        return false;
    }
    NoteJournalStart();
    try {
        steuerwerk_->Takt();
    } catch (const std::exception& e) {
        // A continuous run stalls here: the clock goes off, the controls stay in run mode.
        ClockOff();
        ShowFehler(e);
        return false;
    }
    ++stepCount_;
    if (steuerwerk_->GetFehler() == KeinFehler) {
        fastNeedsUpdate_ = true;
        // The rows the bus animation would select; the window shows the latest.
        switch (BusAnimation::RowFor(steuerwerk_->GetPhase())) {
        case RowTarget::Memory:
            NoteFastRow(gridSpeicher_, adressbus_->GetValue() + 1);
            break;
        case RowTarget::Register:
            NoteFastRow(gridRegister_, adressbus_->GetValue() + 1);
            break;
        case RowTarget::None:
            break;
        }
        return true;
    }
    // Errors and "CPU Stop" end the run exactly as after a clock tick.
    fastNeedsUpdate_ = false;
    StopFastClock();
    CheckStepResult();
    startedStep_ = -1;
    return false;
}

} // namespace tovak
