// The control unit: runs the program in memory one micro-step per Takt, with the stack and
// the interrupt.
#pragma once

#include "machine/Befehle.h"
#include "machine/Bus.h"
#include "machine/Displays.h"
#include "machine/EAEinheit.h"
#include "machine/Journal.h"
#include "machine/RAM.h"
#include "machine/Rechenwerk.h"
#include "machine/Reg.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tovak {

// Error codes of the control unit.
enum SteuerwerkFehler : std::uint8_t {
    KeinFehler = 0,
    FehlerBefehlUnbekannt = 1,
    FehlerIPUeberlauf = 2,
    FehlerStackUnterlauf = 3,
    FehlerStackUeberlauf = 4,
    FehlerSpeicherAdressierung = 5,
    FehlerEingabeAbbruch = 6,
    CPUStop = 7,
};

// The message for error codes 1 to 6; empty for every other code.
const char* Fehlermeldung(int code);

// The displays and what they are handed: the IP as a number, SP and service address in
// decimal (BlankDezimalText), the code of the micro-step performed last (MikroschrittText),
// the instruction and its operand, and the number of the instruction whose name during
// execution shows (AusfuehrungsnameText).
struct SteuerwerkAnzeigen {
    ValueDisplay& ip;
    ValueDisplay& sp;
    ValueDisplay& isr;
    ValueDisplay& mikroschritt;
    InstructionDisplay& befehl;
    ValueDisplay& befehlsname;
};

struct SteuerwerkRueckrufe {
    // Runs after every change of the IP.
    std::function<void(int)> ipGeaendert;
    // The number input of micro-step 31: 0..65535, or -1 when the user cancels.
    std::function<int()> zahlEingeben;
    // An error message box (caption, text).
    std::function<void(const std::string&, const std::string&)> fehlerBox;
};

// The control unit's scalar fields in one piece: "Takt zurück" keeps a copy per micro-step,
// so it is kept small. The interrupt request line is the learner's and lives outside.
struct SteuerwerkStand {
    static constexpr std::uint16_t kKeine = 0xFFFF; // no micro-step performed, no name shown
    // Bits of `merker`.
    static constexpr std::uint8_t kInISR = 1;
    static constexpr std::uint8_t kIPWeiter = 2;
    // Interrupt entry in progress: the frame must let IRET resume where the interrupted
    // program would have fetched next, also after a taken jump.
    static constexpr std::uint8_t kInterruptEintritt = 4;
    static constexpr std::uint8_t kIPWeiterBeiEintritt = 8;

    std::int32_t ip = 0;
    std::int32_t sp = 4000;
    std::int32_t befehl = KeinWert;
    std::int32_t operand = KeinWert; // the operand cell's value, or KeinWert
    // SP after the interrupt frame was pushed; the IRET that pops it ends the service.
    std::int32_t isrRahmenSP = 0;
    std::uint16_t phase = kKeine;            // the code performed last
    std::uint16_t ausfuehrungsname = kKeine; // the instruction whose execution name shows
    std::uint8_t schritt = 0;
    std::uint8_t phasenname = 0; // the code whose name shows (0: none)
    std::uint8_t fehler = 0;
    std::uint8_t merker = 0;
};

class TSteuerwerk {
public:
    static constexpr int kPhasen = 21;
    static constexpr int kEndeIndex = 19;
    static constexpr int kStartSP = 4000;
    static constexpr int kISRAdresse = 3000;
    static constexpr int kStackGrenze = 3100;

    // Without displays the unit shows nothing (a headless run); the callbacks still run.
    TSteuerwerk(TRAM& speicher, TReg& reg, TRechenwerk& rechenwerk, TEAEinheit& ea,
                const SteuerwerkAnzeigen* anzeigen, TBus& datenbus, TBus& adressbus,
                SteuerwerkRueckrufe rueckrufe = {});

    // One micro-step. A range error or a division by zero throws (Bereichsfehler,
    // DivisionDurchNull); the step index then stays where it was.
    void Takt() {
        if (journal_ == nullptr) {
            TaktAusfuehren();
            return;
        }
        // Micro-steps share a record, unless something outside a micro-step changed the
        // state since the last one. The record stays open between them: what the window
        // adds after a step (Nachtrag) belongs to it, and every other change outside a step
        // empties the journal.
        // A record holds kMaxGruppe micro-steps, a few instructions: the copy of the state
        // costs little per step, and undoing one performs few again.
        if (!gruppeWeiter_ || gruppenSchritte_ >= gruppenGrenze_) {
            GruppeOeffnen();
        }
        ++gruppenSchritte_;
        gruppeWeiter_ = true; // until a public setter changes the state
        // A step that throws stays in the record, undoable with what it changed.
        TaktAusfuehren();
    }

