// Message boxes used by every part of the program. The window-free code only calls the free
// functions; the GUI installs a handler that shows real boxes, tests install a recorder.
#pragma once

#include <string>

namespace tovak {

// The answers of a question that can also be called off.
enum class Antwort { Ja, Nein, Abbrechen };

class MessageBoxHandler {
public:
    virtual ~MessageBoxHandler() = default;
    virtual void ShowError(const std::string& caption, const std::string& text) = 0;
    virtual void ShowWarning(const std::string& caption, const std::string& text) = 0;
    virtual bool AskYesNo(const std::string& caption, const std::string& text, int helpContext) = 0;
    // "&Ja", "&Nein" and "Abbrechen" (Escape) with the question icon.
    virtual Antwort AskYesNoCancel(const std::string& caption, const std::string& text) = 0;
};

// Installs the handler (not owned); nullptr restores the default, which writes to stderr,
// answers every yes/no question with "no" and calls off every question that can be.
void SetMessageBoxHandler(MessageBoxHandler* handler);

void ShowErrorBox(const std::string& caption, const std::string& text);
void ShowWarningBox(const std::string& caption, const std::string& text);
bool AskYesNo(const std::string& caption, const std::string& text, int helpContext = 0);
Antwort AskYesNoCancel(const std::string& caption, const std::string& text);

} // namespace tovak
