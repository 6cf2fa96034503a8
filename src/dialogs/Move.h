// The transport instructions: the accumulator from a register or a constant, or into a
// register.
#pragma once

#include "dialogs/Dialog0.h"

namespace tovak {

class TFMove final : public TFDialog0 {
    Q_OBJECT

public:
    explicit TFMove(QWidget* parent = nullptr);

    TSpinEdit* EKonstante() const { return eKonstante_; }
    TSpinEdit* ERegister() const { return eRegister_; }

    void BnOkayClick() override;

protected:
    void RadioClick(QRadioButton* radio) override;

private:
    QRadioButton* radioAR_ = nullptr;
    QRadioButton* radioAK_ = nullptr;
    QRadioButton* radioRA_ = nullptr;
    TSpinEdit* eKonstante_ = nullptr;
    TSpinEdit* eRegister_ = nullptr;
};

} // namespace tovak
