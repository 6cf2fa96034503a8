#include "machine/Reg.h"

#include "machine/Fehler.h"
#include "util/NumberTexts.h"

namespace tovak {

namespace {

constexpr const char* kKopf[TReg::kSpalten] = {" Adr", " Binärwert", " Name"};

} // namespace

TReg::TReg(int count, GridDisplay* grid) : grid_(grid) {
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
        if (grid_ != nullptr && grid_->Row() != 1) {
            journal_->Merke(JournalFeld::Registerzeile, grid_->Row());
        }
    }
    wert = static_cast<std::uint16_t>(value);
    RowChanged(index);
    if (grid_ != nullptr) {
        grid_->SetRow(1);
    }
}

void TReg::WertWiederherstellen(int index, int value) {
    CheckIndex(index);
    values_[static_cast<std::size_t>(index)] = static_cast<std::uint16_t>(value);
    RowChanged(index);
}

void TReg::ZeileWiederherstellen(int row) {
    if (grid_ != nullptr) {
        grid_->SetRow(row);
    }
}

const std::string& TReg::GetName(int index) const {
    CheckIndex(index);
    return names_[static_cast<std::size_t>(index)];
}

void TReg::SetName(int index, const std::string& text) {
    CheckIndex(index);
    names_[static_cast<std::size_t>(index)] = text;
    RowChanged(index);
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
    if (grid_ != nullptr) {
        grid_->Refilled(count_ + 1);
    }
}

void TReg::RowChanged(int index) {
    // Register 127 has no row.
    if (grid_ != nullptr && index < count_) {
        grid_->RowsChanged(index + 1, index + 1);
    }
}

std::string TReg::Zellentext(int col, int row) const {
    if (col < 0 || col >= kSpalten || row < 0 || row > count_) {
        return {};
    }
    if (row == 0) {
        return kKopf[col];
    }
    const auto index = static_cast<std::size_t>(row - 1);
    switch (col) {
    case 0:
        return " " + IntToStr3(row - 1);
    case 1:
        return " " + IntToHex0x(values_[index]);
    default:
        return names_[index];
    }
}

} // namespace tovak
