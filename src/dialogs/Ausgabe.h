// The output window: every value the running program writes to the input/output unit
// appears as one line, and the label at the top shows the latest value.
#pragma once

#include "machine/Displays.h"

#include "dialogs/ToolWindow.h"

class QLabel;
class QPlainTextEdit;

namespace tovak {

class TFAusgabe final : public ToolWindow, public OutputWindow {
    Q_OBJECT

public:
    // The window keeps at most this many lines, the newest.
    static constexpr int kMaxLines = 500000;

    explicit TFAusgabe(QWidget* parent = nullptr);

    void AppendLine(const std::string& line) override;
    void SetLabel(int value) override;
    int Label() const override { return labelValue_; }
    void RemoveLastLine() override;
    void Clear();

    // Shows the window at the right-hand side of the main window, or where the user put it.
    void ShowBeside(int mainTop, int mainLeft, int mainWidth);

    QPlainTextEdit* Memo1() const { return memo_; }
    QLabel* LRadioButton() const { return label_; }

private:
    QLabel* label_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    // Lines appended since the last Clear: an empty first line leaves the text empty, so
    // the text alone cannot tell.
    long long lines_ = 0;
    int labelValue_ = kKeinLabel;
};

} // namespace tovak
