#include "dialogs/EditJumpAdresse.h"

#include "widgets/SpinEdit.h"

#include <algorithm>

namespace tovak {

namespace {

TValueDialog::Design EditJumpAdresseDesign() {
    const QString title = QStringLiteral("Bearbeiten der Sprungadresse");
    return {
        .caption = title,
        .heading = title,
        .groupTitle = QStringLiteral("Sprungadresse"),
        .client = {424, 260},
        .group = {20, 68, 377, 105},
        .ok = {200, 200},
        .esc = {300, 200},
        .escapeCancels = true,
    };
}

} // namespace

TFEditJumpAdresse::TFEditJumpAdresse(QWidget* parent)
    : TValueDialog(EditJumpAdresseDesign(), parent) {
    setObjectName(QStringLiteral("FEditJumpAdresse"));
    AddLabel("LabelAdresse", QStringLiteral("Adresse (0 bis %1)").arg(kMaxAdresse), {44, 48});
    eRamValue_ = AddSpinEdit("ERamValue", {196, 44, 133, 26}, 0, kMaxAdresse);
}

bool TFEditJumpAdresse::Execute(int adresse) {
    eRamValue_->SetValue(std::clamp(adresse, 0, kMaxAdresse));
    exec();
    return Ok();
}

} // namespace tovak
