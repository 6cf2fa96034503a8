// The application's one place where failures and notices reach the user: message boxes
// through tovak::MessageBoxHandler, and the machine's typed exceptions shown as "Fehler".
#pragma once

#include "util/MessageBoxes.h"

#include <QApplication>
#include <exception>

class QWidget;

namespace tovak {

// Shows the boxes with QMessageBox, parented to the active window.
class QtMessageBoxes final : public MessageBoxHandler {
public:
    void ShowError(const std::string& caption, const std::string& text) override;
    void ShowWarning(const std::string& caption, const std::string& text) override;
    bool AskYesNo(const std::string& caption, const std::string& text, int helpContext) override;
    Antwort AskYesNoCancel(const std::string& caption, const std::string& text) override;
};

// Shows a failure that reached the window: its German text under the caption "Fehler".
void ShowFehler(const std::exception& e);

// Runs f; a failure from the machine or the files is shown and false returned.
template <class F> bool RunGuarded(F&& f) {
    try {
        f();
        return true;
    } catch (const std::exception& e) {
        ShowFehler(e);
    }
    return false;
}

// The application object: an exception that escapes any event handler ends up in the
// central display instead of ending the program.
class TovakApplication final : public QApplication {
public:
    TovakApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace tovak
