// Adapters that let the machine units write into the window's widgets through the small
// display interfaces of the machine model.
#pragma once

#include "machine/Displays.h"

#include <QLabel>
#include <QPointer>
#include <QSpinBox>

#include <functional>
#include <string>
#include <vector>

namespace tovak {

// An adapter whose widget can lag behind the machine until the next window refresh.
class DeferredDisplay {
public:
    virtual ~DeferredDisplay() = default;
    // Brings the widget up to the last value written.
    virtual void Push() = 0;
};

// The switch shared by the adapters of one window. While deferred, a write only keeps the
// value and notes the adapter; Flush pushes the noted ones. A fast run writes millions of
// values a second, far more than widgets can take or anyone can read.
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

// A value panel: text and tooltip. Unchanged texts are not set again, which keeps the
// per-step repaint cost down during fast runs.
class LabelDisplay final : public TextDisplay, private DeferredDisplay {
public:
    explicit LabelDisplay(QLabel* label, DeferredDisplays* refresh = nullptr)
        : label_(label), refresh_(refresh) {}
    void SetText(const std::string& text) override;
    void SetHint(const std::string& hint) override;

private:
    void Push() override;
    void Defer();

    QPointer<QLabel> label_;
    DeferredDisplays* refresh_;
    std::string text_;
    std::string hint_;
    bool textPending_ = false;
    bool hintPending_ = false;
    bool noted_ = false;
};

// A decimal panel with its hexadecimal twin: the machine writes " " + decimal, and the
// hexadecimal panel follows every change (stack pointer, interrupt service address).
class DecimalHexDisplay final : public TextDisplay, private DeferredDisplay {
public:
    DecimalHexDisplay(QLabel* decimal, QLabel* hex, DeferredDisplays* refresh = nullptr)
        : decimal_(decimal), hex_(hex), refresh_(refresh) {}
    void SetText(const std::string& text) override;
    void SetHint(const std::string& hint) override;

private:
    void Push() override;
    void Show(const std::string& text);

    LabelDisplay decimal_;
    LabelDisplay hex_;
    DeferredDisplays* refresh_;
    std::string text_;
    bool noted_ = false;
};

// A spin edit showing a number. When quiet, setting the value raises no change signal;
// the owner then reacts through its own callback, and after a deferred push through
// pushed. An owner that must see every value, also those a deferred push skips, sets
// SetEveryValue.
class SpinDisplay final : public NumberDisplay, private DeferredDisplay {
public:
    SpinDisplay(QSpinBox* spin, bool quiet, DeferredDisplays* refresh = nullptr,
                std::function<void()> pushed = {})
        : spin_(spin), quiet_(quiet), refresh_(refresh), pushed_(std::move(pushed)) {}
    void SetNumber(int value) override;
    void SetEveryValue(std::function<void(int)> seen) { seen_ = std::move(seen); }

private:
    void Push() override;
    void Show(int value);

    QPointer<QSpinBox> spin_;
    bool quiet_;
    DeferredDisplays* refresh_;
    std::function<void()> pushed_;
    std::function<void(int)> seen_;
    int value_ = 0;
    bool noted_ = false;
};

} // namespace tovak
