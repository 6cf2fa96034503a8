// The transport instructions: the accumulator from a register or a constant, or into a
// register.
#pragma once

#include "dialogs/KonstanteOderRegister.h"

namespace tovak {

class TFMove final : public TFKonstanteOderRegister {
    Q_OBJECT

public:
    explicit TFMove(QWidget* parent = nullptr);

    void BnOkayClick() override;

protected:
    void RadioClick(QRadioButton* radio) override;

private:
    QRadioButton* radioAR_ = nullptr;
    QRadioButton* radioAK_ = nullptr;
    QRadioButton* radioRA_ = nullptr;
};

} // namespace tovak
