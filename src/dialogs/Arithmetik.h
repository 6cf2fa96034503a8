// The arithmetic instructions: add, subtract, modulo, multiply and divide with a register or
// a constant, increment and decrement.
#pragma once

#include "dialogs/KonstanteOderRegister.h"

namespace tovak {

class TFArithmetik final : public TFKonstanteOderRegister {
    Q_OBJECT

public:
    explicit TFArithmetik(QWidget* parent = nullptr);

    void BnOkayClick() override;

protected:
    void RadioClick(QRadioButton* radio) override;

private:
    enum class Form { Register, Konstante, Ohne };
    Form FormOf(const QRadioButton* radio) const;
    Form Selected() const;
};

} // namespace tovak
