#include "dialogs/Memory.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>

namespace tovak {

namespace {

// Client area of a window 551 x 466 pixels outside.
constexpr int kClientWidth = 543;
constexpr int kClientHeight = 439;

} // namespace

TFMemory::TFMemory(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FMemory"));
    setWindowTitle(QStringLiteral("Memory Status"));
    setFixedSize(kClientWidth, kClientHeight);

    auto* label = new QLabel(QStringLiteral("Speicherstatus"), this);
    label->setObjectName(QStringLiteral("Label1"));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->adjustSize();
    label->move(20, 24);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setGeometry(20, 48, 509, 329);

    bnOk_ = new QPushButton(QStringLiteral("&Ok"), this);
    bnOk_->setObjectName(QStringLiteral("BnOk"));
    bnOk_->setDefault(true);
    bnOk_->setGeometry(436, 404, 75, 25);
    connect(bnOk_, &QPushButton::clicked, this, &QDialog::accept);
}

void TFMemory::FillMemo(const MemoryStatus& status) {
    const QStringList lines = MemoryStatusLines(status);
    // Tab stops after the widest name and the widest figure put the figures in one column
    // and the explanations beside them; the lines with two tabs go only a little further.
    const QFontMetrics metrics(memo_->font());
    const int gap = metrics.horizontalAdvance(QStringLiteral("00"));
    int names = 0;
    int figures = 0;
    for (const QString& line : lines) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.size() > 2) {
            names = std::max(names, metrics.horizontalAdvance(fields.at(0)));
            figures = std::max(figures, metrics.horizontalAdvance(fields.at(1)));
        }
    }
    const qreal first = names + gap;
    const qreal second = first + figures + gap;
    QTextOption option = memo_->document()->defaultTextOption();
    option.setTabs({QTextOption::Tab(first, QTextOption::LeftTab),
                    QTextOption::Tab(second, QTextOption::LeftTab),
                    QTextOption::Tab(second + 2, QTextOption::LeftTab)});
    memo_->document()->setDefaultTextOption(option);
    memo_->clear();
    for (const QString& line : lines) {
        memo_->appendPlainText(line);
    }
}

int TFMemory::Init() {
    FillMemo(QueryMemoryStatus());
    return exec();
}

} // namespace tovak
