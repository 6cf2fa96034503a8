// The arithmetic instructions: add, subtract, modulo, multiply and divide with a register or
// a constant, increment and decrement.
#pragma once

#include "dialogs/Dialog0.h"

namespace tovak {

class TFArithmetik final : public TFDialog0 {
    Q_OBJECT

public:
    explicit TFArithmetik(QWidget* parent = nullptr);

    TSpinEdit* EKonstante() const { return eKonstante_; }
    TSpinEdit* ERegister() const { return eRegister_; }

    void BnOkayClick() override;

protected:
    void RadioClick(QRadioButton* radio) override;

private:
    enum class Form { Register, Konstante, Ohne };
    Form FormOf(const QRadioButton* radio) const;
    Form Selected() const;

    TSpinEdit* eKonstante_ = nullptr;
    TSpinEdit* eRegister_ = nullptr;
};

} // namespace tovak
