#include "mainwindow/BufferedOutput.h"

#include "dialogs/Ausgabe.h"

#include <QPlainTextEdit>
#include <QScrollBar>

namespace tovak {

BufferedOutput::BufferedOutput(DeferredDisplays& refresh) : refresh_(refresh) {}

void BufferedOutput::SetTarget(TFAusgabe* target) {
    if (target == target_) {
        return;
    }
    Push();
    target_ = target;
}

void BufferedOutput::Note() {
    if (!noted_) {
        noted_ = true;
        refresh_.Note(*this);
    }
}

void BufferedOutput::AppendLine(const std::string& line) {
    if (!refresh_.Deferred()) {
        Push();
        if (target_ != nullptr) {
            target_->AppendLine(line);
        }
        return;
    }
    lines_ += line;
    lines_ += '\n';
    Note();
}

void BufferedOutput::SetLabel(int value) {
    label_ = value;
    labelPending_ = true;
    if (!refresh_.Deferred()) {
        Push();
        return;
    }
    Note();
}

int BufferedOutput::Label() const {
    if (labelPending_) {
        return label_;
    }
    return target_ != nullptr ? target_->Label() : kKeinLabel;
}

void BufferedOutput::RemoveLastLine() {
    if (!lines_.empty()) {
        // The line before the last line break, with that break.
        const std::size_t before =
            lines_.size() >= 2 ? lines_.rfind('\n', lines_.size() - 2) : std::string::npos;
        lines_.resize(before == std::string::npos ? 0 : before + 1);
        return;
    }
    if (target_ != nullptr) {
        target_->RemoveLastLine();
    }
}

void BufferedOutput::Push() {
    noted_ = false;
    if (target_ == nullptr) {
        lines_.clear();
        labelPending_ = false;
        return;
    }
    // The label first, as the unit writes it before its line.
    if (labelPending_) {
        labelPending_ = false;
        target_->SetLabel(label_);
    }
    if (lines_.empty()) {
        return;
    }
    lines_.pop_back();
    // A window following its newest line keeps following it, also when the label's longer
    // text has made the text field a little lower since the last refresh.
    QScrollBar* bar = target_->Memo1()->verticalScrollBar();
    constexpr int kNearBottom = 3;
    const bool following = bar->value() >= bar->maximum() - kNearBottom;
    // One append for all: the window makes a paragraph of each line, and one append of many
    // lines costs a fraction of many appends.
    target_->AppendLine(lines_);
    lines_.clear();
    if (following) {
        bar->setValue(bar->maximum());
    }
}

} // namespace tovak
