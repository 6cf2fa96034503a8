#include "dialogs/Jump.h"

#include "widgets/SpinEdit.h"

#include <QLabel>
#include <QRadioButton>

namespace tovak {

namespace {

constexpr RadioZeile kRadios[] = {
    {"RCmpConst", 322, 24}, {"RCmpReg", 321, 48}, {"RJump", 323, 80}, {"RJZ", 324, 112},
    {"RJNZ", 325, 140},     {"RJS", 326, 180},    {"RJNS", 327, 208}, {"RJL", 328, 244},
    {"RJLE", 329, 272},     {"RJG", 330, 304},    {"RJGE", 331, 332}, {"RJC", 332, 372},
    {"RJNC", 333, 400},     {"RJP", 334, 444},    {"RJNP", 335, 472},
};

constexpr int kInputX = 404;
constexpr int kInputTop = 27;
constexpr int kLabelX = 328;
constexpr int kLabelTop = 32;

} // namespace

TFJump::TFJump(QWidget* parent) : TFKonstanteOderRegister(QStringLiteral("Sprungbefehle"), parent) {
    setObjectName(QStringLiteral("FJump"));
    setFont(PlainFont());
    SetFrame({499, 640}, {12, 12, 477, 521}, {296, 552}, {400, 552});

    AddRadios(kRadios, 24);
    // The three inputs share one place; the chosen instruction shows its own.
    lKonstante_ = AddLabel("lKonstante", QStringLiteral("Konstante"), kLabelX, kLabelTop);
    eKonstante_ = AddSpin("EKonstante", {kInputX, kInputTop, 61, 26}, 0, 65535);
    lRegister_ = AddLabel("lRegister", QStringLiteral("Register"), kLabelX, kLabelTop);
    eRegister_ = AddSpin("ERegister", {kInputX, kInputTop, 61, 26}, 0, 127);
    lAdresse_ = AddLabel("lAdresse", QStringLiteral("Adresse"), kLabelX, kLabelTop);
    eAdresse_ = AddSpin("EAdresse", {kInputX, kInputTop, 61, 26}, 0, 4000);
    // The constant field may have moved left to fit 65535; the others and the labels follow.
    const int shift = kInputX - eKonstante_->x();
    for (QWidget* part : std::initializer_list<QWidget*>{eRegister_, eAdresse_}) {
        part->move(eKonstante_->x(), kInputTop);
    }
    for (QLabel* label : {lKonstante_, lRegister_, lAdresse_}) {
        label->move(kLabelX - shift, kLabelTop);
    }

    SetRadioButtons();
    QRadioButton* start = Radio(323);
    start->setChecked(true);
    ShowDescription(start);
    eAdresse_->SetMaxValue(4000);
    eRegister_->SetMaxValue(127);
    ShowInput(eAdresse_);
}

void TFJump::ShowInput(TSpinEdit* input) {
    eKonstante_->setVisible(input == eKonstante_);
    lKonstante_->setVisible(input == eKonstante_);
    eRegister_->setVisible(input == eRegister_);
    lRegister_->setVisible(input == eRegister_);
    eAdresse_->setVisible(input == eAdresse_);
    lAdresse_->setVisible(input == eAdresse_);
}

void TFJump::RCmpConstClick() {
    ShowInput(eKonstante_);
}

void TFJump::RCmpRegClick() {
    ShowInput(eRegister_);
}

void TFJump::RJump2AddressClick() {
    ShowInput(eAdresse_);
}

void TFJump::RadioClick(QRadioButton* radio) {
    // The status line keeps the text it got when the dialog opened.
    switch (Tag(radio)) {
    case 322:
        RCmpConstClick();
        break;
    case 321:
        RCmpRegClick();
        break;
    default:
        RJump2AddressClick();
        break;
    }
}

void TFJump::BnOkayClick() {
    operand_ = eAdresse_->Value();
    if (eKonstante_->isVisibleTo(this)) {
        operand_ = eKonstante_->Value();
    }
    if (eRegister_->isVisibleTo(this)) {
        operand_ = eRegister_->Value();
    }
    TFDialog0::BnOkayClick();
}

} // namespace tovak
