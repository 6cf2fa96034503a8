// The arithmetic unit: accumulator, operand register and the flags Z, C, P and S.
#pragma once

#include "machine/Displays.h"
#include "machine/Journal.h"

#include <cstdint>

namespace tovak {

struct RechenwerkAnzeigen {
    TextDisplay& akku;
    TextDisplay& operand;
    TextDisplay& zero;
    TextDisplay& carry;
    TextDisplay& parity;
    TextDisplay& sign;
};

class TRechenwerk {
public:
    explicit TRechenwerk(const RechenwerkAnzeigen& anzeigen);

    std::uint16_t GetAkku() const { return akku_; }
    // Values outside 0..65535 throw Bereichsfehler and change nothing.
    void SetAkku(int v);
    // Stores and shows the Akku but keeps the flags (restoring a saved Akku after its flags).
    void SetAkkuOhneFlags(int v);
    std::uint16_t GetOperand() const { return operand_; }
    void SetOperand(int v);
    void AkkuInOperand() { SetOperand(akku_); }

    void SetzeFlags(int v);
    void SetzeParity(int v);

    bool GetZeroFlag() const { return zero_; }
    void SetZeroFlag(bool f);
    bool GetCarryFlag() const { return carry_; }
    void SetCarryFlag(bool f);
    bool GetParityFlag() const { return parity_; }
    void SetParityFlag(bool f);
    bool GetSignFlag() const { return sign_; }
    void SetSignFlag(bool f);

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
    std::uint16_t ShiftLinks();
    std::uint16_t ShiftRechts();
    std::uint16_t RotiereLinks();
    std::uint16_t RotiereRechts();
    std::uint16_t Vergleichen();

    bool Sprungbedingung(int befehl) const;

    // 2 * Z + C, the flags word of a stack frame.
    int FlagsWort() const { return (zero_ ? 2 : 0) + (carry_ ? 1 : 0); }

    // Changes go into the journal; nullptr stops recording.
    void SetJournal(TJournal* journal) { journal_ = journal; }

private:
    void Merke(JournalFeld feld, bool alt, bool neu) {
        if (journal_ != nullptr && alt != neu) {
            journal_->Merke(feld, alt ? 1 : 0);
        }
    }

    static void ShowFlag(TextDisplay& display, bool f) { display.SetText(f ? "1" : "0"); }

    std::uint16_t akku_ = 0;
    std::uint16_t operand_ = 0;
    bool zero_ = true;
    bool carry_ = false;
    bool parity_ = true;
    bool sign_ = false;
    RechenwerkAnzeigen anzeigen_;
    TJournal* journal_ = nullptr;
};

} // namespace tovak
