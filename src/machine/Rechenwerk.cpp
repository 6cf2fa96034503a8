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

namespace {

// One step of a shift or rotation: which way the 16 value bits move, which bit goes into the
// carry, and whether the old carry enters at the other end (rotation runs over 17 bits: the
// 16 value bits and the carry).
struct Schiebeschritt {
    bool links;
    unsigned carryBit;
    bool rotieren;
};

struct Geschoben {
    unsigned value;
    bool carry;
};

// One loop for all four; instantiated per step so that each compiles to its own tight loop.
template <Schiebeschritt schritt> Geschoben Schiebe(unsigned value, bool carry, unsigned anzahl) {
    constexpr unsigned eintritt = schritt.links ? 0x0001u : 0x8000u;
    for (unsigned k = anzahl; k > 0; --k) {
        const unsigned in = schritt.rotieren && carry ? eintritt : 0u;
        carry = (value & schritt.carryBit) != 0;
        value = (schritt.links ? (value << 1) & 0xFFFFu : value >> 1) | in;
    }
    return {value, carry};
}

// Indexed by TRechenwerk::Schiebeart. The shift left tests bit 7 for the carry; that is the
// machine's rule.
constexpr Geschoben (*kSchieben[])(unsigned, bool, unsigned) = {
    &Schiebe<Schiebeschritt{true, 0x0080u, false}>,
    &Schiebe<Schiebeschritt{false, 0x0001u, false}>,
    &Schiebe<Schiebeschritt{true, 0x8000u, true}>,
    &Schiebe<Schiebeschritt{false, 0x0001u, true}>,
};

} // namespace

std::uint16_t TRechenwerk::Schieben(Schiebeart art) {
    const Geschoben ergebnis = kSchieben[static_cast<int>(art)](s_.operand, s_.carry, s_.akku);
    SetAkku(static_cast<int>(ergebnis.value));
    SetCarryFlag(ergebnis.carry);
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
