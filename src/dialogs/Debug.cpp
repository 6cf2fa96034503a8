#include "dialogs/Debug.h"

#include "dialogs/ToolWindowParts.h"
#include "util/NumberTexts.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QVBoxLayout>

namespace tovak {

TFDebug::TFDebug(QWidget* parent)
    : ToolWindow(parent, QStringLiteral("FDebug"), QStringLiteral("Setzen der Haltepunkte")) {

    QFrame* panel = MakeTopPanel(this);
    check_ = new QCheckBox(QStringLiteral("Breakpoints An"), panel);
    check_->setObjectName(QStringLiteral("chkBreakpointsOn"));
    check_->setChecked(true);
    check_->setFont(PixelFont({QStringLiteral("DejaVu Sans")}, 16, true));
    auto* panelLayout = new QHBoxLayout(panel);
    panelLayout->setContentsMargins(8, 4, 8, 4);
    panelLayout->addWidget(check_);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setFont(PixelFont({QStringLiteral("DejaVu Sans")}, 16));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(panel);
    layout->addWidget(memo_);

    move(10, 10);
    resize(200, 160);
}

bool TFDebug::IsBreakpoint(int adresse) const {
    if (!check_->isChecked()) {
        return false;
    }
    for (QTextBlock line = memo_->document()->begin(); line.isValid(); line = line.next()) {
        int n = 0;
        if (StrToIntOk(line.text().toStdString(), n) && n == adresse) {
            return true;
        }
    }
    return false;
}

std::vector<int> TFDebug::Haltepunkte() const {
    std::vector<int> adressen;
    if (!check_->isChecked()) {
        return adressen;
    }
    for (QTextBlock line = memo_->document()->begin(); line.isValid(); line = line.next()) {
        int n = 0;
        if (StrToIntOk(line.text().toStdString(), n)) {
            adressen.push_back(n);
        }
    }
    return adressen;
}

void TFDebug::ShowBeside(int mainTop, int mainLeft, int belowTop) {
    ShowAt(mainLeft < 200 ? QPoint(0, belowTop) : QPoint(mainLeft - 200, mainTop));
}

} // namespace tovak
