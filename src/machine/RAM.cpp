#include "machine/RAM.h"

#include "machine/Befehle.h"
#include "machine/Fehler.h"
#include "util/NumberTexts.h"

namespace tovak {

TRAM::TRAM(int count, Grid& grid) : grid_(grid) {
    SetCount(count);
    Clear();
}

void TRAM::SetCount(int n) {
    if (n <= kMaxCount) {
        count_ = n;
    }
}

void TRAM::CheckAddress(int address) {
    if (!InRange(address)) {
        throw Bereichsfehler();
    }
}

int TRAM::GetBefehlsnummer(int address) const {
    return InRange(address) ? befehle_[static_cast<std::size_t>(address)] : 0;
}

bool TRAM::IstBefehl(int address) const {
    return InRange(address) && marks_[static_cast<std::size_t>(address)];
}

void TRAM::WriteNumberColumns(int address) {
    const int row = address + 1;
    // Address 4000 has no grid row.
    if (row >= grid_.RowCount()) {
        return;
    }
    grid_.SetCell(0, row, " " + IntToStr3(address));
    grid_.SetCell(1, row, " " + IntToHex0x(values_[static_cast<std::size_t>(address)]));
}

void TRAM::SetValue(int address, int value) {
    CheckAddress(address);
    int& zelle = values_[static_cast<std::size_t>(address)];
    if (journal_ != nullptr && zelle != value) {
        journal_->Merke(JournalFeld::Speicherwert, address, zelle);
    }
    zelle = value;
    WriteNumberColumns(address);
}

void TRAM::SetText(int address, const std::string& text) {
    CheckAddress(address);
    if (address + 1 < grid_.RowCount()) {
        if (journal_ != nullptr && journal_->Offen()) {
            const std::string alt = grid_.Cell(2, address + 1);
            if (alt != text) {
                journal_->MerkeText(JournalFeld::Speichertext, address, alt);
            }
        }
        grid_.SetCell(2, address + 1, text);
    }
}

void TRAM::SetCell(int instructionNumber, int address, int value, bool isCommand) {
    CheckAddress(address);
    if (isCommand && (instructionNumber < 1 || instructionNumber > BefehlsTabellenGroesse)) {
        throw Bereichsfehler();
    }
    const auto a = static_cast<std::size_t>(address);
    values_[a] = value;
    marks_[a] = isCommand;
    befehle_[a] = isCommand ? instructionNumber : 0;
    WriteNumberColumns(address);
    if (address + 1 < grid_.RowCount()) {
        grid_.SetCell(2, address + 1, Zelltext(address));
    }
}

void TRAM::SetValueIfData(int address, int value) {
    CheckAddress(address);
    if (!marks_[static_cast<std::size_t>(address)]) {
        values_[static_cast<std::size_t>(address)] = value;
    }
}

void TRAM::LoadCell(int address, int value, int instructionNumber, bool isCommand) {
    CheckAddress(address);
    const auto a = static_cast<std::size_t>(address);
    values_[a] = value;
    befehle_[a] = instructionNumber;
    marks_[a] = isCommand;
}

void TRAM::ClearCell(int address) {
    const auto a = static_cast<std::size_t>(address);
    values_[a] = 0;
    befehle_[a] = 0;
    marks_[a] = false;
}

void TRAM::CopyCell(int from, int to) {
    const auto f = static_cast<std::size_t>(from);
    const auto t = static_cast<std::size_t>(to);
    values_[t] = values_[f];
    befehle_[t] = befehle_[f];
    marks_[t] = marks_[f];
}

void TRAM::Clear() {
    for (int a = 0; a < count_; ++a) {
        ClearCell(a);
    }
}

void TRAM::InsertCell() {
    const int r = grid_.Row();
    if (count_ < r || r < 1) {
        return;
    }
    for (int i = count_ - 1; i >= r; --i) {
        CopyCell(i - 1, i);
    }
    ClearCell(r - 1);
    FillGrid();
}

void TRAM::DeleteCell() {
    const int r = grid_.Row();
    if (count_ < r || r < 1) {
        return;
    }
    for (int i = r - 1; i <= count_ - 2; ++i) {
        CopyCell(i + 1, i);
    }
    ClearCell(count_ - 1);
    FillGrid();
}

std::string TRAM::Zelltext(int address) const {
    if (!IstBefehl(address)) {
        return std::to_string(GetValue(address));
    }
    return Befehlsname(befehle_[static_cast<std::size_t>(address)]);
}

void TRAM::FillGrid() {
    // Ends the update bracket also when a malformed instruction number stops the refill.
    struct UpdateBracket {
        Grid& grid;
        explicit UpdateBracket(Grid& g) : grid(g) { grid.BeginUpdate(); }
        ~UpdateBracket() { grid.EndUpdate(); }
    } bracket(grid_);
    grid_.SetRowCount(count_ + 1);
    for (int a = 0; a < count_; ++a) {
        if (marks_[static_cast<std::size_t>(a)]) {
            const int nummer = befehle_[static_cast<std::size_t>(a)];
            if (nummer < 1 || nummer > BefehlsTabellenGroesse) {
                throw Bereichsfehler();
            }
        }
        WriteNumberColumns(a);
        grid_.SetCell(2, a + 1, Zelltext(a));
    }
}

} // namespace tovak
