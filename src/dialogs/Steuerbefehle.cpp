#include "dialogs/Steuerbefehle.h"

#include "widgets/SpinEdit.h"

#include <QRadioButton>

namespace tovak {

namespace {

constexpr int kGoSub = 452;

} // namespace

TFSteuerbefehle::TFSteuerbefehle(QWidget* parent)
    : TFDialog0(QStringLiteral("Steuerbefehle"), parent) {
    setObjectName(QStringLiteral("FSteuerbefehle"));
    SetFrame({411, 250}, {8, 8, 377, 145}, {204, 172}, {308, 172});

    AddRadio("RadioCarry", 449, 24, 20);
    AddRadio("RadioGosub", kGoSub, 24, 44);
    AddRadio("RadioIRet", 450, 24, 68);
    AddRadio("RadioNOP", 451, 24, 96);
    AddLabel("Label1", QStringLiteral("Adresse"), 228, 44);
    eAdresse_ = AddSpin("EAdresse", {304, 40, 61, 26}, 0, 255);

    SetRadioButtons();
    QRadioButton* start = Radio(449);
    start->setChecked(true);
    ShowDescription(start);
    eAdresse_->setEnabled(false);
}

void TFSteuerbefehle::RadioClick(QRadioButton* radio) {
    eAdresse_->setEnabled(Tag(radio) == kGoSub);
    ShowDescription(radio);
}

void TFSteuerbefehle::BnOkayClick() {
    TFDialog0::BnOkayClick();
    // Also the disabled field's value: the other instructions ignore their operand.
    operand_ = eAdresse_->Value();
}

} // namespace tovak
