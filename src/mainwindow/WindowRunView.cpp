// The window's side of a micro-step: bus clips and the grid row the address bus names, the
// panels STOP empties, the output window, and the displays a fast run keeps off and shows
// about 30 times a second and when the run ends.
#include "mainwindow/WindowRunView.h"

#include "dialogs/Ausgabe.h"
#include "dialogs/Debug.h"
#include "mainwindow/BlockDiagram.h"
#include "mainwindow/Main.h"
#include "mainwindow/WindowHooks.h"
#include "mainwindow/WindowMachine.h"
#include "widgets/BusAnimation.h"
#include "widgets/OroGrid.h"

#include <QLabel>
#include <QSpinBox>

namespace tovak {

WindowRunView::WindowRunView(TFMain& window, BlockDiagram& diagram, WindowMachine& machine,
                             WindowHooks& hooks)
    : window_(window), diagram_(diagram), machine_(machine), hooks_(hooks) {}

void WindowRunView::NoteEAValue(long long v) {
    if (v >= 0 && v <= 255) {
        eaHexPending_ = static_cast<int>(v);
    }
}

int WindowRunView::OnUpdate() {
    Maschine& m = machine_.Units();
    const UpdateResult result = diagram_.Animation().OnUpdate(m.steuerwerk.GetPhase());
    if (result.Row == RowTarget::None) {
        return result.AnimPhase;
    }
    TOroGrid* grid =
        result.Row == RowTarget::Memory ? diagram_.gridSpeicher : diagram_.gridRegister;
    const int row = m.adressbus.GetValue() + 1;
    // An address beyond the grid (or no value on the bus) has no row to show.
    if (row >= 1 && row < grid->RowCount()) {
        diagram_.SelectRow(grid, row);
    }
    return result.AnimPhase;
}

void WindowRunView::StopAnimation() {
    diagram_.Animation().StopAnimation();
}

void WindowRunView::ClearRunPanels() {
    for (QLabel* panel : {diagram_.pAdressBus, diagram_.pDatenBus, diagram_.pMicrocode,
                          diagram_.pBefehlRem, diagram_.pBefehl}) {
        panel->clear();
    }
}

std::vector<int> WindowRunView::Haltepunkte() const {
    const TFDebug* debug = window_.Debug();
    return debug != nullptr ? debug->Haltepunkte() : std::vector<int>{};
}

void WindowRunView::SelectMemoryRow(int row) {
    diagram_.SelectRow(diagram_.gridSpeicher, row);
}

void WindowRunView::ShowIPZero() {
    {
        const QSignalBlocker quiet(diagram_.eInstructionPointer);
        diagram_.eInstructionPointer->setValue(0);
    }
    window_.EInstructionPointerChange();
}

void WindowRunView::ClearOutput() {
    if (TFAusgabe* ausgabe = window_.Ausgabe()) {
        ausgabe->Clear();
    }
}

void WindowRunView::PrepareOutputWindow() {
    // The texts of the memory grid's "Befehl / Daten" column.
    const TRAM& speicher = machine_.Units().speicher;
    for (int a = 0; a < speicher.GetCount(); ++a) {
        const std::string text = speicher.Zelltext(a);
        if (text.find("OUT") != std::string::npos || text.find("IN") != std::string::npos ||
            text.find("LIESC") != std::string::npos) {
            window_.MnShowAusgabefensterClick();
            window_.Ausgabe()->Clear();
            return;
        }
    }
}

int WindowRunView::AskNumber() {
    return hooks_.numberInput ? hooks_.numberInput() : -1;
}

void WindowRunView::BufferOutput() {
    TFAusgabe* ausgabe = window_.Ausgabe();
    TEAEinheit& ea = machine_.Units().ea;
    if (ausgabe != nullptr && ea.GetAusgabefenster() == ausgabe) {
        machine_.FastOutput().SetTarget(ausgabe);
        ea.ReplaceAusgabefenster(&machine_.FastOutput());
    }
}

void WindowRunView::SetDisplaysDeferred(bool on) {
    if (on) {
        // The output window is reached through the buffer while the run goes on.
        BufferOutput();
        machine_.Refresh().SetDeferred(true);
        diagram_.gridSpeicher->SetDeferred(true);
        diagram_.gridRegister->SetDeferred(true);
        return;
    }
    ShowPendingEAHex();
    machine_.Refresh().SetDeferred(false);
    diagram_.gridSpeicher->SetDeferred(false);
    diagram_.gridRegister->SetDeferred(false);
    TEAEinheit& ea = machine_.Units().ea;
    if (ea.GetAusgabefenster() == &machine_.FastOutput()) {
        ea.ReplaceAusgabefenster(machine_.FastOutput().Target());
    }
    machine_.FastOutput().SetTarget(nullptr);
}

void WindowRunView::RefreshDeferred() {
    // An output window opened during the run is taken into the buffer too.
    BufferOutput();
    ShowPendingEAHex();
    machine_.Refresh().Flush();
    diagram_.gridSpeicher->FlushDeferred();
    diagram_.gridRegister->FlushDeferred();
}

void WindowRunView::ShowPendingEAHex() {
    if (eaHexPending_ >= 0) {
        diagram_.ShowEAHex(eaHexPending_);
        eaHexPending_ = -1;
    }
}

StepDecision::Followed WindowRunView::FollowedRows() const {
    StepDecision::Followed followed;
    followed.memoryRows = diagram_.gridSpeicher->RowCount() - 1;
    followed.registerRows = diagram_.gridRegister->RowCount() - 1;
    return followed;
}

void WindowRunView::SelectFollowedRows(int memoryRow, int registerRow) {
    if (memoryRow > 0) {
        diagram_.SelectRow(diagram_.gridSpeicher, memoryRow);
    }
    if (registerRow > 0) {
        diagram_.SelectRow(diagram_.gridRegister, registerRow);
    }
}

void WindowRunView::CaptureJournalStart(long long taktzaehler) {
    journalStart_.Capture(diagram_.client, diagram_.gridSpeicher, diagram_.gridRegister,
                          diagram_.Animation(), taktzaehler);
}

bool WindowRunView::RestoreJournalStart(long long taktzaehler) const {
    return journalStart_.RestoreAt(taktzaehler);
}

} // namespace tovak
