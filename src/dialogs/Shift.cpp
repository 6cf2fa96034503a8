#include "dialogs/Shift.h"

#include "widgets/SpinEdit.h"

#include <QRadioButton>

namespace tovak {

namespace {

struct Zeile {
    const char* name;
    int befehl;
    int y;
    int maxAnzahl; // the field's upper limit once the instruction is chosen
};

constexpr Zeile kRadios[] = {
    {"RadioSHL", 258, 20, 16},       {"RadioSHL_Reg", 257, 44, 127}, {"RadioSHR", 260, 84, 16},
    {"RadioSHR_Reg", 259, 104, 127}, {"RadioROL", 261, 140, 16},     {"RadioROR", 262, 168, 16},
};

} // namespace

TFShift::TFShift(QWidget* parent) : TFDialog0(QStringLiteral("Schiebebefehle"), parent) {
    setObjectName(QStringLiteral("FShift"));
    setFont(PlainFont());
    SetFrame({427, 335}, {8, 8, 397, 233}, {220, 252}, {324, 252});

    for (const Zeile& zeile : kRadios) {
        AddRadio(zeile.name, zeile.befehl, 24, zeile.y);
    }
    AddLabel("Label1", QStringLiteral("Anzahl"), 252, 160);
    // Until an instruction is clicked the designed limit of 15 holds.
    eAnzahl_ = AddSpin("EAnzahl", {308, 156, 61, 26}, 1, 15);
    eAnzahl_->SetValue(1);

    SetRadioButtons();
    QRadioButton* start = Radio(257);
    start->setChecked(true);
    ShowDescription(start);
}

void TFShift::RadioClick(QRadioButton* radio) {
    for (const Zeile& zeile : kRadios) {
        if (zeile.befehl == Tag(radio)) {
            eAnzahl_->SetMaxValue(zeile.maxAnzahl);
        }
    }
    ShowDescription(radio);
}

void TFShift::BnOkayClick() {
    operand_ = eAnzahl_->Value();
    TFDialog0::BnOkayClick();
}

} // namespace tovak
