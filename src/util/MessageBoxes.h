// Message boxes used by every part of the program. The window-free code only calls the free
// functions; the GUI installs a handler that shows real boxes, tests install a recorder.
#pragma once

#include <string>

namespace tovak {

class MessageBoxHandler {
public:
    virtual ~MessageBoxHandler() = default;
    virtual void ShowError(const std::string& caption, const std::string& text) = 0;
    virtual void ShowWarning(const std::string& caption, const std::string& text) = 0;
    virtual bool AskYesNo(const std::string& caption, const std::string& text, int helpContext) = 0;
};

// Installs the handler (not owned); nullptr restores the default, which writes to stderr
// and answers every question with "no".
void SetMessageBoxHandler(MessageBoxHandler* handler);

void ShowErrorBox(const std::string& caption, const std::string& text);
void ShowWarningBox(const std::string& caption, const std::string& text);
bool AskYesNo(const std::string& caption, const std::string& text, int helpContext = 0);

} // namespace tovak
