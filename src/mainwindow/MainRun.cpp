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

std::vector<int> TFMain::Breakpoints() const {
    // Only a continuous run stops at them.
    if (debug_ == nullptr || !decision_->Continuous()) {
        return {};
    }
    return debug_->Haltepunkte();
}

void TFMain::MnTaktClick() {
    if (animPhase_ != 0) {
        StopAnimation();
    }
    // The number input is modal: the clock must not tick while it asks.
    const bool input = decision_->AsksForNumber();
    if (input) {
        ClockOff();
    }
    NoteJournalStart();
    const StepResult result = decision_->Tick(Breakpoints());
    if (AfterStep(result) && input && decision_->Continuous()) {
        ClockOn();
    }
}

bool TFMain::AfterStep(StepResult result) {
    switch (result) {
    case StepResult::Input: // only a fast run stops before it
        return false;
    case StepResult::Stalled:
        ClockOff();
        return false;
    case StepResult::Breakpoint:
        breakAt_ = decision_->LastBreakIP();
        ClockOff();
        return false;
    case StepResult::Threw:
        // The unfinished step stalls the run: the next tick switches the clock off.
        ScheduleRunStateUpdate();
        try {
            std::rethrow_exception(decision_->Exception());
        } catch (const std::exception& e) {
            ShowFehler(e);
        }
        UpdateTaktZurueck();
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
    OnUpdate();
    if (result != StepResult::Performed) {
        StopRun(result);
    }
    ShowRunCounters();
    UpdateTaktZurueck();
    return result == StepResult::Performed;
}

void TFMain::StopRun(StepResult result) {
    ClockOff();
    SetEditMode(true);
    animPhase_ = 0;
    StopAnimation();
    if (result == StepResult::CpuStop) {
        return;
    }
    const std::string meldung = Fehlermeldung(steuerwerk_->GetFehler());
    if (!meldung.empty()) {
        ShowErrorBox("Fehler", meldung);
    }
    decision_->ResetCycle([this] { SelectMemoryRowAndIP(1); });
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
    decision_->Start(true);
    SetEditMode(false);
    animPhase_ = 1;
    PrepareOutputWindow();
    decision_->ForgetBreakpoint();
    MnTaktClick();
    // A breakpoint at address 0 or an error in the first step has already ended the
    // continuous run; the clock must not revive it.
    if (decision_->Continuous()) {
        ClockOn();
    }
}

void TFMain::BnProgrammReStartClick() {
    decision_->Start(true);
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
    decision_->Start(false);
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
    // The texts of the memory grid's "Befehl / Daten" column.
    for (int a = 0; a < speicher_->GetCount(); ++a) {
        const std::string text = speicher_->Zelltext(a);
        if (text.find("OUT") != std::string::npos || text.find("IN") != std::string::npos ||
            text.find("LIESC") != std::string::npos) {
            EnsureOutputWindow()->Clear();
            return;
        }
    }
}

} // namespace tovak
