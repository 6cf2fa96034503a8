// Adapters that let the machine units show their values in the window's widgets through the
// small display interfaces of the machine model. A widget's text is made from the value when
// it is set, with the text function the adapter was made with; a fast run switches the
// machine's displays off and shows its values a few times a second.
#pragma once

#include "machine/Anzeigetexte.h"
#include "machine/Displays.h"

#include <QLabel>
#include <QPointer>
#include <QSpinBox>

#include <functional>
#include <string>
#include <vector>

namespace tovak {

// An adapter whose widget can lag behind until the next window refresh.
class DeferredDisplay {
public:
    virtual ~DeferredDisplay() = default;
    // Brings the widget up to the last value written.
    virtual void Push() = 0;
};

// The switch shared by the deferring adapters of one window (the output window's buffer).
// While deferred, a write only keeps what was written and notes the adapter; Flush pushes
// the noted ones.
class DeferredDisplays {
public:
    bool Deferred() const { return deferred_; }
    // Switching off pushes what is still pending.
    void SetDeferred(bool on);
    void Flush();
    void Note(DeferredDisplay& display) { pending_.push_back(&display); }

private:
    bool deferred_ = false;
    std::vector<DeferredDisplay*> pending_;
};

// A value panel: its text and tooltip made from the value. Unchanged texts are not set again.
class LabelDisplay final : public ValueDisplay {
public:
    LabelDisplay(QLabel* label, TextFunktion text, TextFunktion hint = nullptr)
        : label_(label), text_(text), hint_(hint) {}
    void Show(std::int64_t value) override;

private:
    QPointer<QLabel> label_;
    TextFunktion text_;
    TextFunktion hint_;
};

// The instruction panel: instruction and operand.
class InstructionLabel final : public InstructionDisplay {
public:
    explicit InstructionLabel(QLabel* label) : label_(label) {}
    void Show(int befehl, std::int64_t operand) override;

private:
    QPointer<QLabel> label_;
};

// A decimal panel with its hexadecimal twin (stack pointer, interrupt service address): " "
// and the decimal value, and "0x...." beside it.
class DecimalHexDisplay final : public ValueDisplay {
public:
    DecimalHexDisplay(QLabel* decimal, QLabel* hex)
        : decimal_(decimal, BlankDezimalText), hex_(hex, HexText) {}
    void Show(std::int64_t value) override {
        decimal_.Show(value);
        hex_.Show(value);
    }

private:
    LabelDisplay decimal_;
    LabelDisplay hex_;
};

// Values handed to a function (a display that only takes note).
class CallbackDisplay final : public ValueDisplay {
public:
    explicit CallbackDisplay(std::function<void(std::int64_t)> seen) : seen_(std::move(seen)) {}
    void Show(std::int64_t value) override { seen_(value); }

private:
    std::function<void(std::int64_t)> seen_;
};

// A spin edit showing a number. When quiet, setting the value raises no change signal; the
// owner then reacts through its own callback.
class SpinDisplay final : public ValueDisplay {
public:
    SpinDisplay(QSpinBox* spin, bool quiet) : spin_(spin), quiet_(quiet) {}
    void Show(std::int64_t value) override;

private:
    QPointer<QSpinBox> spin_;
    bool quiet_;
};

} // namespace tovak