    int GetIP() const { return z_.ip; }
    void SetIP(int v);
    int GetSP() const { return z_.sp; }
    void SetSP(int v);
    int GetISRAdresse() const { return isrAdresse_; }
    void SetISRAdresse(int v);

    std::uint8_t GetSchritt() const { return z_.schritt; }
    void SetSchritt(int s);
    int GetPhase() const { return z_.phase == SteuerwerkStand::kKeine ? KeinWert : z_.phase; }
    std::uint8_t GetNaechstePhase() const { return phasen_[z_.schritt]; }
    const std::array<std::uint8_t, kPhasen>& GetPhasen() const { return phasen_; }

    bool GetIPWeiter() const { return Merker(SteuerwerkStand::kIPWeiter); }
    void SetIPWeiter(bool f) {
        SetzeMerker(SteuerwerkStand::kIPWeiter, f);
        gruppeWeiter_ = false;
    }
    std::uint8_t GetFehler() const { return z_.fehler; }
    void SetFehler(std::uint8_t f) {
        z_.fehler = f;
        gruppeWeiter_ = false;
    }

    void SetInterrupt(bool f) {
        // The micro-steps of a record read the line as its head has it: the next starts a
        // record of its own.
        gruppeWeiter_ = gruppeWeiter_ && f == interruptAnforderung_;
        interruptAnforderung_ = f;
    }
    bool GetInterrupt() const { return interruptAnforderung_; }
    bool GetInISR() const { return Merker(SteuerwerkStand::kInISR); }
    // Forgets an interrupt that a stopped run left in service, so a fresh run can accept one.
    void ResetInterruptZustand();

    int GetBefehl() const { return z_.befehl; }
    void SetBefehl(int v);
    std::int64_t GetOperand() const { return z_.operand; }
    void SetOperand(int v);
    // The names shown now: of the instruction during execution and of the micro-step.
    const std::string& GetAusfuehrungsname() const;
    const std::string& GetPhasenname() const { return Mikroschrittname(z_.phasenname); }

    void Decodieren();
    void ResetPhasen();

    TBus& GetDatenbus() { return datenbus_; }
    TBus& GetAdressbus() { return adressbus_; }

    // --- Displays ---------------------------------------------------------------------
    // While off, this unit and the units it drives (buses, arithmetic unit, the I/O unit's
    // spin edit) change their values without showing them and the IP handler does not run:
    // a fast run shows them a few times a second with AnzeigenErneuern. Switching on shows
    // everything again. The grids and the output window are told as always.
    void SetAnzeigenAktiv(bool aktiv);
    bool GetAnzeigenAktiv() const { return anzeigenAktiv_; }
    // Shows every value of this unit and of the units it drives again, and runs the IP
    // handler.
    void AnzeigenErneuern();

    // --- Takt zurück ----------------------------------------------------------------------
    // With the journal on, a copy of the scalar state is kept every few dozen micro-steps,
    // and every Takt records what it changes in the memory, the registers and the output,
    // and the number typed, so that TaktZurueck can undo it: back to the copy, then the
    // micro-steps after it again. Everything else they read is in the copy or comes back
    // with the undone entries; a change from outside (a public setter, the request line)
    // starts a new copy. The interrupt request line is the user's: undoing leaves it as it
    // is, except that undoing micro-step 30 brings back the request it cleared.
    void JournalEinschalten(std::size_t grenze = TJournal::kStandardGrenze);
    void JournalAusschalten();
    // The journal, with the open record's count of micro-steps brought up to date (the
    // count is kept apart while the record grows).
    const TJournal* GetJournal() const {
        KopfNachfuehren();
        return journal_;
    }
    // Forgets what can be undone; every edit of the program or of the machine outside a
    // Takt must call it.
    void JournalLeeren();
    // Something to undo, and no micro-step in progress.
    bool KannZuruecknehmen() const;
    // Undoes the newest recorded micro-step and shows every value again; false when there
    // is nothing to undo.
    bool TaktZurueck();
    // Runs f so that its changes belong to the micro-step performed last: undoing that step
    // undoes them too (the owner's reset after an error stop).
    template <class F> void Nachtrag(F&& f) {
        // The record's copy of the scalar state covers what f changes there; undoing the
        // step performs the record's earlier micro-steps again without f. The next Takt
        // starts a record of its own from what f left. (The record is still open unless
        // the step was undone.)
        const bool fortgesetzt = journal_ != nullptr && journal_->Fortsetzen();
        gruppeWeiter_ = false;
        try {
            f();
        } catch (...) {
            if (fortgesetzt) {
                journal_->Schliessen();
            }
            throw;
        }
        if (fortgesetzt) {
            journal_->Schliessen();
        }
    }

