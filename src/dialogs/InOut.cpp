#include "dialogs/InOut.h"

#include "machine/Encoder.h"
#include "widgets/SpinEdit.h"

#include <QLabel>
#include <QRadioButton>

namespace tovak {

namespace {

constexpr int kLiesZahl = 390;

constexpr RadioZeile kRadios[] = {
    {"RadioLiesZahl", kLiesZahl, 20}, {"RadioInA", 385, 52},     {"RadioInReg", 386, 80},
    {"RadioOutA", 387, 112},          {"RadioOutReg", 388, 144}, {"RadioOutNL", 389, 172},
};

} // namespace

TFInOut::TFInOut(std::function<int()> liesZahlInRegister, QWidget* parent)
    : TFDialog0(QStringLiteral("E/A Befehle"), parent),
      liesZahlInRegister_(std::move(liesZahlInRegister)) {
    setObjectName(QStringLiteral("FInOut"));
    SetFrame({415, 330}, {8, 8, 397, 217}, {216, 248}, {320, 248});

    AddRadios(kRadios, 24);
    lRegister_ = AddLabel("LRegister", QStringLiteral("Register"), 244, 172);
    spRegister_ = AddSpin("spRegister", {316, 168, 53, 26}, 0, 127);

    SetRadioButtons();
    QRadioButton* start = Radio(kLiesZahl);
    start->setChecked(true);
    ShowDescription(start);
    spRegister_->SetMaxValue(127);
    ShowRegister(RegisterForLiesZahl());
}

bool TFInOut::RegisterForLiesZahl() const {
    return liesZahlInRegister_ && liesZahlInRegister_() == LiesZahlInRegister;
}

void TFInOut::ShowRegister(bool show) {
    spRegister_->setVisible(show);
    lRegister_->setVisible(show);
}

void TFInOut::RadioClick(QRadioButton* radio) {
    switch (Tag(radio)) {
    case kLiesZahl:
        ShowRegister(RegisterForLiesZahl());
        break;
    case 386:
    case 388:
        ShowRegister(true);
        break;
    default:
        ShowRegister(false);
        break;
    }
    ShowDescription(radio);
}

void TFInOut::BnOkayClick() {
    TFDialog0::BnOkayClick();
    // Without the register field the operand stays 0.
    if (spRegister_->isVisibleTo(this)) {
        operand_ = spRegister_->Value();
    }
}

} // namespace tovak
