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
            fastOutput_.SetTarget(ausgabe_);
            eaEinheit_->ReplaceAusgabefenster(&fastOutput_);
        }
        displayRefresh_.SetDeferred(true);
        gridSpeicher_->SetDeferred(true);
        gridRegister_->SetDeferred(true);
        return;
    }
    ShowPendingEAHex();
    displayRefresh_.SetDeferred(false);
    gridSpeicher_->SetDeferred(false);
    gridRegister_->SetDeferred(false);
    if (eaEinheit_->GetAusgabefenster() == &fastOutput_) {
        eaEinheit_->ReplaceAusgabefenster(fastOutput_.Target());
    }
    fastOutput_.SetTarget(nullptr);
}

void TFMain::RefreshDeferred() {
    // An output window opened during the run is taken into the buffer too.
    if (ausgabe_ != nullptr && eaEinheit_->GetAusgabefenster() == ausgabe_) {
        fastOutput_.SetTarget(ausgabe_);
        eaEinheit_->ReplaceAusgabefenster(&fastOutput_);
    }
    ShowPendingEAHex();
    displayRefresh_.Flush();
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
