// Records every message box instead of showing it.
#pragma once

#include "util/MessageBoxes.h"

#include <string>
#include <vector>

namespace tovak::test {

struct RecordedBox {
    std::string kind;
    std::string caption;
    std::string text;
};

class RecordingMessageBoxes final : public MessageBoxHandler {
public:
    RecordingMessageBoxes() { SetMessageBoxHandler(this); }
    ~RecordingMessageBoxes() override { SetMessageBoxHandler(nullptr); }
    RecordingMessageBoxes(const RecordingMessageBoxes&) = delete;
    RecordingMessageBoxes& operator=(const RecordingMessageBoxes&) = delete;

    void ShowError(const std::string& caption, const std::string& text) override {
        boxes.push_back({"error", caption, text});
    }
    void ShowWarning(const std::string& caption, const std::string& text) override {
        boxes.push_back({"warning", caption, text});
    }
    bool AskYesNo(const std::string& caption, const std::string& text, int) override {
        boxes.push_back({"question", caption, text});
        return answer;
    }
    Antwort AskYesNoCancel(const std::string& caption, const std::string& text) override {
        boxes.push_back({"question3", caption, text});
        return threeWay;
    }

    std::vector<RecordedBox> boxes;
    bool answer = false;
    // Without a word from the test the learner lets the changes go, as before the question.
    Antwort threeWay = Antwort::Nein;
};

} // namespace tovak::test
