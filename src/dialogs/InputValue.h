// Asks for the number the running program reads into the input/output unit, typed in
// decimal or set bit by bit.
#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace tovak {

class TFInputValue final : public QDialog {
    Q_OBJECT

public:
    explicit TFInputValue(QWidget* parent = nullptr);

    // The accepted number, or -1 when the dialog was cancelled (also after a rejected try).
    int Value() const { return value_; }

    // Shows the dialog modally and returns its value; a proposal (0..65535) stands in the
    // field, selected, ready to be confirmed.
    static int Ask(QWidget* parent, int vorschlag = -1);

    QTabWidget* MainTab() const { return tabs_; }
    QLineEdit* EValue() const { return edit_; }
    // Bit b (0 = least significant, caption "0").
    QCheckBox* Bit(int b) const;
    QPushButton* BnOk() const { return ok_; }
    QPushButton* BnEsc() const { return esc_; }

    void BnOkClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* MakeDecimalPage();
    QWidget* MakeBinaryPage();

    int value_ = -1;
    QTabWidget* tabs_ = nullptr;
    QLineEdit* edit_ = nullptr;
    std::array<QCheckBox*, 8> bits_{};
    QPushButton* ok_ = nullptr;
    QPushButton* esc_ = nullptr;
};

} // namespace tovak
