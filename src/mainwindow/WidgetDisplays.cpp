#include "mainwindow/WidgetDisplays.h"

#include "util/NumberTexts.h"

#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

namespace tovak {

void LabelDisplay::SetText(const std::string& text) {
    if (label_ == nullptr) {
        return;
    }
    const QString t = QString::fromStdString(text);
    if (label_->text() != t) {
        label_->setText(t);
    }
}

void LabelDisplay::SetHint(const std::string& hint) {
    if (label_ != nullptr) {
        label_->setToolTip(QString::fromStdString(hint));
    }
}

void DecimalHexDisplay::SetText(const std::string& text) {
    decimal_.SetText(text);
    int n = 0;
    if (StrToIntOk(Trim(text), n)) {
        hex_.SetText(IntToHex0x(n));
    }
}

void DecimalHexDisplay::SetHint(const std::string& hint) {
    decimal_.SetHint(hint);
}

void SpinDisplay::SetNumber(int value) {
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

} // namespace tovak
