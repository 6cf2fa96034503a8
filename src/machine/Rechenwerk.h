// The arithmetic unit: accumulator, operand register and the flags Z, C, P and S.
#pragma once

#include "machine/Displays.h"

#include <bit>
#include <cstdint>

namespace tovak {

// The panels: the Akku's text is " 0x...." with its decimal value as hint, the operand's
// the same with " " before the hint, a flag's "1" or "0" (see Anzeigetexte.h).
struct RechenwerkAnzeigen {
    ValueDisplay& akku;
    ValueDisplay& operand;
    ValueDisplay& zero;
    ValueDisplay& carry;
    ValueDisplay& parity;
    ValueDisplay& sign;
};

// Everything the unit holds, in one piece: "Takt zurück" keeps a copy per micro-step.
struct RechenwerkStand {
    std::uint16_t akku = 0;
    std::uint16_t operand = 0;
    bool zero = true;
    bool carry = false;
    bool parity = true;
    bool sign = false;
};

class TRechenwerk {
public:
    // Without displays the unit shows nothing (a headless run).
    explicit TRechenwerk(const RechenwerkAnzeigen* anzeigen = nullptr);

    std::uint16_t GetAkku() const { return s_.akku; }
    // Values outside 0..65535 throw Bereichsfehler and change nothing.
    void SetAkku(int v) {
        SetAkkuOhneFlags(v);
        SetzeFlags(v);
    }
    // Stores and shows the Akku but keeps the flags (restoring a saved Akku after its flags).
    void SetAkkuOhneFlags(int v) {
        if (v < 0 || v > 65535) {
            WirfBereichsfehler();
        }
        s_.akku = static_cast<std::uint16_t>(v);
        if (anzeigen_ != nullptr) {
            anzeigen_->akku.Show(s_.akku);
        }
    }
    std::uint16_t GetOperand() const { return s_.operand; }
    void SetOperand(int v);
    void AkkuInOperand() { SetOperand(s_.akku); }

    void SetzeFlags(int v) {
        SetZeroFlag(v == 0);
        SetzeParity(v);
        SetSignFlag(false);
    }
    // Even parity: an even number of bits set; a value <= 0 counts as none set.
    void SetzeParity(int v) {
        SetParityFlag(v <= 0 || std::popcount(static_cast<unsigned>(v)) % 2 == 0);
    }

    bool GetZeroFlag() const { return s_.zero; }
    void SetZeroFlag(bool f) {
        s_.zero = f;
        if (anzeigen_ != nullptr) {
            anzeigen_->zero.Show(f ? 1 : 0);
        }
    }
    bool GetCarryFlag() const { return s_.carry; }
    void SetCarryFlag(bool f) {
        s_.carry = f;
        if (anzeigen_ != nullptr) {
            anzeigen_->carry.Show(f ? 1 : 0);
        }
    }
    bool GetParityFlag() const { return s_.parity; }
    void SetParityFlag(bool f) {
        s_.parity = f;
        if (anzeigen_ != nullptr) {
            anzeigen_->parity.Show(f ? 1 : 0);
        }
    }
    bool GetSignFlag() const { return s_.sign; }
    void SetSignFlag(bool f) {
        s_.sign = f;
        if (anzeigen_ != nullptr) {
            anzeigen_->sign.Show(f ? 1 : 0);
        }
    }

    // Each combines the operand register O with the Akku A and leaves the result in A.
    std::uint16_t Addieren();
    std::uint16_t Subtrahieren();
    std::uint16_t Multiplizieren();
    std::uint16_t Dividieren(); // throws DivisionDurchNull for A = 0
    std::uint16_t Modulo();     // throws DivisionDurchNull for A = 0
    std::uint16_t Inkrementieren();
    std::uint16_t Dekrementieren();
    std::uint16_t LogischUnd();
    std::uint16_t LogischOder();
    std::uint16_t LogischXor();
    std::uint16_t LogischNicht();
    // Shift or rotate O by A places into A, the last bit out in C.
    std::uint16_t ShiftLinks() { return Schieben(Schiebeart::ShiftLinks); }
    std::uint16_t ShiftRechts() { return Schieben(Schiebeart::ShiftRechts); }
    std::uint16_t RotiereLinks() { return Schieben(Schiebeart::RotiereLinks); }
    std::uint16_t RotiereRechts() { return Schieben(Schiebeart::RotiereRechts); }
    std::uint16_t Vergleichen();

    bool Sprungbedingung(int befehl) const;

    // 2 * Z + C, the flags word of a stack frame.
    int FlagsWort() const { return (s_.zero ? 2 : 0) + (s_.carry ? 1 : 0); }

    const RechenwerkStand& GetStand() const { return s_; }
    // Takes a copy back (undo) and shows it.
    void SetStand(const RechenwerkStand& stand);

    // While off, values change without being shown; switching on shows them all again.
    void SetAnzeigenAktiv(bool aktiv);
    void AnzeigenErneuern();

private:
    enum class Schiebeart { ShiftLinks, ShiftRechts, RotiereLinks, RotiereRechts };
    std::uint16_t Schieben(Schiebeart art);

    [[noreturn]] static void WirfBereichsfehler();
    void ZeigeAkku();
    void ZeigeOperand();

    RechenwerkStand s_;
    const RechenwerkAnzeigen* verbunden_; // the displays, if any
    const RechenwerkAnzeigen* anzeigen_;  // the same, or nullptr while showing is off
};

} // namespace tovak