    // Micro-steps completed and instructions decoded since the last reset of the counters;
    // TaktZurueck counts back.
    long long GetTaktzaehler() const { return taktzaehler_; }
    long long GetBefehlszaehler() const { return befehlszaehler_; }
    void ZaehlerZuruecksetzen() {
        taktzaehler_ = 0;
        befehlszaehler_ = 0;
    }

private:
    friend struct SteuerwerkPruefung; // tests compare the whole state

    // Steps 1 to 4 of Takt: which micro-step, performing it, advancing.
    void TaktAusfuehren();
    // Opens a record with the state before its first micro-step (and closes the one
    // before).
    void GruppeOeffnen();
    // Writes the open record's count of micro-steps into its head.
    void KopfNachfuehren() const;
    // Closes the open record.
    void GruppeSchliessen();
    // Performs the newest record's first `anzahl` micro-steps again, with what they read
    // then, silently.
    void Wiederholen(int anzahl);

    // The micro-steps, by what they move.
    void IPAufAdressbus();                     // IP (+ 1 after an instruction) to the address bus
    void BefehlHolen();                        // memory to the data bus and the instruction
    void NaechsteZelleAufAdressbus();          // IP + 1 to the address bus
    void OperandHolen();                       // memory to the data bus and the operand
    void OperandAufAdressbus();                // operand to the address bus
    void SpeicherzelleAufAdressbus();          // memory to the address bus (a register number)
    void SpeicherAufDatenbus();                // memory to the data bus
    void RegisterAufDatenbus();                // register to the data bus
    void DatenbusInSpeicher();                 // data bus to memory
    void DatenbusInRegister();                 // data bus to a register
    void Ausfuehren();                         // the arithmetic unit, a jump or "Go Sub"
    void InterruptTest();                      // ends the instruction or enters the interrupt
    void InStack(int wert, Stapelmarke marke); // pushes: to memory at SP
    void ISRAdresseInIP();                     // the service address to the IP
    void FlagsAusStack();                      // pops: from memory at SP + 1
    void AkkuAusStack();
    void IPAusStack();
    void ISRBeenden();
    void ZahlInEAEinheit(); // the user's number to the I/O unit

    bool PopErlaubt();
    void SchreibePhasen(const Schrittliste& liste, bool isrBeenden);
    void SetName(Mikroschritt code);
    void SetAusfuehrungsnameVon(int befehl);
    void BefehlLeeren();
    void ZeigeIP();
    void IPHandler();
    void IPSetzen(int v);
    void SPSetzen(int v);
    void BefehlSetzen(int v);
    void OperandSetzen(int v);
    void ZeigeBefehl();
    void ZeigeBefehlsname();
    void Wiederherstellen(const TJournal::Eintrag& e);

    void VerbindeJournal(TJournal* journal);

    bool Merker(std::uint8_t bit) const { return (z_.merker & bit) != 0; }
    void SetzeMerker(std::uint8_t bit, bool f) {
        z_.merker = static_cast<std::uint8_t>(f ? z_.merker | bit : z_.merker & ~bit);
    }

    SteuerwerkStand z_;
    std::array<std::uint8_t, kPhasen> phasen_{};
    bool interruptAnforderung_ = false;
    int isrAdresse_ = kISRAdresse;
    TBus& datenbus_;
    TBus& adressbus_;
    TReg& register_;
    TRAM& speicher_;
    TRechenwerk& rechenwerk_;
    TEAEinheit& eaEinheit_;

    const SteuerwerkAnzeigen* verbunden_; // the displays, if any
    const SteuerwerkAnzeigen* anzeigen_;  // the same, or nullptr while showing is off
    bool anzeigenAktiv_ = true;
    bool inIPHandler_ = false;
    SteuerwerkRueckrufe rueckrufe_;

    long long taktzaehler_ = 0;
    long long befehlszaehler_ = 0;
    TJournal* journal_ = nullptr;
    std::unique_ptr<TJournal> journalBesitz_;
    std::vector<TJournal::Eintrag> rueckEintraege_; // kept for the next undo
    std::vector<std::uint8_t> rueckPuffer_;
    // The next Takt may add to the newest record: cleared by whatever changes the state
    // outside a micro-step, so that the record's copy stays the start of what it holds.
    bool gruppeWeiter_ = false;
    // Micro-steps in the open record (its head has the count once it is closed).
    static constexpr std::uint8_t kMaxGruppe = 64;
    // Steps performed again for an undo go into records of a few: whoever steps back once
    // mostly steps back again, and then performs few again.
    static constexpr std::uint8_t kRueckGruppe = 8;
    std::uint8_t gruppenGrenze_ = kMaxGruppe;
    std::uint8_t gruppenSchritte_ = 0;
    // The owner's number input or message box is open inside a micro-step.
    bool inRueckruf_ = false;
    // While micro-steps are performed again: the numbers typed then, in order.
    bool wiederholung_ = false;
    std::vector<std::int64_t> eingaben_;
    std::size_t eingabePos_ = 0;
};

} // namespace tovak
