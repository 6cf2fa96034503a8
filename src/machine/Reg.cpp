#include "machine/Reg.h"

#include "machine/Fehler.h"
#include "util/NumberTexts.h"

namespace tovak {

TReg::TReg(int count, Grid& grid) : grid_(grid) {
    if (count <= kMaxCount) {
        count_ = count;
    }
    for (int i = 0; i < kMaxCount; ++i) {
        names_[static_cast<std::size_t>(i)].clear();
    }
    Reset(true);
}

void TReg::SetCount(int n) {
    if (n <= kMaxCount) {
        count_ = n;
    }
}

void TReg::CheckIndex(int index) {
    if (index < 0 || index >= kRegisterZahl) {
        throw Bereichsfehler();
    }
}

std::uint16_t TReg::GetValue(int index) const {
    CheckIndex(index);
    return values_[static_cast<std::size_t>(index)];
}

void TReg::SetValue(int index, int value) {
    CheckIndex(index);
    if (value < 0 || value > 65535) {
        throw Bereichsfehler();
    }
    std::uint16_t& wert = values_[static_cast<std::size_t>(index)];
    if (journal_ != nullptr && journal_->Offen()) {
        if (wert != value) {
            journal_->Merke(JournalFeld::Registerwert, index, wert);
        }
        if (grid_.Row() != 1) {
            journal_->Merke(JournalFeld::Registerzeile, grid_.Row());
        }
    }
    wert = static_cast<std::uint16_t>(value);
    WriteRow(index, false);
    grid_.SetRow(1);
}

void TReg::WertWiederherstellen(int index, int value) {
    CheckIndex(index);
    values_[static_cast<std::size_t>(index)] = static_cast<std::uint16_t>(value);
    WriteRow(index, false);
}

const std::string& TReg::GetName(int index) const {
    CheckIndex(index);
    return names_[static_cast<std::size_t>(index)];
}

void TReg::SetName(int index, const std::string& text) {
    CheckIndex(index);
    names_[static_cast<std::size_t>(index)] = text;
    if (index + 1 < grid_.RowCount()) {
        grid_.SetCell(2, index + 1, text);
    }
}

void TReg::Reset(bool clearNames) {
    for (int i = 0; i < count_ && i < kRegisterZahl; ++i) {
        values_[static_cast<std::size_t>(i)] = 0;
        if (clearNames) {
            names_[static_cast<std::size_t>(i)].clear();
        }
    }
}

void TReg::FillGrid() {
    grid_.BeginUpdate();
    grid_.SetRowCount(count_ + 1);
    for (int i = 0; i < count_; ++i) {
        WriteRow(i, true);
    }
    grid_.EndUpdate();
}

void TReg::WriteRow(int index, bool withName) {
    const int row = index + 1;
    // Register 127 has no row; the grid ignores writes past its last row.
    if (row >= grid_.RowCount()) {
        return;
    }
    grid_.SetCell(0, row, " " + IntToStr3(index));
    grid_.SetCell(1, row, " " + IntToHex0x(values_[static_cast<std::size_t>(index)]));
    if (withName) {
        grid_.SetCell(2, row, names_[static_cast<std::size_t>(index)]);
    }
}

} // namespace tovak
