#include "machine/Rechenwerk.h"

#include "machine/Fehler.h"
#include "util/NumberTexts.h"

#include <bit>

namespace tovak {

TRechenwerk::TRechenwerk(const RechenwerkAnzeigen& anzeigen) : anzeigen_(anzeigen) {
    SetAkku(0);
    SetOperand(0);
    ShowFlag(anzeigen_.carry, carry_);
}

void TRechenwerk::SetAkkuOhneFlags(int v) {
    if (v < 0 || v > 65535) {
        throw Bereichsfehler();
    }
    if (journal_ != nullptr && v != akku_) {
        journal_->Merke(JournalFeld::Akku, akku_);
    }
    akku_ = static_cast<std::uint16_t>(v);
    anzeigen_.akku.SetText(" " + IntToHex0x(v));
    anzeigen_.akku.SetHint(std::to_string(v));
}

void TRechenwerk::SetAkku(int v) {
    SetAkkuOhneFlags(v);
    SetzeFlags(v);
}

void TRechenwerk::SetOperand(int v) {
    if (v < 0 || v > 65535) {
        throw Bereichsfehler();
    }
    if (journal_ != nullptr && v != operand_) {
        journal_->Merke(JournalFeld::OperandRegister, operand_);
    }
    operand_ = static_cast<std::uint16_t>(v);
    anzeigen_.operand.SetText(" " + IntToHex0x(v));
    anzeigen_.operand.SetHint(" " + std::to_string(v));
}

void TRechenwerk::SetzeFlags(int v) {
    SetZeroFlag(v == 0);
    SetzeParity(v);
    SetSignFlag(false);
}

void TRechenwerk::SetzeParity(int v) {
    const int bits = v <= 0 ? 0 : std::popcount(static_cast<unsigned>(v));
    SetParityFlag(bits % 2 == 0);
}

void TRechenwerk::SetZeroFlag(bool f) {
    Merke(JournalFeld::ZeroFlag, zero_, f);
    zero_ = f;
    ShowFlag(anzeigen_.zero, f);
}

void TRechenwerk::SetCarryFlag(bool f) {
    Merke(JournalFeld::CarryFlag, carry_, f);
    carry_ = f;
    ShowFlag(anzeigen_.carry, f);
}

void TRechenwerk::SetParityFlag(bool f) {
    Merke(JournalFeld::ParityFlag, parity_, f);
    parity_ = f;
    ShowFlag(anzeigen_.parity, f);
}

void TRechenwerk::SetSignFlag(bool f) {
    Merke(JournalFeld::SignFlag, sign_, f);
    sign_ = f;
    ShowFlag(anzeigen_.sign, f);
}

std::uint16_t TRechenwerk::Addieren() {
    const unsigned sum = unsigned{operand_} + akku_;
    SetAkku(static_cast<int>(sum & 0xFFFF));
    SetCarryFlag(sum > 65535);
    return akku_;
}

std::uint16_t TRechenwerk::Subtrahieren() {
    const bool borrow = operand_ < akku_;
    SetAkku((operand_ - akku_) & 0xFFFF);
    SetCarryFlag(borrow);
    return akku_;
}

std::uint16_t TRechenwerk::Multiplizieren() {
    const std::uint32_t product = std::uint32_t{operand_} * akku_;
    SetAkku(static_cast<int>(product & 0xFFFF));
    SetCarryFlag(product > 65535);
    return akku_;
}

std::uint16_t TRechenwerk::Dividieren() {
    if (akku_ == 0) {
        throw DivisionDurchNull();
    }
    SetAkku(operand_ / akku_);
    SetCarryFlag(false);
    return akku_;
}

std::uint16_t TRechenwerk::Modulo() {
    if (akku_ == 0) {
        throw DivisionDurchNull();
    }
    SetAkku(operand_ % akku_);
    SetCarryFlag(false);
    return akku_;
}

std::uint16_t TRechenwerk::Inkrementieren() {
    const bool overflow = akku_ == 65535;
    SetAkku((akku_ + 1) & 0xFFFF);
    SetCarryFlag(overflow);
    return akku_;
}

std::uint16_t TRechenwerk::Dekrementieren() {
    SetAkku((akku_ + 65535) & 0xFFFF);
    return akku_;
}

std::uint16_t TRechenwerk::LogischUnd() {
    SetAkku(operand_ & akku_);
    SetCarryFlag(false);
    return akku_;
}

std::uint16_t TRechenwerk::LogischOder() {
    SetAkku(operand_ | akku_);
    SetCarryFlag(false);
    return akku_;
}

std::uint16_t TRechenwerk::LogischXor() {
    SetAkku(operand_ ^ akku_);
    SetCarryFlag(false);
    return akku_;
}

std::uint16_t TRechenwerk::LogischNicht() {
    SetAkku(65535 - akku_);
    SetCarryFlag(false);
    return akku_;
}

// The shifts test bit 7 for the carry on the way left; that is the machine's rule.
std::uint16_t TRechenwerk::ShiftLinks() {
    unsigned value = operand_;
    bool carry = carry_;
    for (unsigned k = akku_; k > 0; --k) {
        carry = (value & 0x80u) != 0;
        value = (value << 1) & 0xFFFFu;
    }
    SetAkku(static_cast<int>(value));
    SetCarryFlag(carry);
    return akku_;
}

std::uint16_t TRechenwerk::ShiftRechts() {
    unsigned value = operand_;
    bool carry = carry_;
    for (unsigned k = akku_; k > 0; --k) {
        carry = (value & 1u) != 0;
        value >>= 1;
    }
    SetAkku(static_cast<int>(value));
    SetCarryFlag(carry);
    return akku_;
}

// Rotation runs over 17 bits: the 16 value bits and the carry.
std::uint16_t TRechenwerk::RotiereLinks() {
    unsigned value = operand_;
    bool carry = carry_;
    for (unsigned k = akku_; k > 0; --k) {
        const unsigned in = carry ? 1u : 0u;
        carry = (value & 0x8000u) != 0;
        value = ((value << 1) & 0xFFFFu) | in;
    }
    SetAkku(static_cast<int>(value));
    SetCarryFlag(carry);
    return akku_;
}

// The mirror of RotiereLinks: C := bit 0, the old carry enters at bit 15.
std::uint16_t TRechenwerk::RotiereRechts() {
    unsigned value = operand_;
    bool carry = carry_;
    for (unsigned k = akku_; k > 0; --k) {
        const unsigned in = carry ? 0x8000u : 0u;
        carry = (value & 1u) != 0;
        value = (value >> 1) | in;
    }
    SetAkku(static_cast<int>(value));
    SetCarryFlag(carry);
    return akku_;
}

std::uint16_t TRechenwerk::Vergleichen() {
    const int d = int{operand_} - int{akku_};
    SetAkku(d < 0 ? -d : d);
    SetCarryFlag(false);
    SetSignFlag(d < 0);
    return akku_;
}

bool TRechenwerk::Sprungbedingung(int befehl) const {
    switch (befehl) {
    case 324:
        return zero_;
    case 325:
        return !zero_;
    case 326:
    case 328:
        return sign_;
    case 327:
        return !sign_;
    case 329:
        return sign_ || zero_;
    case 330:
        return !sign_ && !zero_;
    case 331:
        return !sign_ || zero_;
    case 332:
        return carry_;
    case 333:
        return !carry_;
    case 334:
        return parity_;
    case 335:
        return !parity_;
    default:
        return false;
    }
}

} // namespace tovak
