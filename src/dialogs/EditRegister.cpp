#include "dialogs/EditRegister.h"

#include "widgets/SpinEdit.h"

#include <QLineEdit>

#include <algorithm>

namespace tovak {

namespace {

TValueDialog::Design EditRegisterDesign() {
    const QString title = QStringLiteral("Eingabe des Registerwertes und des Namens");
    return {
        .caption = title,
        .heading = title,
        .groupTitle = QStringLiteral("Werte"),
        .client = {483, 327},
        .group = {20, 68, 433, 181},
        .ok = {256, 280},
        .esc = {356, 280},
        .escapeCancels = false,
    };
}

} // namespace

TFEditRegister::TFEditRegister(QWidget* parent) : TValueDialog(EditRegisterDesign(), parent) {
    setObjectName(QStringLiteral("FEditRegister"));
    AddLabel("Label2", QStringLiteral("Inhalt (0 bis 65535)"), {44, 48});
    eRegValue_ = AddSpinEdit("ERegValue", {168, 44, 201, 26}, 0, kMaxWert);
    AddLabel("Label3", QStringLiteral("Kommentar"), {44, 112});
    eComment_ = new QLineEdit;
    eComment_->setObjectName(QStringLiteral("EComment"));
    PlaceField(eComment_, {168, 108, 200, 24});
}

bool TFEditRegister::Execute(int wert, const QString& kommentar) {
    eRegValue_->SetValue(std::clamp(wert, 0, kMaxWert));
    eComment_->setText(kommentar);
    exec();
    return Ok();
}

QString TFEditRegister::Kommentar() const {
    return eComment_->text();
}

} // namespace tovak
