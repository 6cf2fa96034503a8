#include "machine/Rechenwerk.h"

#include "machine/Fehler.h"

namespace tovak {

TRechenwerk::TRechenwerk(const RechenwerkAnzeigen* anzeigen)
    : verbunden_(anzeigen), anzeigen_(anzeigen) {
    SetAkku(0);
    SetOperand(0);
    SetCarryFlag(false);
}

void TRechenwerk::ZeigeAkku() {
    if (anzeigen_ != nullptr) {
        anzeigen_->akku.Show(s_.akku);
    }
}

void TRechenwerk::ZeigeOperand() {
    if (anzeigen_ != nullptr) {
        anzeigen_->operand.Show(s_.operand);
    }
}

void TRechenwerk::WirfBereichsfehler() {
    throw tovak::Bereichsfehler();
}

void TRechenwerk::SetOperand(int v) {
    if (v < 0 || v > 65535) {
        throw Bereichsfehler();
    }
    s_.operand = static_cast<std::uint16_t>(v);
    ZeigeOperand();
}

void TRechenwerk::SetStand(const RechenwerkStand& stand) {
    s_ = stand;
    AnzeigenErneuern();
}

void TRechenwerk::SetAnzeigenAktiv(bool aktiv) {
    anzeigen_ = aktiv ? verbunden_ : nullptr;
    if (aktiv) {
        AnzeigenErneuern();
    }
}

void TRechenwerk::AnzeigenErneuern() {
    if (verbunden_ == nullptr) {
        return;
    }
    verbunden_->akku.Show(s_.akku);
    verbunden_->operand.Show(s_.operand);
    verbunden_->zero.Show(s_.zero ? 1 : 0);
    verbunden_->carry.Show(s_.carry ? 1 : 0);
    verbunden_->parity.Show(s_.parity ? 1 : 0);
    verbunden_->sign.Show(s_.sign ? 1 : 0);
}

std::uint16_t TRechenwerk::Addieren() {
    const unsigned sum = unsigned{s_.operand} + s_.akku;
    SetAkku(static_cast<int>(sum & 0xFFFF));
    SetCarryFlag(sum > 65535);
    return s_.akku;
}

std::uint16_t TRechenwerk::Subtrahieren() {
    const bool borrow = s_.operand < s_.akku;
    SetAkku((s_.operand - s_.akku) & 0xFFFF);
    SetCarryFlag(borrow);
    return s_.akku;
}

std::uint16_t TRechenwerk::Multiplizieren() {
    const std::uint32_t product = std::uint32_t{s_.operand} * s_.akku;
    SetAkku(static_cast<int>(product & 0xFFFF));
    SetCarryFlag(product > 65535);
    return s_.akku;
}

std::uint16_t TRechenwerk::Dividieren() {
    if (s_.akku == 0) {
        throw DivisionDurchNull();
    }
    SetAkku(s_.operand / s_.akku);
    SetCarryFlag(false);
    return s_.akku;
}

std::uint16_t TRechenwerk::Modulo() {
    if (s_.akku == 0) {
        throw DivisionDurchNull();
    }
    SetAkku(s_.operand % s_.akku);
    SetCarryFlag(false);
    return s_.akku;
}

std::uint16_t TRechenwerk::Inkrementieren() {
    const bool overflow = s_.akku == 65535;
    SetAkku((s_.akku + 1) & 0xFFFF);
    SetCarryFlag(overflow);
    return s_.akku;
}

std::uint16_t TRechenwerk::Dekrementieren() {
    SetAkku((s_.akku + 65535) & 0xFFFF);
    return s_.akku;
}

std::uint16_t TRechenwerk::LogischUnd() {
    SetAkku(s_.operand & s_.akku);
    SetCarryFlag(false);
    return s_.akku;
}

std::uint16_t TRechenwerk::LogischOder() {
    SetAkku(s_.operand | s_.akku);
    SetCarryFlag(false);
    return s_.akku;
}

std::uint16_t TRechenwerk::LogischXor() {
    SetAkku(s_.operand ^ s_.akku);
    SetCarryFlag(false);
    return s_.akku;
}

std::uint16_t TRechenwerk::LogischNicht() {
    SetAkku(65535 - s_.akku);
    SetCarryFlag(false);
    return s_.akku;
}

// The shifts test bit 7 for the carry on the way left; that is the machine's rule.
std::uint16_t TRechenwerk::ShiftLinks() {
    unsigned value = s_.operand;
    bool carry = s_.carry;
    for (unsigned k = s_.akku; k > 0; --k) {
        carry = (value & 0x80u) != 0;
        value = (value << 1) & 0xFFFFu;
    }
    SetAkku(static_cast<int>(value));
    SetCarryFlag(carry);
    return s_.akku;
}

std::uint16_t TRechenwerk::ShiftRechts() {
    unsigned value = s_.operand;
    bool carry = s_.carry;
    for (unsigned k = s_.akku; k > 0; --k) {
        carry = (value & 1u) != 0;
        value >>= 1;
    }
    SetAkku(static_cast<int>(value));
    SetCarryFlag(carry);
    return s_.akku;
}

// Rotation runs over 17 bits: the 16 value bits and the carry.
std::uint16_t TRechenwerk::RotiereLinks() {
    unsigned value = s_.operand;
    bool carry = s_.carry;
    for (unsigned k = s_.akku; k > 0; --k) {
        const unsigned in = carry ? 1u : 0u;
        carry = (value & 0x8000u) != 0;
        value = ((value << 1) & 0xFFFFu) | in;
    }
    SetAkku(static_cast<int>(value));
    SetCarryFlag(carry);
    return s_.akku;
}

// The mirror of RotiereLinks: C := bit 0, the old carry enters at bit 15.
std::uint16_t TRechenwerk::RotiereRechts() {
    unsigned value = s_.operand;
    bool carry = s_.carry;
    for (unsigned k = s_.akku; k > 0; --k) {
        const unsigned in = carry ? 0x8000u : 0u;
        carry = (value & 1u) != 0;
        value = (value >> 1) | in;
    }
    SetAkku(static_cast<int>(value));
    SetCarryFlag(carry);
    return s_.akku;
}

std::uint16_t TRechenwerk::Vergleichen() {
    const int d = int{s_.operand} - int{s_.akku};
    SetAkku(d < 0 ? -d : d);
    SetCarryFlag(false);
    SetSignFlag(d < 0);
    return s_.akku;
}

bool TRechenwerk::Sprungbedingung(int befehl) const {
    switch (befehl) {
    case 324:
        return s_.zero;
    case 325:
        return !s_.zero;
    case 326:
    case 328:
        return s_.sign;
    case 327:
        return !s_.sign;
    case 329:
        return s_.sign || s_.zero;
    case 330:
        return !s_.sign && !s_.zero;
    case 331:
        return !s_.sign || s_.zero;
    case 332:
        return s_.carry;
    case 333:
        return !s_.carry;
    case 334:
        return s_.parity;
    case 335:
        return !s_.parity;
    default:
        return false;
    }
}

} // namespace tovak
