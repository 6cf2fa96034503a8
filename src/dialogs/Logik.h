// The logic instructions: AND, OR and XOR with a register or a constant, and NOT. The
// constant may be typed in decimal, hexadecimal or binary, chosen from the field's own menu.
#pragma once

#include "dialogs/Dialog0.h"

#include <cstdint>

namespace tovak {

class TFLogik final : public TFDialog0 {
    Q_OBJECT

public:
    enum : std::uint8_t { Dezimal = 0, Hexadezimal = 1, Binaer = 2 };

    explicit TFLogik(QWidget* parent = nullptr);

    QLineEdit* EKonstante() const { return eKonstante_; }
    TSpinEdit* ERegister() const { return eRegister_; }
    QMenu* PopupMenuZahlensystem() const { return popupMenuZahlensystem_; }
    std::uint8_t Zahlensystem() const { return zahlensystem_; }

    void BnOkayClick() override;
    void LkDezimalsystemClick();
    void LkHexadezimalsystemClick();
    void LkBinaerSystemClick();
    // The group box names the number base while the constant can be typed.
    void ShowZahlensystem();

protected:
    void RadioClick(QRadioButton* radio) override;

private:
    enum class Form { Register, Konstante, Ohne };
    static Form FormOf(const QRadioButton* radio);
    Form Selected() const;
    bool ReadConstant(int& value) const;

    QLineEdit* eKonstante_ = nullptr;
    TSpinEdit* eRegister_ = nullptr;
    QMenu* popupMenuZahlensystem_ = nullptr;
    std::uint8_t zahlensystem_ = Dezimal;
};

} // namespace tovak
