// The control instructions: clear carry, return, no operation and the subroutine call with
// its start address.
#pragma once

#include "dialogs/Dialog0.h"

namespace tovak {

class TFSteuerbefehle final : public TFDialog0 {
    Q_OBJECT

public:
    explicit TFSteuerbefehle(QWidget* parent = nullptr);

    TSpinEdit* EAdresse() const { return eAdresse_; }

    void BnOkayClick() override;

protected:
    void RadioClick(QRadioButton* radio) override;

private:
    TSpinEdit* eAdresse_ = nullptr;
};

} // namespace tovak
