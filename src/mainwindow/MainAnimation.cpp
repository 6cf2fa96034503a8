// The display's reaction to a micro-step: bus clips and the grid row the address bus names.
#include "mainwindow/Main.h"
#include "widgets/BusAnimation.h"
#include "widgets/OroGrid.h"

namespace tovak {

int TFMain::OnUpdate() {
    const UpdateResult result = animation_->OnUpdate(steuerwerk_->GetPhase());
    if (result.Row == RowTarget::None) {
        return result.AnimPhase;
    }
    TOroGrid* grid = result.Row == RowTarget::Memory ? gridSpeicher_ : gridRegister_;
    const int row = adressbus_->GetValue() + 1;
    // An address beyond the grid (or no value on the bus) has no row to show.
    if (row >= 1 && row < grid->RowCount()) {
        selectingRow_ = true;
        grid->SetRow(row);
        selectingRow_ = false;
    }
    return result.AnimPhase;
}

void TFMain::StopAnimation() {
    animation_->StopAnimation();
}

} // namespace tovak
