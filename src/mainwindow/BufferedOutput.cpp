#include "mainwindow/BufferedOutput.h"

#include "dialogs/Ausgabe.h"

#include <QPlainTextEdit>
#include <QScrollBar>

namespace tovak {

BufferedOutput::BufferedOutput(DeferredDisplays& refresh)
    : refresh_(refresh), ring_(kLinesPerRefresh) {}

void BufferedOutput::SetTarget(TFAusgabe* target) {
    if (target == target_) {
        return;
    }
    Push();
    if (target_ != nullptr) {
        target_->Memo1()->setMaximumBlockCount(0);
    }
    target_ = target;
    if (target_ != nullptr) {
        target_->Memo1()->setMaximumBlockCount(kMaxLines);
    }
}

std::string BufferedOutput::SkippedNote(long long count) {
    return "[Schnelllauf: " + std::to_string(count) + " Zeilen ausgelassen]";
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
    if (count_ == ring_.size()) {
        // Full: the oldest line makes room.
        head_ = (head_ + 1) % ring_.size();
        --count_;
        ++skipped_;
        skippedAny_ = true;
    }
    ring_[(head_ + count_) % ring_.size()] = line;
    ++count_;
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
    if (count_ > 0) {
        --count_;
        return;
    }
    if (target_ != nullptr) {
        target_->RemoveLastLine();
    }
}

void BufferedOutput::Push() {
    noted_ = false;
    if (target_ == nullptr) {
        count_ = 0;
        skipped_ = 0;
        labelPending_ = false;
        return;
    }
    // The label first, as the unit writes it before its line.
    if (labelPending_) {
        labelPending_ = false;
        target_->SetLabel(label_);
    }
    if (skipped_ == 0 && count_ == 0) {
        head_ = 0;
        return;
    }
    // One call for all: the window makes a paragraph of each line, and one append of many
    // lines costs a fraction of many appends.
    std::string lines;
    bool first = true;
    if (skipped_ > 0) {
        lines = SkippedNote(skipped_);
        skipped_ = 0;
        first = false;
    }
    for (; count_ > 0; --count_) {
        if (!first) {
            lines += '\n';
        }
        first = false;
        lines += ring_[head_];
        head_ = (head_ + 1) % ring_.size();
    }
    head_ = 0;
    // A window following its newest line keeps following it, also when the label's longer
    // text has made the text field a little lower since the last refresh.
    QScrollBar* bar = target_->Memo1()->verticalScrollBar();
    constexpr int kNearBottom = 3;
    const bool following = bar->value() >= bar->maximum() - kNearBottom;
    target_->AppendLine(lines);
    if (following) {
        bar->setValue(bar->maximum());
    }
}

} // namespace tovak
