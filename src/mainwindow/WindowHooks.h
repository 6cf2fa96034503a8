// Where the main window asks the learner something, tests and benchmarks answer instead.
// An empty function keeps the window's own dialog.
#pragma once

#include <QString>

#include <functional>

class QPrinter;

namespace tovak {

class TFDialog0;

struct WindowHooks {
    // The number input of micro-step 31; -1 means cancelled.
    std::function<int()> numberInput;
    // The file dialogs; an empty answer means cancelled.
    std::function<QString()> askOpen;
    std::function<QString()> askSave;
    // The print dialog; false means cancelled.
    std::function<bool(QPrinter&)> askPrint;
    // Runs once an instruction dialog is open, to answer it; a dialog it leaves open is
    // cancelled.
    std::function<void(TFDialog0&)> befehlsDialog;
};

} // namespace tovak
