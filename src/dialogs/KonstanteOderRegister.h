// The frame of the instruction dialogs whose operand is a constant or a register number, each
// typed in a spin box of its own.
#pragma once

#include "dialogs/Dialog0.h"

namespace tovak {

class TFKonstanteOderRegister : public TFDialog0 {
public:
    TSpinEdit* EKonstante() const { return eKonstante_; }
    TSpinEdit* ERegister() const { return eRegister_; }

protected:
    using TFDialog0::TFDialog0;

    TSpinEdit* eKonstante_ = nullptr;
    TSpinEdit* eRegister_ = nullptr;
};

} // namespace tovak
