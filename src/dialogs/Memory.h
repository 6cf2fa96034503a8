// The memory-status box: the computer's memory figures in ten lines, shown modally.
#pragma once

#include "dialogs/MemoryStatus.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace tovak {

class TFMemory final : public QDialog {
    Q_OBJECT

public:
    explicit TFMemory(QWidget* parent = nullptr);

    // Fills the memo with the current figures and shows the box modally.
    int Init();
    // The filling part of Init.
    void FillMemo(const MemoryStatus& status);

    QPlainTextEdit* Memo1() const { return memo_; }

private:
    QPlainTextEdit* memo_ = nullptr;
    QPushButton* bnOk_ = nullptr;
};

} // namespace tovak
