// The breakpoint window: the user types one decimal address per line; run control asks
// whether the instruction pointer has reached one of them.
#pragma once

#include "dialogs/ToolWindow.h"

#include <vector>

class QCheckBox;
class QPlainTextEdit;

namespace tovak {

class TFDebug final : public ToolWindow {
    Q_OBJECT

public:
    explicit TFDebug(QWidget* parent = nullptr);

    // True when the box is checked and some line reads as this address.
    bool IsBreakpoint(int adresse) const;
    // Every address that IsBreakpoint accepts now; empty when the box is unchecked.
    std::vector<int> Haltepunkte() const;

    // Shows the window left of the main window, or where the user put it. Without room there it
    // goes to the screen edge (left 0), below belowTop, the bottom of the main window's menus and
    // toolbar, so that it covers none of them.
    void ShowBeside(int mainTop, int mainLeft, int belowTop);

    QPlainTextEdit* Memo1() const { return memo_; }
    QCheckBox* chkBreakpointsOn() const { return check_; }

private:
    QCheckBox* check_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
};

} // namespace tovak
