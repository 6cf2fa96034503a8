#include "mainwindow/WidgetDisplays.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace tovak {

namespace {

void SetIfChanged(QLabel* label, const std::string& text) {
    const QString t = QString::fromStdString(text);
    if (label->text() != t) {
        label->setText(t);
    }
}

} // namespace

void DeferredDisplays::SetDeferred(bool on) {
    deferred_ = on;
    if (!on) {
        Flush();
    }
}

void DeferredDisplays::Flush() {
    // A push may run an owner's handler that writes again; those writes go straight through
    // or are noted anew, so the list is taken before pushing.
    std::vector<DeferredDisplay*> pending;
    pending.swap(pending_);
    for (DeferredDisplay* display : pending) {
        display->Push();
    }
    if (pending_.empty()) {
        pending.clear();
        pending_.swap(pending); // keeps the capacity for the next round
    }
}

void LabelDisplay::Show(std::int64_t value) {
    if (label_ == nullptr) {
        return;
    }
    SetIfChanged(label_, text_(value));
    if (hint_ != nullptr) {
        const QString hint = QString::fromStdString(hint_(value));
        if (label_->toolTip() != hint) {
            label_->setToolTip(hint);
        }
    }
}

void InstructionLabel::Show(int befehl, std::int64_t operand) {
    if (label_ != nullptr) {
        SetIfChanged(label_, BefehlsanzeigeText(befehl, operand));
    }
}

void SpinDisplay::Show(std::int64_t value) {
    if (spin_ == nullptr) {
        return;
    }
    const int v = static_cast<int>(value);
    if (quiet_) {
        const QSignalBlocker block(spin_);
        spin_->setValue(v);
    } else {
        spin_->setValue(v);
    }
}

} // namespace tovak
