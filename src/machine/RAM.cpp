#include "machine/RAM.h"

#include "machine/Befehle.h"
#include "machine/Fehler.h"
#include "util/NumberTexts.h"

namespace tovak {

namespace {

constexpr const char* kKopf[TRAM::kSpalten] = {" Adr", " Hex-Wert", " Befehl / Daten"};

} // namespace

const char* StapelmarkeText(Stapelmarke marke) {
    switch (marke) {
    case Stapelmarke::IP:
        return "IP";
    case Stapelmarke::Akku:
        return "Akku";
    case Stapelmarke::Flags:
        return "Flags";
    case Stapelmarke::Keine:
        break;
    }
    return "";
}

TRAM::TRAM(int count, GridDisplay* grid) : grid_(grid) {
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

Stapelmarke TRAM::GetMarke(int address) const {
    return InRange(address) ? marken_[static_cast<std::size_t>(address)] : Stapelmarke::Keine;
}

void TRAM::RowChanged(int address) {
    // Address 4000 has no grid row.
    if (grid_ != nullptr && address < count_) {
        grid_->RowsChanged(address + 1, address + 1);
    }
}

void TRAM::SetValue(int address, int value) {
    CheckAddress(address);
    int& zelle = values_[static_cast<std::size_t>(address)];
    if (journal_ != nullptr && zelle != value) {
        journal_->Merke(JournalFeld::Speicherwert, address, zelle);
    }
    zelle = value;
    RowChanged(address);
}

void TRAM::SetMarke(int address, Stapelmarke marke) {
    CheckAddress(address);
    Stapelmarke& alt = marken_[static_cast<std::size_t>(address)];
    if (journal_ != nullptr && alt != marke) {
        journal_->Merke(JournalFeld::Speichermarke, address, static_cast<int>(alt));
    }
    alt = marke;
    RowChanged(address);
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
    marken_[a] = Stapelmarke::Keine;
    RowChanged(address);
}

void TRAM::SetValueIfData(int address, int value) {
    CheckAddress(address);
    if (!marks_[static_cast<std::size_t>(address)]) {
        values_[static_cast<std::size_t>(address)] = value;
        RowChanged(address);
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
    const int r = SelectedRow();
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
    const int r = SelectedRow();
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
    if (const Stapelmarke marke = GetMarke(address); marke != Stapelmarke::Keine) {
        return StapelmarkeText(marke);
    }
    if (!IstBefehl(address)) {
        return std::to_string(GetValue(address));
    }
    return Befehlsname(befehle_[static_cast<std::size_t>(address)]);
}

std::string TRAM::Zellentext(int col, int row) const {
    if (col < 0 || col >= kSpalten || row < 0 || row > count_) {
        return {};
    }
    if (row == 0) {
        return kKopf[col];
    }
    const int address = row - 1;
    switch (col) {
    case 0:
        return " " + IntToStr3(address);
    case 1:
        return " " + IntToHex0x(values_[static_cast<std::size_t>(address)]);
    default:
        return Zelltext(address);
    }
}

void TRAM::FillGrid() {
    // The rows before a malformed instruction number are refilled; it stops the rest.
    int a = 0;
    for (; a < count_; ++a) {
        if (marks_[static_cast<std::size_t>(a)]) {
            const int nummer = befehle_[static_cast<std::size_t>(a)];
            if (nummer < 1 || nummer > BefehlsTabellenGroesse) {
                break;
            }
        }
        marken_[static_cast<std::size_t>(a)] = Stapelmarke::Keine;
    }
    if (grid_ != nullptr) {
        grid_->Refilled(count_ + 1);
    }
    if (a < count_) {
        throw Bereichsfehler();
    }
}

} // namespace tovak
