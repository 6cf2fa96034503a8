// Run control: when micro-steps happen. The control unit only knows how to do one; here
// live the clock, the run commands, breakpoints, the number-input pause and error stops.
#include "dialogs/Ausgabe.h"
#include "dialogs/Debug.h"
#include "mainwindow/ErrorDisplay.h"
#include "mainwindow/Main.h"
#include "util/MessageBoxes.h"
#include "widgets/OroGrid.h"

#include <QAction>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <algorithm>

namespace tovak {

namespace {

// The micro-step that opens the number input.
constexpr int kZahlEinlesen = 31;

} // namespace

void TFMain::ClockOn() {
    StopFastClock();
    breakAt_ = -1;
    timer1_->start();
    clockStart_.start();
    clockTicks_ = 0;
    ScheduleRunStateUpdate();
    UpdateTaktZurueck();
}

void TFMain::ClockOff() {
    timer1_->stop();
    StopFastClock();
    ScheduleRunStateUpdate();
    UpdateTaktZurueck();
}

void TFMain::SetClockInterval(int ms) {
    timer1_->setInterval(ms);
    clockStart_.start();
    clockTicks_ = 0;
}

void TFMain::Timer1Timer() {
    // A periodic timer drops ticks that come late (a repaint, a busy machine), so the run
    // would fall behind its interval. Ticks that are due are caught up, a few at a time;
    // each is one ordinary Takt and the run stops between them like between ticks.
    constexpr long long kMaxCatchUp = 4;
    const long long interval = std::max(1, timer1_->interval());
    const long long due = clockStart_.elapsed() / interval - clockTicks_;
    const long long ticks = std::clamp(due, 1LL, kMaxCatchUp);
    clockTicks_ = std::max(clockTicks_ + ticks, clockStart_.elapsed() / interval - kMaxCatchUp);
    for (long long i = 0; i < ticks && timer1_->isActive(); ++i) {
        MnTaktClick();
    }
}

TFMain::StepOutcome TFMain::PerformMicroStep() {
    if (breakAt_ >= 0) {
        breakAt_ = -1;
        ScheduleRunStateUpdate();
    }
    NoteJournalStart();
    try {
        steuerwerk_->Takt();
    } catch (const std::exception& e) {
        ScheduleRunStateUpdate(); // the unfinished step stalls the run
        ShowFehler(e);
        return StepOutcome::Threw;
    }
    ++stepCount_;
    const bool ok = CheckStepResult();
    ShowRunCounters();
    UpdateTaktZurueck();
    return ok ? StepOutcome::Done : StepOutcome::Stopped;
}

void TFMain::MnTaktClick() {
    if (animPhase_ != 0) {
        StopAnimation();
    }
    const int s = steuerwerk_->GetSchritt();
    if (s == startedStep_) {
        ClockOff();
        return;
    }
    const int ip = steuerwerk_->GetIP();
    if (continuous_ && debug_ != nullptr && ip != lastBreakIP_ && debug_->IsBreakpoint(ip)) {
        continuous_ = false;
        breakAt_ = ip;
        ClockOff();
        lastBreakIP_ = ip;
        return;
    }
    lastBreakIP_ = ip;
    startedStep_ = s;
    if (steuerwerk_->GetNaechstePhase() == kZahlEinlesen) {
        ClockOff();
        if (PerformMicroStep() == StepOutcome::Done && continuous_) {
            ClockOn();
            return;
        }
        startedStep_ = -1;
        return;
    }
    // After a throw the step index did not move: StartedStep still names it, so the next
    // tick of a running clock switches the clock off.
    if (PerformMicroStep() == StepOutcome::Stopped) {
        startedStep_ = -1;
    }
}

bool TFMain::CheckStepResult() {
    OnUpdate();
    const int fehler = steuerwerk_->GetFehler();
    if (fehler == KeinFehler) {
        return true;
    }
    continuous_ = false;
    ClockOff();
    SetEditMode(true);
    animPhase_ = 0;
    StopAnimation();
    if (fehler == CPUStop) {
        return false;
    }
    const std::string meldung = Fehlermeldung(fehler);
    if (!meldung.empty()) {
        ShowErrorBox("Fehler", meldung);
    }
    // The reset belongs to the failed step: "Takt zurück" undoes both.
    steuerwerk_->Nachtrag([this] {
        steuerwerk_->SetSchritt(0);
        steuerwerk_->SetIPWeiter(false);
        steuerwerk_->SetFehler(KeinFehler);
        SelectMemoryRowAndIP(1);
    });
    return false;
}

void TFMain::SelectMemoryRowAndIP(int row) {
    selectingRow_ = true;
    gridSpeicher_->SetRow(row);
    selectingRow_ = false;
    if (steuerwerk_->GetIP() != row - 1) {
        steuerwerk_->SetIP(row - 1);
    }
}

void TFMain::MnProgrammstartClick() {
    if (ausgabe_ != nullptr) {
        ausgabe_->Clear();
    }
    steuerwerk_->SetSchritt(0);
    steuerwerk_->SetIPWeiter(false);
    steuerwerk_->SetFehler(KeinFehler);
    SelectMemoryRowAndIP(1);
    ResetRunState(false);
    startedStep_ = -1;
    continuous_ = true;
    SetEditMode(false);
    animPhase_ = 1;
    PrepareOutputWindow();
    lastBreakIP_ = -1;
    MnTaktClick();
    // A breakpoint at address 0 or an error in the first step has already ended the
    // continuous run; the clock must not revive it.
    if (continuous_) {
        ClockOn();
    }
}

void TFMain::BnProgrammReStartClick() {
    startedStep_ = -1;
    continuous_ = true;
    SetEditMode(false);
    animPhase_ = 1;
    ClockOn();
}

void TFMain::MnEinzelschrittClick() {
    // Single stepping runs without the clock, also when a continuous run was going on.
    ClockOff();
    PrepareOutputWindow();
    steuerwerk_->SetSchritt(0);
    steuerwerk_->SetIPWeiter(false);
    steuerwerk_->SetFehler(KeinFehler);
    steuerwerk_->SetSP(255);
    steuerwerk_->ResetInterruptZustand();
    ClearJournal();
    ResetRunCounters();
    continuous_ = false;
    startedStep_ = -1;
    SetEditMode(false);
    animPhase_ = 1;
    MnTaktClick();
}

void TFMain::BnStopClick() {
    ClockOff();
    SetEditMode(true);
    animPhase_ = 0;
    StopAnimation();
    for (QLabel* panel : {pAdressBus_, pDatenBus_, pMicrocode_, pBefehlRem_, pBefehl_}) {
        panel->clear();
    }
}

void TFMain::BnInterruptClick() {
    interruptOn_ = !interruptOn_;
    imageInterrupt_->setVisible(interruptOn_);
    QPalette pal = bnInterrupt_->palette();
    pal.setColor(QPalette::ButtonText, interruptOn_ ? Qt::red : Qt::black);
    bnInterrupt_->setPalette(pal);
    steuerwerk_->SetInterrupt(interruptOn_);
}

void TFMain::SetEditMode(bool edit) {
    editMode_ = edit;
    if (edit) {
        breakAt_ = -1;
    }
    ScheduleRunStateUpdate();
    lkBefehlEinfuegen_->setEnabled(edit);
    lkBefehlLoeschen_->setEnabled(edit);
    bnProgrammstart_->setEnabled(edit);
    bnProgrammReStart_->setEnabled(edit);
    bnEinzelschritt_->setEnabled(edit);
    for (QAction* item : befehlsItems_) {
        item->setEnabled(edit);
    }
    eaEinheit2_->setEnabled(edit);
    eInstructionPointer_->setEnabled(edit);
    mnStop_->setEnabled(!edit);
    bnStop_->setEnabled(!edit);
    bnTakt_->setEnabled(!edit);
}

void TFMain::ResetRunState(bool resetRegisters) {
    BnStopClick();
    // A run stopped inside the interrupt service routine must not block interrupts.
    steuerwerk_->ResetInterruptZustand();
    {
        const QSignalBlocker quiet(eInstructionPointer_);
        eInstructionPointer_->setValue(0);
    }
    EInstructionPointerChange();
    steuerwerk_->SetSP(255);
    // A fresh run: nothing before it can be undone, and its counters start at 0.
    ClearJournal();
    ResetRunCounters();
    if (resetRegisters) {
        register_->Reset(true);
        register_->FillGrid();
    }
}

void TFMain::PrepareOutputWindow() {
    const Grid& grid = gridSpeicher_->Adapter();
    const int rows = grid.RowCount();
    for (int r = 1; r < rows; ++r) {
        const std::string text = grid.Cell(2, r);
        if (text.find("OUT") != std::string::npos || text.find("IN") != std::string::npos ||
            text.find("LIESC") != std::string::npos) {
            EnsureOutputWindow()->Clear();
            return;
        }
    }
}

} // namespace tovak
