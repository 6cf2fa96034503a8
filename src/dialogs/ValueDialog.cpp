#include "dialogs/ValueDialog.h"

#include "dialogs/ToolWindowParts.h"
#include "widgets/SpinEdit.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace tovak {

namespace {

const QStringList kFamilies{QStringLiteral("DejaVu Sans")};
constexpr int kTextPixels = 13;
constexpr int kHeadingPixels = 19;
constexpr int kButtonWidth = 97;
constexpr int kButtonHeight = 25;
// Room between a label's text and its field, and around the heading.
constexpr int kLabelGap = 10;
constexpr int kMargin = 24;

} // namespace

TValueDialog::TValueDialog(const Design& design, QWidget* parent)
    : QDialog(parent), design_(design) {
    setWindowTitle(design.caption);
    setFont(PixelFont(kFamilies, kTextPixels));

    heading_ = new QLabel(design.heading, this);
    heading_->setObjectName(QStringLiteral("Label1"));
    heading_->setFont(PixelFont(kFamilies, kHeadingPixels, true));

    group_ = new QGroupBox(design.groupTitle, this);
    group_->setObjectName(QStringLiteral("GroupBox1"));

    bnOk_ = new QPushButton(QStringLiteral("&Ok"), this);
    bnOk_->setObjectName(QStringLiteral("BnOk"));
    bnOk_->setDefault(true);
    bnEsc_ = new QPushButton(QStringLiteral("&Abbrechen"), this);
    bnEsc_->setObjectName(QStringLiteral("BnEsc"));
    connect(bnOk_, &QPushButton::clicked, this, &TValueDialog::BnOkClick);
    connect(bnEsc_, &QPushButton::clicked, this, &TValueDialog::BnEscClick);
}

QLabel* TValueDialog::AddLabel(const char* name, const QString& text, QPoint at) {
    auto* label = new QLabel(text, group_);
    label->setObjectName(QString::fromLatin1(name));
    rows_.push_back({label, at, nullptr, {}});
    return label;
}

void TValueDialog::PlaceField(QWidget* field, QRect at) {
    field->setParent(group_);
    if (!rows_.empty() && rows_.back().field == nullptr) {
        rows_.back().field = field;
        rows_.back().fieldAt = at;
        rows_.back().label->setBuddy(field);
    }
    field->setGeometry(at);
}

TSpinEdit* TValueDialog::AddSpinEdit(const char* name, QRect at, int minValue, int maxValue) {
    auto* edit = new TSpinEdit(group_);
    edit->setObjectName(QString::fromLatin1(name));
    edit->SetRange(minValue, maxValue);
    PlaceField(edit, at);
    valueField_ = edit;
    return edit;
}

int TValueDialog::Value() const {
    if (valueField_ == nullptr) {
        return 0;
    }
    const int lo = valueField_->MinValue();
    const int hi = std::max(lo, valueField_->MaxValue());
    return std::clamp(valueField_->Value(), lo, hi);
}

void TValueDialog::BnOkClick() {
    ok_ = 1;
    accept();
}

void TValueDialog::BnEscClick() {
    reject();
}

void TValueDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !design_.escapeCancels) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TValueDialog::showEvent(QShowEvent* event) {
    // Labels may have changed since creation (the limit the caller gives).
    FitTexts();
    QDialog::showEvent(event);
    if (valueField_ != nullptr) {
        valueField_->setFocus(Qt::OtherFocusReason);
        valueField_->selectAll();
    }
}

void TValueDialog::FitTexts() {
    const QFontMetrics metrics(group_->font());
    int shift = 0;
    for (const Row& row : rows_) {
        if (row.field != nullptr) {
            const int needed =
                row.labelAt.x() + metrics.horizontalAdvance(row.label->text()) + kLabelGap;
            shift = std::max(shift, needed - row.fieldAt.x());
        }
    }
    for (const Row& row : rows_) {
        row.label->adjustSize();
        row.label->move(row.labelAt);
        if (row.field != nullptr) {
            row.field->setGeometry(row.fieldAt.translated(shift, 0));
        }
    }
    group_->setGeometry(design_.group.adjusted(0, 0, shift, 0));

    heading_->adjustSize();
    heading_->move(kMargin, 20);
    const int buttonHeight = std::max(kButtonHeight, bnOk_->sizeHint().height());
    bnOk_->setGeometry(design_.ok.x() + shift, design_.ok.y(), kButtonWidth, buttonHeight);
    bnEsc_->setGeometry(design_.esc.x() + shift, design_.esc.y(), kButtonWidth, buttonHeight);

    const int width =
        std::max({design_.client.width() + shift, heading_->geometry().right() + kMargin,
                  bnEsc_->geometry().right() + kMargin});
    const int height = std::max(design_.client.height(), bnEsc_->geometry().bottom() + kMargin);
    setFixedSize(width, height);
}

} // namespace tovak
