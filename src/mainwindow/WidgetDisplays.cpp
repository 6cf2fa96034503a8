#include "mainwindow/WidgetDisplays.h"

#include "util/NumberTexts.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace tovak {

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

void LabelDisplay::Defer() {
    if (!noted_) {
        noted_ = true;
        refresh_->Note(*this);
    }
}

void LabelDisplay::SetText(const std::string& text) {
    if (refresh_ != nullptr && refresh_->Deferred()) {
        text_ = text;
        textPending_ = true;
        Defer();
        return;
    }
    if (label_ == nullptr) {
        return;
    }
    const QString t = QString::fromStdString(text);
    if (label_->text() != t) {
        label_->setText(t);
    }
}

void LabelDisplay::SetHint(const std::string& hint) {
    if (refresh_ != nullptr && refresh_->Deferred()) {
        hint_ = hint;
        hintPending_ = true;
        Defer();
        return;
    }
    if (label_ != nullptr) {
        label_->setToolTip(QString::fromStdString(hint));
    }
}

void LabelDisplay::Push() {
    noted_ = false;
    // The pushes themselves must reach the widget, deferred or not.
    DeferredDisplays* refresh = refresh_;
    refresh_ = nullptr;
    if (textPending_) {
        textPending_ = false;
        SetText(text_);
    }
    if (hintPending_) {
        hintPending_ = false;
        SetHint(hint_);
    }
    refresh_ = refresh;
}

void DecimalHexDisplay::SetText(const std::string& text) {
    if (refresh_ != nullptr && refresh_->Deferred()) {
        text_ = text;
        if (!noted_) {
            noted_ = true;
            refresh_->Note(*this);
        }
        return;
    }
    Show(text);
}

void DecimalHexDisplay::Show(const std::string& text) {
    decimal_.SetText(text);
    int n = 0;
    if (StrToIntOk(Trim(text), n)) {
        hex_.SetText(IntToHex0x(n));
    }
}

void DecimalHexDisplay::SetHint(const std::string& hint) {
    decimal_.SetHint(hint);
}

void DecimalHexDisplay::Push() {
    noted_ = false;
    Show(text_);
}

void SpinDisplay::SetNumber(int value) {
    if (seen_) {
        seen_(value);
    }
    if (refresh_ != nullptr && refresh_->Deferred()) {
        value_ = value;
        if (!noted_) {
            noted_ = true;
            refresh_->Note(*this);
        }
        return;
    }
    Show(value);
}

void SpinDisplay::Show(int value) {
    if (spin_ == nullptr) {
        return;
    }
    if (quiet_) {
        const QSignalBlocker block(spin_);
        spin_->setValue(value);
    } else {
        spin_->setValue(value);
    }
}

void SpinDisplay::Push() {
    noted_ = false;
    Show(value_);
    if (pushed_) {
        pushed_();
    }
}

} // namespace tovak
