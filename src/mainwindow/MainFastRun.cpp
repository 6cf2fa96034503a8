// The window during "Schnelllauf": the displays are off and note their values, the output
// window is reached through a buffer, and the window shows what was noted about 30 times a
// second and when the run ends.
#include "dialogs/Ausgabe.h"
#include "mainwindow/Main.h"
#include "widgets/OroGrid.h"

namespace tovak {

void TFMain::SetDisplaysDeferred(bool on) {
    if (on) {
        // The output window is reached through the buffer while the run goes on.
        if (ausgabe_ != nullptr && eaEinheit_->GetAusgabefenster() == ausgabe_) {
            machine_->FastOutput().SetTarget(ausgabe_);
            eaEinheit_->ReplaceAusgabefenster(&machine_->FastOutput());
        }
        machine_->Refresh().SetDeferred(true);
        gridSpeicher_->SetDeferred(true);
        gridRegister_->SetDeferred(true);
        return;
    }
    ShowPendingEAHex();
    machine_->Refresh().SetDeferred(false);
    gridSpeicher_->SetDeferred(false);
    gridRegister_->SetDeferred(false);
    if (eaEinheit_->GetAusgabefenster() == &machine_->FastOutput()) {
        eaEinheit_->ReplaceAusgabefenster(machine_->FastOutput().Target());
    }
    machine_->FastOutput().SetTarget(nullptr);
}

void TFMain::RefreshDeferred() {
    // An output window opened during the run is taken into the buffer too.
    if (ausgabe_ != nullptr && eaEinheit_->GetAusgabefenster() == ausgabe_) {
        machine_->FastOutput().SetTarget(ausgabe_);
        eaEinheit_->ReplaceAusgabefenster(&machine_->FastOutput());
    }
    ShowPendingEAHex();
    machine_->Refresh().Flush();
    gridSpeicher_->FlushDeferred();
    gridRegister_->FlushDeferred();
}

StepDecision::Followed TFMain::FollowedRows() const {
    StepDecision::Followed followed;
    followed.memoryRows = gridSpeicher_->RowCount() - 1;
    followed.registerRows = gridRegister_->RowCount() - 1;
    return followed;
}

void TFMain::SelectFollowedRows(int memoryRow, int registerRow) {
    selectingRow_ = true;
    if (memoryRow > 0) {
        gridSpeicher_->SetRow(memoryRow);
    }
    if (registerRow > 0) {
        gridRegister_->SetRow(registerRow);
    }
    selectingRow_ = false;
}

} // namespace tovak
