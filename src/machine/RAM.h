// Main memory: 4001 cells of signed 32-bit values with a command mark and an instruction
// number. Addresses 0..3999 are shown in the memory grid; 4000 is storage only.
#pragma once

#include "machine/Displays.h"
#include "machine/Journal.h"

#include <array>
#include <string>

namespace tovak {

class TRAM {
public:
    static constexpr int kZellen = 4001;
    static constexpr int kMaxCount = 4000;

    TRAM(int count, Grid& grid);

    int GetCount() const { return count_; }
    void SetCount(int n);

    // Outside 0..4000 GetValue gives 0; every other operation throws Bereichsfehler there.
    int GetValue(int address) const {
        return InRange(address) ? values_[static_cast<std::size_t>(address)] : 0;
    }
    int GetBefehlsnummer(int address) const;
    bool IstBefehl(int address) const;

    void SetValue(int address, int value);
    void SetText(int address, const std::string& text);
    void SetCell(int instructionNumber, int address, int value, bool isCommand);
    void SetValueIfData(int address, int value);
    // Stores a whole cell without touching the grid; for readers that fill the grid after.
    void LoadCell(int address, int value, int instructionNumber, bool isCommand);

    void Clear();
    void InsertCell();
    void DeleteCell();
    void FillGrid();

    // The text of column 2 for the cell: the short name or the value in decimal.
    std::string Zelltext(int address) const;

    Grid& GetGrid() { return grid_; }

    // SetValue and SetText go into the journal (the micro-steps use no other writes);
    // nullptr stops recording.
    void SetJournal(TJournal* journal) { journal_ = journal; }

private:
    static bool InRange(int address) { return address >= 0 && address < kZellen; }
    static void CheckAddress(int address);
    void WriteNumberColumns(int address);
    void CopyCell(int from, int to);
    void ClearCell(int address);

    std::array<int, kZellen> values_{};
    std::array<int, kZellen> befehle_{};
    std::array<bool, kZellen> marks_{};
    int count_ = kMaxCount;
    Grid& grid_;
    TJournal* journal_ = nullptr;
};

} // namespace tovak
