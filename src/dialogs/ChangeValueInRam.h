// Changes the constant or register number that follows an instruction in memory.
#pragma once

#include "dialogs/ValueDialog.h"

class QLabel;

namespace tovak {

class TFChangeValueInRam final : public TValueDialog {
    Q_OBJECT

public:
    explicit TFChangeValueInRam(QWidget* parent = nullptr);

    // Limits the field to 0..maximum, shows the value held to it modally and returns Ok.
    bool Execute(int wert, int maximum);

    QLabel* Label2() const { return label2_; }
    TSpinEdit* ERegValue() const { return eRegValue_; }

private:
    void SetMaximum(int maximum);

    QLabel* label2_ = nullptr;
    TSpinEdit* eRegValue_ = nullptr;
};

} // namespace tovak
