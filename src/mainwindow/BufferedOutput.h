// Stands between the input/output unit and the output window during a fast run: lines are
// kept and reach the window at the next refresh, all of them in one append.
#pragma once

#include "mainwindow/WidgetDisplays.h"

#include <QPointer>

#include <string>

namespace tovak {

class TFAusgabe;

class BufferedOutput final : public OutputWindow, private DeferredDisplay {
public:
    explicit BufferedOutput(DeferredDisplays& refresh);

    // The window the lines go to; may close at any time.
    void SetTarget(TFAusgabe* target);
    TFAusgabe* Target() const { return target_; }

    void AppendLine(const std::string& line) override;
    void SetLabel(int value) override;
    int Label() const override;
    void RemoveLastLine() override;

private:
    void Push() override;
    void Note();

    DeferredDisplays& refresh_;
    QPointer<TFAusgabe> target_;
    // The lines since the last refresh, each ended by a line break.
    std::string lines_;
    int label_ = kKeinLabel;
    bool labelPending_ = false;
    bool noted_ = false;
};

} // namespace tovak
