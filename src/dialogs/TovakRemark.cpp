#include "dialogs/TovakRemark.h"

#include "dialogs/ToolWindowParts.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace tovak {

TFTovakRemark::TFTovakRemark(QWidget* parent)
    : ToolWindow(parent, QStringLiteral("FTovakRemark"), QStringLiteral("Programm - Bemerkungen")) {

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    // Long lines wrap at word boundaries on the screen; the text keeps its lines.
    memo_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    memo_->setFont(PixelFont({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")}, 16));
    QPalette memoPal = memo_->palette();
    memoPal.setColor(QPalette::Base, QColor(253, 254, 235));
    memo_->setPalette(memoPal);
    connect(memo_, &QPlainTextEdit::textChanged, this, &TFTovakRemark::Memo1Change);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo_);

    // Until ShowBeside places it: the lower right of the screen.
    constexpr int kWidth = 269;
    constexpr int kHeight = 186;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.width() - kWidth - 10, area.height() - kHeight - 250);
    }
    resize(kWidth, kHeight);
}

void TFTovakRemark::ShowBeside(int mainTop, int mainLeft, int mainWidth,
                               QPlainTextEdit* remarkMemo) {
    if (remarkMemo_ != nullptr) {
        remarkMemo_->disconnect(this);
    }
    remarkMemo_ = remarkMemo;
    if (remarkMemo_ != nullptr) {
        memo_->setPlainText(remarkMemo_->toPlainText());
        connect(remarkMemo_, &QPlainTextEdit::textChanged, this, &TFTovakRemark::RemarkMemoChange);
    }
    ShowAt(QPoint(mainLeft + mainWidth - 350, mainTop + 350));
}

void TFTovakRemark::Memo1Change() {
    if (remarkMemo_ != nullptr && remarkMemo_->toPlainText() != memo_->toPlainText()) {
        remarkMemo_->setPlainText(memo_->toPlainText());
    }
}

void TFTovakRemark::RemarkMemoChange() {
    if (remarkMemo_ != nullptr && remarkMemo_->toPlainText() != memo_->toPlainText()) {
        memo_->setPlainText(remarkMemo_->toPlainText());
    }
}

void TFTovakRemark::Closing() {
    Memo1Change();
    if (remarkMemo_ != nullptr) {
        remarkMemo_->disconnect(this);
    }
}

} // namespace tovak
