#include "dialogs/InputValue.h"

#include "dialogs/ToolWindowParts.h"
#include "util/MessageBoxes.h"
#include "util/NumberTexts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tovak {

namespace {
// The input/output unit holds a 16-bit word.
constexpr int kMaxValue = 65535;

const QStringList kFamilies{QStringLiteral("DejaVu Sans")};
// Somewhat larger than a desktop dialog: the class reads it from the projector.
constexpr int kTextPixels = 16;
constexpr int kHeadingPixels = 22;
} // namespace

TFInputValue::TFInputValue(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FInputValue"));
    setWindowTitle(QStringLiteral("Eingabe eines Wertes für E/A-Wert"));
    setFont(PixelFont(kFamilies, kTextPixels));

    auto* heading = new QLabel(QStringLiteral("Eingabe eines Wertes für E/A-Wert"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    heading->setFont(PixelFont(kFamilies, kHeadingPixels, true));

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("MainTab"));
    tabs_->addTab(MakeDecimalPage(), QStringLiteral("Dezimalwert"));
    tabs_->addTab(MakeBinaryPage(), QStringLiteral("Binärwert"));
    tabs_->setCurrentIndex(0);

    ok_ = new QPushButton(QStringLiteral("&Ok"), this);
    ok_->setObjectName(QStringLiteral("BnOk"));
    ok_->setDefault(true);
    esc_ = new QPushButton(QStringLiteral("&Abbrechen"), this);
    esc_->setObjectName(QStringLiteral("BnEsc"));
    esc_->setMinimumWidth(97);
    ok_->setMinimumWidth(97);
    connect(ok_, &QPushButton::clicked, this, &TFInputValue::BnOkClick);
    connect(esc_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(esc_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(16);
    layout->addWidget(heading);
    layout->addWidget(tabs_);
    layout->addStretch();
    layout->addLayout(buttons);

    resize(556, 346);
    edit_->setFocus();
}

QWidget* TFInputValue::MakeDecimalPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet1"));
    auto* label = new QLabel(QStringLiteral("Neuer Wert für die E/A-Einheit"), page);
    label->setObjectName(QStringLiteral("Label3"));
    edit_ = new QLineEdit(page);
    edit_->setObjectName(QStringLiteral("EValue"));
    label->setBuddy(edit_);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 24, 16, 16);
    layout->addWidget(label);
    layout->addWidget(edit_);
    layout->addStretch();
    return page;
}

QWidget* TFInputValue::MakeBinaryPage() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabSheet2"));
    auto* label = new QLabel(QStringLiteral("Neuer Wert für die E/A-Einheit"), page);
    label->setObjectName(QStringLiteral("Label2"));
    auto* bitsLabel = new QLabel(QStringLiteral("Bits: "), page);
    bitsLabel->setObjectName(QStringLiteral("Label4"));

    auto* row = new QHBoxLayout;
    row->setSpacing(14);
    row->addWidget(bitsLabel);
    // Bit 7 leftmost, as the number is written.
    for (int b = 7; b >= 0; --b) {
        auto* box = new QCheckBox(QString::number(b), page);
        box->setObjectName(QStringLiteral("chk%1").arg(b));
        bits_[static_cast<std::size_t>(b)] = box;
        row->addWidget(box);
    }
    row->addStretch();

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 24, 16, 16);
    layout->addWidget(label);
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

QCheckBox* TFInputValue::Bit(int b) const {
    return b >= 0 && b < 8 ? bits_[static_cast<std::size_t>(b)] : nullptr;
}

void TFInputValue::BnOkClick() {
    int value = 0;
    if (tabs_->currentIndex() == 0) {
        if (!StrToIntOk(Trim(edit_->text().toStdString()), value)) {
            ShowWarningBox("Hinweis", "Bitte einen Wert eingeben");
            edit_->setFocus();
            return;
        }
        // The check allows the whole 16-bit word; the message keeps the program's own text.
        if (value < 0 || value > kMaxValue) {
            ShowWarningBox("Hinweis", "Bitte einen Wert zwischen 0 und 255 eingeben");
            edit_->setFocus();
            return;
        }
    } else {
        for (int b = 0; b < 8; ++b) {
            if (bits_[static_cast<std::size_t>(b)]->isChecked()) {
                value += 1 << b;
            }
        }
    }
    value_ = value;
    accept();
}

void TFInputValue::keyPressEvent(QKeyEvent* event) {
    // A stray Escape must not abort the running program; cancelling takes the button.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

int TFInputValue::Ask(QWidget* parent, int vorschlag) {
    TFInputValue dialog(parent);
    if (vorschlag >= 0) {
        dialog.edit_->setText(QString::number(vorschlag));
        dialog.edit_->selectAll();
    }
    dialog.exec();
    return dialog.result() == QDialog::Accepted ? dialog.Value() : -1;
}

} // namespace tovak
