#include "util/MessageBoxes.h"

#include <cstdio>

namespace tovak {

namespace {

class StderrMessageBoxes final : public MessageBoxHandler {
public:
    void ShowError(const std::string& caption, const std::string& text) override {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
    void ShowWarning(const std::string& caption, const std::string& text) override {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
    bool AskYesNo(const std::string&, const std::string&, int) override { return false; }
    Antwort AskYesNoCancel(const std::string&, const std::string&) override {
        return Antwort::Abbrechen;
    }
};

StderrMessageBoxes gStderrBoxes;
MessageBoxHandler* gHandler = &gStderrBoxes;

} // namespace

void SetMessageBoxHandler(MessageBoxHandler* handler) {
    gHandler = handler != nullptr ? handler : &gStderrBoxes;
}

void ShowErrorBox(const std::string& caption, const std::string& text) {
    gHandler->ShowError(caption, text);
}

void ShowWarningBox(const std::string& caption, const std::string& text) {
    gHandler->ShowWarning(caption, text);
}

bool AskYesNo(const std::string& caption, const std::string& text, int helpContext) {
    return gHandler->AskYesNo(caption, text, helpContext);
}

Antwort AskYesNoCancel(const std::string& caption, const std::string& text) {
    return gHandler->AskYesNoCancel(caption, text);
}

} // namespace tovak
