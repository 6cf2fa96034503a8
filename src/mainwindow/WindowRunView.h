// What the run controller asks of the main window, answered from the block diagram, the
// machine's displays and the window's tool windows.
#pragma once

#include "mainwindow/JournalStartView.h"
#include "mainwindow/RunController.h"

namespace tovak {

class BlockDiagram;
class TFMain;
class WindowMachine;
struct WindowHooks;

class WindowRunView final : public RunView {
public:
    WindowRunView(TFMain& window, BlockDiagram& diagram, WindowMachine& machine,
                  WindowHooks& hooks);

    // The I/O unit's value while a fast run keeps the displays off; the last one up to 255
    // is shown in the hexadecimal panel when they come back.
    void NoteEAValue(long long v);

    int OnUpdate() override;
    void StopAnimation() override;
    void ClearRunPanels() override;
    std::vector<int> Haltepunkte() const override;
    void SelectMemoryRow(int row) override;
    void ShowIPZero() override;
    void ClearOutput() override;
    void PrepareOutputWindow() override;
    int AskNumber() override;
    void SetDisplaysDeferred(bool on) override;
    void RefreshDeferred() override;
    StepDecision::Followed FollowedRows() const override;
    void SelectFollowedRows(int memoryRow, int registerRow) override;
    void CaptureJournalStart(long long taktzaehler) override;
    bool RestoreJournalStart(long long taktzaehler) const override;

private:
    void ShowPendingEAHex();
    // An output window the I/O unit writes to directly goes behind the fast run's buffer.
    void BufferOutput();

    TFMain& window_;
    BlockDiagram& diagram_;
    WindowMachine& machine_;
    WindowHooks& hooks_;
    JournalStartView journalStart_;
    int eaHexPending_ = -1; // -1: none
};

} // namespace tovak
