#include "dialogs/ChangeValueInRam.h"

#include "widgets/SpinEdit.h"

#include <QLabel>

#include <algorithm>

namespace tovak {

namespace {

constexpr int kMaxWort = 65535;

TValueDialog::Design ChangeValueInRamDesign() {
    // The window shares its title with the jump-address dialog; the heading tells them apart.
    return {
        .caption = QStringLiteral("Bearbeiten der Sprungadresse"),
        .heading = QStringLiteral("Bearbeiten der Konstante / Register"),
        .groupTitle = QStringLiteral("Datenwert"),
        .client = {424, 260},
        .group = {20, 68, 377, 105},
        .ok = {200, 200},
        .esc = {300, 200},
        .escapeCancels = false,
    };
}

} // namespace

TFChangeValueInRam::TFChangeValueInRam(QWidget* parent)
    : TValueDialog(ChangeValueInRamDesign(), parent) {
    setObjectName(QStringLiteral("FChangeValueInRam"));
    label2_ = AddLabel("Label2", {}, {44, 48});
    eRegValue_ = AddSpinEdit("ERegValue", {196, 44, 133, 26}, 0, kMaxWort);
    SetMaximum(kMaxWort);
}

void TFChangeValueInRam::SetMaximum(int maximum) {
    // Equal limits would switch the spin edit's clamping off; 0..0 is held by Value().
    const int limit = std::max(0, maximum);
    label2_->setText(QStringLiteral("Adresse (0 bis %1)").arg(limit));
    eRegValue_->SetMaxValue(limit);
}

bool TFChangeValueInRam::Execute(int wert, int maximum) {
    SetMaximum(maximum);
    eRegValue_->SetValue(std::clamp(wert, 0, eRegValue_->MaxValue()));
    exec();
    return Ok();
}

} // namespace tovak
