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
    static constexpr int kSpalten = 3;

    // The grid, if any, reads its texts through Zellentext.
    TReg(int count, GridDisplay* grid);

    int GetCount() const { return count_; }
    void SetCount(int n);

    // Register numbers outside 0..127 and values outside 0..65535 throw Bereichsfehler and
    // change nothing.
    std::uint16_t GetValue(int index) const;
    void SetValue(int index, int value);
    const std::string& GetName(int index) const;
    void SetName(int index, const std::string& text);

    void Reset(bool clearNames);
    // Tells the grid that every row is new (count + 1 rows).
    void FillGrid();

    // The text of a grid cell: row 0 is the header, row i + 1 shows register i with its
    // number, its value in hexadecimal and its name.
    std::string Zellentext(int col, int row) const;

    GridDisplay* GetGrid() { return grid_; }

    // SetValue goes into the journal, with the grid row it selects; nullptr stops recording.
    void SetJournal(TJournal* journal) { journal_ = journal; }
    // Undo: the old value shown again, the grid selection left as it is.
    void WertWiederherstellen(int index, int value);
    // Undo: the grid's selection as it was.
    void ZeileWiederherstellen(int row);

private:
    static void CheckIndex(int index);
    void RowChanged(int index);

    std::array<std::uint16_t, kRegisterZahl> values_{};
    std::array<std::string, kRegisterZahl> names_;
    int count_ = kMaxCount;
    GridDisplay* grid_;
    TJournal* journal_ = nullptr;
};

} // namespace tovak
