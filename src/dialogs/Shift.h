// The shift and rotate instructions. One field serves as the shift count of the constant
// forms and of the rotations, and as the register number of the register forms.
#pragma once

#include "dialogs/Dialog0.h"

namespace tovak {

class TFShift final : public TFDialog0 {
    Q_OBJECT

public:
    explicit TFShift(QWidget* parent = nullptr);

    TSpinEdit* EAnzahl() const { return eAnzahl_; }

    void BnOkayClick() override;

protected:
    void RadioClick(QRadioButton* radio) override;

private:
    TSpinEdit* eAnzahl_ = nullptr;
};

} // namespace tovak
