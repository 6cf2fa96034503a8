#include "dialogs/Move.h"

#include "dialogs/OperandChecks.h"
#include "widgets/SpinEdit.h"

#include <QRadioButton>

namespace tovak {

TFMove::TFMove(QWidget* parent)
    : TFKonstanteOderRegister(QStringLiteral("Transportbefehle"), parent) {
    setObjectName(QStringLiteral("FMove"));
    setFont(PlainFont());
    SetFrame({438, 261}, {8, 8, 417, 149}, {236, 172}, {340, 172});

    radioAR_ = AddRadio("RadioAR", 66, 24, 16);
    radioAK_ = AddRadio("RadioAK", 65, 24, 40);
    radioRA_ = AddRadio("RadioRA", 67, 24, 68);
    AddLabel("Label1", QStringLiteral("Konstante"), 244, 52);
    eKonstante_ = AddSpin("EKonstante", {340, 48, 61, 27}, 0, 65535);
    AddLabel("Label2", QStringLiteral("Register"), 244, 84);
    eRegister_ = AddSpin("ERegister", {340, 80, 61, 26}, 0, 127);
    eRegister_->setFont(SystemFont());
    // Both fields line up, also when the constant field had to move left to fit 65535.
    eRegister_->move(eKonstante_->x(), eRegister_->y());

    eRegister_->SetMaxValue(127);
    eKonstante_->SetText(QStringLiteral("0"));
    eRegister_->SetText(QStringLiteral("0"));
    SetRadioButtons();
    radioAR_->setChecked(true);
    ShowDescription(radioAR_);
    eKonstante_->setEnabled(false);
    eRegister_->setEnabled(true);
}

void TFMove::RadioClick(QRadioButton* radio) {
    eKonstante_->setEnabled(radio == radioAK_);
    eRegister_->setEnabled(radio != radioAK_);
    ShowDescription(radio);
}

void TFMove::BnOkayClick() {
    if (radioAK_->isChecked() && !ReadKonstante(eKonstante_->Text(), operand_)) {
        return;
    }
    if ((radioAR_->isChecked() || radioRA_->isChecked()) &&
        !ReadRegister(eRegister_->Text(), operand_)) {
        return;
    }
    TFDialog0::BnOkayClick();
}

} // namespace tovak
