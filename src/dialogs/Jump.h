// The compare and jump instructions: compare the accumulator with a constant or a register,
// or jump to an address. Only the input the chosen instruction needs is shown.
#pragma once

#include "dialogs/KonstanteOderRegister.h"

namespace tovak {

class TFJump final : public TFKonstanteOderRegister {
    Q_OBJECT

public:
    explicit TFJump(QWidget* parent = nullptr);

    TSpinEdit* EAdresse() const { return eAdresse_; }

    void BnOkayClick() override;
    void RCmpConstClick();
    void RCmpRegClick();
    void RJump2AddressClick();

protected:
    void RadioClick(QRadioButton* radio) override;

private:
    void ShowInput(TSpinEdit* input);

    TSpinEdit* eAdresse_ = nullptr;
    QLabel* lKonstante_ = nullptr;
    QLabel* lRegister_ = nullptr;
    QLabel* lAdresse_ = nullptr;
};

} // namespace tovak
