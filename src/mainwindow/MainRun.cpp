// Run control in the window: the handlers forward to the run controller, and the window
// shows what it decides (controls in edit or run mode, the interrupt request).
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
    connect(run_.get(), &RunController::editModeChanged, this, [this](bool edit) {
        actions_->ShowEditMode(edit);
        diagram_->eaEinheit2->setEnabled(edit);
        diagram_->eInstructionPointer->setEnabled(edit);
    });
    connect(run_.get(), &RunController::interruptChanged, this, [this](bool on) {
        diagram_->imageInterrupt->setVisible(on);
        actions_->ShowInterrupt(on);
    });
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

void TFMain::ShowRunCounters() {
    const TSteuerwerk& steuerwerk = Units().steuerwerk;
    diagram_->ShowRunCounters(steuerwerk.GetBefehlszaehler(), steuerwerk.GetTaktzaehler());
}

} // namespace tovak
