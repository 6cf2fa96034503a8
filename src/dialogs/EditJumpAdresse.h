// Changes the target address of a jump instruction.
#pragma once

#include "dialogs/ValueDialog.h"

namespace tovak {

class TFEditJumpAdresse final : public TValueDialog {
    Q_OBJECT

public:
    static constexpr int kMaxAdresse = 4000;

    explicit TFEditJumpAdresse(QWidget* parent = nullptr);

    // Shows the address (held to 0..4000) modally and returns Ok.
    bool Execute(int adresse);

    TSpinEdit* ERamValue() const { return eRamValue_; }

private:
    TSpinEdit* eRamValue_ = nullptr;
};

} // namespace tovak
