#include "dialogs/Arithmetik.h"

#include "dialogs/OperandChecks.h"
#include "widgets/SpinEdit.h"

#include <QLabel>
#include <QRadioButton>

namespace tovak {

namespace {

// In table order; register forms have odd numbers up to 137, constant forms even ones.
constexpr RadioZeile kRadios[] = {
    {"RadioAddAR", 129, 20},   {"RadioAddAK", 130, 44},   {"RadioSubAR", 131, 80},
    {"RadioSubAK", 132, 104},  {"RadioModAR", 133, 140},  {"RadioModAK", 134, 168},
    {"RadioMultAR", 135, 208}, {"RadioMultAK", 136, 236}, {"RadioDivAR", 137, 272},
    {"RadioDivAK", 138, 300},  {"RadioIInc", 139, 332},   {"RadioIDec", 140, 360},
};

} // namespace

TFArithmetik::TFArithmetik(QWidget* parent)
    : TFKonstanteOderRegister(QStringLiteral("Arithmetikbefehle"), parent) {
    setObjectName(QStringLiteral("FArithmetik"));
    setFont(PlainFont());
    SetFrame({421, 505}, {12, 12, 397, 401}, {216, 424}, {320, 424});

    AddRadios(kRadios, 24);
    AddLabel("Label1", QStringLiteral("Konstante"), 220, 272);
    // The field's own limits stop at 255; OK accepts every 16-bit constant typed in.
    eKonstante_ = AddSpin("EKonstante", {316, 268, 61, 26}, 0, 255);
    AddLabel("Label2", QStringLiteral("Register"), 220, 304);
    eRegister_ = AddSpin("ERegister", {316, 300, 61, 26}, 0, 127);

    eRegister_->SetMaxValue(127);
    eKonstante_->SetText(QStringLiteral("0"));
    eRegister_->SetText(QStringLiteral("0"));
    SetRadioButtons();
    QRadioButton* start = Radio(129);
    start->setChecked(true);
    LStatusBar()->clear();
    ShowDescription(start);
    eKonstante_->setEnabled(false);
}

TFArithmetik::Form TFArithmetik::FormOf(const QRadioButton* radio) const {
    const int befehl = Tag(radio);
    if (befehl >= 139) {
        return Form::Ohne;
    }
    return befehl % 2 == 1 ? Form::Register : Form::Konstante;
}

TFArithmetik::Form TFArithmetik::Selected() const {
    const QRadioButton* checked = CheckedRadio();
    return checked != nullptr ? FormOf(checked) : Form::Ohne;
}

void TFArithmetik::RadioClick(QRadioButton* radio) {
    const Form form = FormOf(radio);
    eKonstante_->setEnabled(form == Form::Konstante);
    eRegister_->setEnabled(form == Form::Register);
    ShowDescription(radio);
}

void TFArithmetik::BnOkayClick() {
    const Form form = Selected();
    if (form == Form::Register && !ReadRegister(eRegister_->Text(), operand_)) {
        return;
    }
    if (form == Form::Konstante && !ReadKonstante(eKonstante_->Text(), operand_)) {
        return;
    }
    TFDialog0::BnOkayClick();
}

} // namespace tovak
