// A spin box that keeps whatever the learner typed: the arrows and the wheel step and clamp
// to the limits, leaving the field clamps a number outside them, and the value of a text that
// is no number is the lower limit. Unlike QSpinBox it never refuses a keystroke, so a value
// confirmed with Enter straight from the field reaches the dialog's own checks unchanged.
#pragma once

#include <QAbstractSpinBox>
#include <QString>

namespace tovak {

class TSpinEdit : public QAbstractSpinBox {
    Q_OBJECT

public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    int MinValue() const { return minValue_; }
    int MaxValue() const { return maxValue_; }
    void SetMinValue(int value) { minValue_ = value; }
    void SetMaxValue(int value) { maxValue_ = value; }
    void SetRange(int minValue, int maxValue);

    // The text read as a decimal integer; MinValue when it is none.
    int Value() const;
    void SetValue(int value);
    QString Text() const;
    void SetText(const QString& text);

    void stepBy(int steps) override;
    // Wide enough for the longer of the two limits.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void TextEdited(const QString& text);

protected:
    StepEnabled stepEnabled() const override;
    QValidator::State validate(QString& input, int& pos) const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int Clamped(long long value) const;

    int minValue_ = 0;
    int maxValue_ = 100;
};

} // namespace tovak
