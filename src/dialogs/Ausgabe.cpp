#include "dialogs/Ausgabe.h"

#include "dialogs/ToolWindowParts.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

namespace tovak {

TFAusgabe::TFAusgabe(QWidget* parent)
    : ToolWindow(parent, QStringLiteral("FAusgabe"), QStringLiteral("Ausgabe der E / A-Einheit")) {

    QFrame* panel = MakeTopPanel(this);
    label_ = new QLabel(QString::fromStdString(AusgabeLabelText(kKeinLabel)), panel);
    label_->setObjectName(QStringLiteral("LRadioButton"));
    label_->setFont(PixelFont(
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")},
        19, true));
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(12, 4, 8, 4);
    panelLayout->addWidget(label_);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setReadOnly(true);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    memo_->setFont(PixelFont({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}, 16));
    // Every line a lesson writes stays readable; only a program that runs on and on loses
    // its oldest lines, so that it cannot take the whole memory (a line costs about half a
    // kilobyte here).
    memo_->setMaximumBlockCount(kMaxLines);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addWidget(memo_);

    resize(269, 286);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.width() - 269 - 10, area.height() - 286 - 50);
    }
}

void TFAusgabe::AppendLine(const std::string& line) {
    memo_->appendPlainText(QString::fromStdString(line));
    // A fast run hands over many lines at once.
    lines_ =
        std::min<long long>(lines_ + 1 + std::count(line.begin(), line.end(), '\n'), kMaxLines);
}

void TFAusgabe::SetLabel(int value) {
    labelValue_ = value;
    label_->setText(QString::fromStdString(AusgabeLabelText(value)));
}

void TFAusgabe::RemoveLastLine() {
    if (lines_ == 0) {
        return;
    }
    if (--lines_ == 0) {
        memo_->clear();
        return;
    }
    // The last block and the line break before it.
    QTextCursor cursor(memo_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
    cursor.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void TFAusgabe::Clear() {
    memo_->clear();
    lines_ = 0;
}

void TFAusgabe::ShowBeside(int mainTop, int mainLeft, int mainWidth) {
    ShowAt(QPoint(mainLeft + mainWidth - 280, mainTop + 250));
}

} // namespace tovak
