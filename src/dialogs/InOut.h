// The input/output instructions. The register field appears for the register forms and,
// when the setting sends a number read into a register, for "Lies Zahl in E/A-Einheit".
#pragma once

#include "dialogs/Dialog0.h"

#include <functional>

namespace tovak {

class TFInOut final : public TFDialog0 {
    Q_OBJECT

public:
    // liesZahlInRegister reads the setting "LiesZahlInRegister" (0, 1 or 2) when needed.
    explicit TFInOut(std::function<int()> liesZahlInRegister, QWidget* parent = nullptr);

    TSpinEdit* SpRegister() const { return spRegister_; }
    QLabel* LRegister() const { return lRegister_; }

    void BnOkayClick() override;

protected:
    void RadioClick(QRadioButton* radio) override;

private:
    void ShowRegister(bool show);
    bool RegisterForLiesZahl() const;

    std::function<int()> liesZahlInRegister_;
    TSpinEdit* spRegister_ = nullptr;
    QLabel* lRegister_ = nullptr;
};

} // namespace tovak
