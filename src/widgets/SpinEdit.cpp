#include "widgets/SpinEdit.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <algorithm>
#include <limits>

namespace tovak {

namespace {

// A decimal integer, blanks around it allowed.
bool ReadInteger(const QString& text, int& value) {
    bool ok = false;
    value = text.trimmed().toInt(&ok, 10);
    return ok;
}

} // namespace

TSpinEdit::TSpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setAccelerated(true);
    SetValue(0);
    connect(lineEdit(), &QLineEdit::textEdited, this, &TSpinEdit::TextEdited);
}

void TSpinEdit::SetRange(int minValue, int maxValue) {
    minValue_ = minValue;
    maxValue_ = maxValue;
}

int TSpinEdit::Value() const {
    int value = 0;
    return ReadInteger(Text(), value) ? value : minValue_;
}

void TSpinEdit::SetValue(int value) {
    SetText(QString::number(value));
}

QString TSpinEdit::Text() const {
    return lineEdit()->text();
}

void TSpinEdit::SetText(const QString& text) {
    lineEdit()->setText(text);
}

int TSpinEdit::Clamped(long long value) const {
    if (minValue_ == maxValue_) {
        // Equal limits mean "no limits".
        return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                      std::numeric_limits<int>::max()));
    }
    return static_cast<int>(std::clamp<long long>(value, minValue_, maxValue_));
}

void TSpinEdit::stepBy(int steps) {
    SetValue(Clamped(static_cast<long long>(Value()) + steps));
    selectAll();
    emit TextEdited(Text());
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const {
    if (isReadOnly()) {
        return StepNone;
    }
    return StepUpEnabled | StepDownEnabled;
}

QValidator::State TSpinEdit::validate(QString&, int&) const {
    return QValidator::Acceptable;
}

QSize TSpinEdit::sizeHint() const {
    ensurePolished();
    const QFontMetrics metrics(fontMetrics());
    const int textWidth = std::max(metrics.horizontalAdvance(QString::number(minValue_)),
                                   metrics.horizontalAdvance(QString::number(maxValue_)));
    // Room for a blank and the blinking cursor, as QSpinBox leaves it.
    const QSize contents(textWidth + metrics.horizontalAdvance(QLatin1Char(' ')) + 2,
                         lineEdit()->sizeHint().height());
    QStyleOptionSpinBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_SpinBox, &option, contents, this);
}

QSize TSpinEdit::minimumSizeHint() const {
    return sizeHint();
}

void TSpinEdit::focusOutEvent(QFocusEvent* event) {
    // Another window taking over (a message box, a menu) is no leaving of the field: a
    // rejected value must still stand as typed when the learner comes back.
    const bool leftField =
        event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
    int value = 0;
    if (leftField && ReadInteger(Text(), value) && Clamped(value) != value) {
        SetValue(Clamped(value));
    }
    QAbstractSpinBox::focusOutEvent(event);
}

} // namespace tovak
