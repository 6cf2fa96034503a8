// Adapters that let the machine units write into the window's widgets through the small
// display interfaces of the machine model.
#pragma once

#include "machine/Displays.h"

#include <QLabel>
#include <QPointer>
#include <QSpinBox>

namespace tovak {

// A value panel: text and tooltip. Unchanged texts are not set again, which keeps the
// per-step repaint cost down during fast runs.
class LabelDisplay final : public TextDisplay {
public:
    explicit LabelDisplay(QLabel* label) : label_(label) {}
    void SetText(const std::string& text) override;
    void SetHint(const std::string& hint) override;

private:
    QPointer<QLabel> label_;
};

// A decimal panel with its hexadecimal twin: the machine writes " " + decimal, and the
// hexadecimal panel follows every change (stack pointer, interrupt service address).
class DecimalHexDisplay final : public TextDisplay {
public:
    DecimalHexDisplay(QLabel* decimal, QLabel* hex) : decimal_(decimal), hex_(hex) {}
    void SetText(const std::string& text) override;
    void SetHint(const std::string& hint) override;

private:
    LabelDisplay decimal_;
    LabelDisplay hex_;
};

// A spin edit showing a number. When quiet, setting the value raises no change signal;
// the owner then reacts through its own callback.
class SpinDisplay final : public NumberDisplay {
public:
    SpinDisplay(QSpinBox* spin, bool quiet) : spin_(spin), quiet_(quiet) {}
    void SetNumber(int value) override;

private:
    QPointer<QSpinBox> spin_;
    bool quiet_;
};

} // namespace tovak
