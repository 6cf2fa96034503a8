// The register file: 128 unsigned 16-bit registers with names; registers 0..126 are shown
// in the register grid, register 127 is storage only.
#pragma once

#include "machine/Displays.h"
#include "machine/Journal.h"

#include <array>
#include <cstdint>
#include <string>

namespace tovak {

class TReg {
public:
    static constexpr int kRegisterZahl = 128;
    static constexpr int kMaxCount = 127;

    TReg(int count, Grid& grid);

    int GetCount() const { return count_; }
    void SetCount(int n);

    // Register numbers outside 0..127 and values outside 0..65535 throw Bereichsfehler and
    // change nothing.
    std::uint16_t GetValue(int index) const;
    void SetValue(int index, int value);
    const std::string& GetName(int index) const;
    void SetName(int index, const std::string& text);

    void Reset(bool clearNames);
    void FillGrid();

    Grid& GetGrid() { return grid_; }

    // SetValue goes into the journal, with the grid row it selects; nullptr stops recording.
    void SetJournal(TJournal* journal) { journal_ = journal; }
    // Undo: the old value shown again, the grid selection left as it is.
    void WertWiederherstellen(int index, int value);

private:
    static void CheckIndex(int index);
    void WriteRow(int index, bool withName);

    std::array<std::uint16_t, kRegisterZahl> values_{};
    std::array<std::string, kRegisterZahl> names_;
    int count_ = kMaxCount;
    Grid& grid_;
    TJournal* journal_ = nullptr;
};

} // namespace tovak
