// The remarks window: edits the program's remark text, which lives in the main window's
// hidden memo and is stored with the program.
//
// Every edit is written into that memo at once and reported to nobody; only closing is
// reported (closed()). So the main window forgets the window exactly when it is gone. The
// window also follows changes made to the memo from elsewhere, so the text it writes back
// when it closes is never older than the memo's.
#pragma once

#include "dialogs/ToolWindow.h"
#include <QPointer>

class QPlainTextEdit;

namespace tovak {

class TFTovakRemark final : public ToolWindow {
    Q_OBJECT

public:
    explicit TFTovakRemark(QWidget* parent = nullptr);

    // Shows the window at the right of the main window (or where the user put it) with the
    // remark text, and edits it from now on.
    void ShowBeside(int mainTop, int mainLeft, int mainWidth, QPlainTextEdit* remarkMemo);

    QPlainTextEdit* Memo1() const { return memo_; }

protected:
    void Closing() override;

private:
    void Memo1Change();
    void RemarkMemoChange();

    QPlainTextEdit* memo_ = nullptr;
    QPointer<QPlainTextEdit> remarkMemo_;
};

} // namespace tovak
