// Run control in the window: the handlers forward to the run controller, and the window
// shows what it decides (controls in edit or run mode, the interrupt request, the output
// window, the panels STOP empties).
#include "dialogs/Ausgabe.h"
#include "dialogs/Debug.h"
#include "mainwindow/Main.h"
#include "widgets/OroGrid.h"

#include <QAction>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QSpinBox>

namespace tovak {

void TFMain::MnProgrammstartClick() {
    run_->StartVon0();
}
void TFMain::BnProgrammReStartClick() {
    run_->StartVonIP();
}
void TFMain::MnEinzelschrittClick() {
    run_->Einzelschritt();
}
void TFMain::MnTaktClick() {
    run_->Takt();
}
void TFMain::Timer1Timer() {
    run_->ClockTick();
}
void TFMain::BnStopClick() {
    run_->Stop();
}
void TFMain::BnInterruptClick() {
    run_->ToggleInterrupt();
}
void TFMain::MnTaktZurueckClick() {
    run_->TaktZurueck();
}
void TFMain::MnSchnelllaufClick() {
    run_->Schnelllauf();
}
void TFMain::SetEditMode(bool edit) {
    run_->SetEditMode(edit);
}
void TFMain::ResetRunState(bool resetRegisters) {
    run_->ResetRunState(resetRegisters);
}

void TFMain::ClearJournal() {
    // The IP spin edit reports changes before the machine exists.
    if (run_ != nullptr) {
        run_->ClearJournal();
    }
}

void TFMain::ConnectRunController() {
    connect(run_.get(), &RunController::editModeChanged, this, &TFMain::ShowEditMode);
    connect(run_.get(), &RunController::interruptChanged, this, &TFMain::ShowInterrupt);
    connect(run_.get(), &RunController::stepBackChanged, actions_.get(),
            &MainActions::ShowTaktZurueck);
    connect(run_.get(), &RunController::countersChanged, this, &TFMain::ShowRunCounters);
    connect(run_.get(), &RunController::runStateChanged, this, [this](const QString& text) {
        if (runStateLabel_->text() != text) {
            runStateLabel_->setText(text);
        }
    });
    runStateLabel_->setText(run_->RunStateText());
}

void TFMain::ShowEditMode(bool edit) {
    actions_->ShowEditMode(edit);
    eaEinheit2_->setEnabled(edit);
    eInstructionPointer_->setEnabled(edit);
}

void TFMain::ShowInterrupt(bool on) {
    imageInterrupt_->setVisible(on);
    actions_->ShowInterrupt(on);
}

void TFMain::ClearRunPanels() {
    for (QLabel* panel : {pAdressBus_, pDatenBus_, pMicrocode_, pBefehlRem_, pBefehl_}) {
        panel->clear();
    }
}

std::vector<int> TFMain::Haltepunkte() const {
    return debug_ != nullptr ? debug_->Haltepunkte() : std::vector<int>{};
}

void TFMain::SelectMemoryRow(int row) {
    selectingRow_ = true;
    gridSpeicher_->SetRow(row);
    selectingRow_ = false;
}

void TFMain::ShowIPZero() {
    {
        const QSignalBlocker quiet(eInstructionPointer_);
        eInstructionPointer_->setValue(0);
    }
    EInstructionPointerChange();
}

void TFMain::ClearOutput() {
    if (ausgabe_ != nullptr) {
        ausgabe_->Clear();
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

int TFMain::AskNumber() {
    return hooks_.numberInput ? hooks_.numberInput() : -1;
}

} // namespace tovak
