// Stands between the input/output unit and the output window during a fast run: lines are
// kept and reach the window at the next refresh, a limited number per refresh.
#pragma once

#include "mainwindow/WidgetDisplays.h"

#include <QPointer>

#include <cstddef>
#include <string>
#include <vector>

namespace tovak {

class TFAusgabe;

class BufferedOutput final : public OutputWindow, private DeferredDisplay {
public:
    // A text window takes microseconds per line, a fast run can write a million lines a
    // second, and the window shows about fifteen. A program that writes more than this many
    // lines per refresh has the older lines of that refresh skipped and counted in a note.
    static constexpr std::size_t kLinesPerRefresh = 100;
    // The output window keeps at most this many lines while a fast run goes on.
    static constexpr int kMaxLines = 100000;

    explicit BufferedOutput(DeferredDisplays& refresh);

    // The window the lines go to; may close at any time.
    void SetTarget(TFAusgabe* target);
    TFAusgabe* Target() const { return target_; }

    void AppendLine(const std::string& line) override;
    void SetLabel(int value) override;
    int Label() const override;
    void RemoveLastLine() override;

    // True when lines were skipped since the last ForgetSkipped: the window then lacks lines
    // that "Takt zurück" would take back.
    bool SkippedAny() const { return skippedAny_; }
    void ForgetSkipped() { skippedAny_ = false; }

    // The note that stands for skipped lines.
    static std::string SkippedNote(long long count);

private:
    void Push() override;
    void Note();

    DeferredDisplays& refresh_;
    QPointer<TFAusgabe> target_;
    // Ring of the latest lines: the oldest is at head_.
    std::vector<std::string> ring_;
    std::size_t head_ = 0;
    std::size_t count_ = 0;
    long long skipped_ = 0;
    int label_ = kKeinLabel;
    bool labelPending_ = false;
    bool noted_ = false;
    bool skippedAny_ = false;
};

} // namespace tovak
