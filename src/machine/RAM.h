// Main memory: 4001 cells of signed 32-bit values with a command mark and an instruction
// number. Addresses 0..3999 are shown in the memory grid; 4000 is storage only.
#pragma once

#include "machine/Displays.h"
#include "machine/Journal.h"

#include <array>
#include <cstdint>
#include <string>

namespace tovak {

// The label a stack entry carries in the memory grid's "Befehl / Daten" column until the
// cell is written anew by instruction entry or the grid is refilled.
enum class Stapelmarke : std::uint8_t { Keine, IP, Akku, Flags };
const char* StapelmarkeText(Stapelmarke marke);

class TRAM {
public:
    static constexpr int kZellen = 4001;
    static constexpr int kMaxCount = 4000;
    static constexpr int kSpalten = 3;

    // The grid, if any, reads its texts through Zellentext.
    TRAM(int count, GridDisplay* grid);

    int GetCount() const { return count_; }
    void SetCount(int n);

    // Outside 0..4000 GetValue gives 0; every other operation throws Bereichsfehler there.
    int GetValue(int address) const {
        return InRange(address) ? values_[static_cast<std::size_t>(address)] : 0;
    }
    int GetBefehlsnummer(int address) const;
    bool IstBefehl(int address) const;
    Stapelmarke GetMarke(int address) const;

    void SetValue(int address, int value);
    // Labels a stack entry (the control unit's pushes).
    void SetMarke(int address, Stapelmarke marke);
    void SetCell(int instructionNumber, int address, int value, bool isCommand);
    void SetValueIfData(int address, int value);
    // Stores a whole cell without telling the grid; for readers that refill the grid after.
    void LoadCell(int address, int value, int instructionNumber, bool isCommand);

    void Clear();
    void InsertCell();
    void DeleteCell();
    // Tells the grid that every row is new (count + 1 rows) and drops the stack labels.
    void FillGrid();

    // The text of a grid cell: row 0 is the header, row a + 1 shows address a with its
    // address, its value in hexadecimal and its label, short name or decimal value.
    std::string Zellentext(int col, int row) const;
    // The text of column 2 for the cell: its label, its short name or its value in decimal.
    std::string Zelltext(int address) const;

    GridDisplay* GetGrid() { return grid_; }
    // The grid's selected row; 1 without a grid.
    int SelectedRow() const { return grid_ != nullptr ? grid_->Row() : 1; }

    // SetValue and SetMarke go into the journal (the micro-steps use no other writes);
    // nullptr stops recording.
    void SetJournal(TJournal* journal) { journal_ = journal; }

private:
    static bool InRange(int address) { return address >= 0 && address < kZellen; }
    static void CheckAddress(int address);
    void RowChanged(int address);
    void CopyCell(int from, int to);
    void ClearCell(int address);

    std::array<int, kZellen> values_{};
    std::array<int, kZellen> befehle_{};
    std::array<bool, kZellen> marks_{};
    std::array<Stapelmarke, kZellen> marken_{};
    int count_ = kMaxCount;
    GridDisplay* grid_;
    TJournal* journal_ = nullptr;
};

} // namespace tovak
