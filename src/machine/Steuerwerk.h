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

// The German name of a micro-step code, empty for codes that are no micro-step.
const std::string& Mikroschrittname(int code);

struct SteuerwerkAnzeigen {
    NumberDisplay& ip;
    TextDisplay& sp;
    TextDisplay& isr;
    TextDisplay& mikroschritt;
    TextDisplay& befehl;
    TextDisplay& befehlsname;
};

struct SteuerwerkRueckrufe {
    // Runs after every change of the IP.
    std::function<void(int)> ipGeaendert;
    // The number input of micro-step 31: 0..65535, or -1 when the user cancels.
    std::function<int()> zahlEingeben;
    // An error message box (caption, text).
    std::function<void(const std::string&, const std::string&)> fehlerBox;
};

class TSteuerwerk {
public:
    static constexpr int kPhasen = 21;
    static constexpr std::uint8_t kListenende = 255;
    static constexpr int kEndeIndex = 19;
    static constexpr int kStartSP = 4000;
    static constexpr int kISRAdresse = 3000;
    static constexpr int kStackGrenze = 3100;

    TSteuerwerk(TRAM& speicher, TReg& reg, TRechenwerk& rechenwerk, TEAEinheit& ea,
                const SteuerwerkAnzeigen& anzeigen, TBus& datenbus, TBus& adressbus,
                SteuerwerkRueckrufe rueckrufe = {});

    // One micro-step. A range error or a division by zero throws (Bereichsfehler,
    // DivisionDurchNull); the step index then stays where it was.
    void Takt();

    int GetIP() const { return ip_; }
    void SetIP(int v);
    int GetSP() const { return sp_; }
    void SetSP(int v);
    int GetISRAdresse() const { return isrAdresse_; }
    void SetISRAdresse(int v);

    std::uint8_t GetSchritt() const { return schritt_; }
    void SetSchritt(int s);
    int GetPhase() const { return phase_; }
    std::uint8_t GetNaechstePhase() const { return phasen_[schritt_]; }
    const std::array<std::uint8_t, kPhasen>& GetPhasen() const { return phasen_; }

    bool GetIPWeiter() const { return ipWeiter_; }
    void SetIPWeiter(bool f) { Setze(ipWeiter_, f, JournalFeld::IPWeiter); }
    std::uint8_t GetFehler() const { return fehler_; }
    void SetFehler(std::uint8_t f) { SetzeFehler(f); }

    void SetInterrupt(bool f) { interruptAnforderung_ = f; }
    bool GetInterrupt() const { return interruptAnforderung_; }
    bool GetInISR() const { return inISR_; }
    // Forgets an interrupt that a stopped run left in service, so a fresh run can accept one.
    void ResetInterruptZustand();

    int GetBefehl() const { return befehl_; }
    void SetBefehl(int v);
    std::int64_t GetOperand() const { return operand_; }
    void SetOperand(std::int64_t v);
    const std::string& GetAusfuehrungsname() const { return ausfuehrungsname_; }
    void SetAusfuehrungsname(const std::string& text);
    const std::string& GetPhasenname() const { return phasenname_; }
    void SetPhasenname(const std::string& text);

    void Decodieren();
    void ResetPhasen();

    TBus& GetDatenbus() { return datenbus_; }
    TBus& GetAdressbus() { return adressbus_; }

    // --- Takt zurück ----------------------------------------------------------------------
    // With the journal on, every Takt records what it changes in this unit and in the units
    // it drives, so that TaktZurueck can undo it. The interrupt request line is the user's
    // and is not recorded (only micro-step 30's clearing of it is).
    void JournalEinschalten(std::size_t grenze = TJournal::kStandardGrenze);
    void JournalAusschalten();
    const TJournal* GetJournal() const { return journal_; }
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
        const bool fortgesetzt = journal_ != nullptr && journal_->Fortsetzen();
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
    // Shows every value of this unit and of both buses again.
    void AnzeigenErneuern();

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

    // The name fields remember which table entry they show, so the journal records a
    // number; other texts are recorded as text.
    static constexpr int kEigenerName = -1;

    void TaktAusfuehren();
    void ZeigeIP();
    void ZeigePhasenname(int nummer, const std::string& text);
    void SetAusfuehrungsnameVon(int befehl);
    void ZeigeAusfuehrungsname(int nummer, const std::string& text);
    void Wiederherstellen(const TJournal::Eintrag& e);
    void VerbindeJournal(TJournal* journal);
    void Setze(bool& feld, bool wert, JournalFeld journalFeld) {
        if (journal_ != nullptr && feld != wert) {
            journal_->Merke(journalFeld, feld ? 1 : 0);
        }
        feld = wert;
    }
    void SetzeFehler(std::uint8_t f) {
        if (journal_ != nullptr && f != fehler_) {
            journal_->Merke(JournalFeld::Fehler, fehler_);
        }
        fehler_ = f;
    }
    void SetzePhasenEintrag(std::size_t index, std::uint8_t code) {
        if (journal_ != nullptr && phasen_[index] != code) {
            journal_->Merke(JournalFeld::PhasenEintrag, static_cast<int>(index), phasen_[index]);
        }
        phasen_[index] = code;
    }

    void Mikroschritt(int code);
    void Ausfuehren();
    void InterruptTest();
    void Push(int wert, const char* label);
    bool PopErlaubt();
    void SchreibePhasen(std::initializer_list<std::uint8_t> codes);
    void ZeigeBefehl();
    void SetName(int code) { ZeigePhasenname(code, Mikroschrittname(code)); }

    std::array<std::uint8_t, kPhasen> phasen_{};
    std::uint8_t schritt_ = 0;
    int phase_ = KeinWert;
    TBus& datenbus_;
    TBus& adressbus_;
    TReg& register_;
    TRAM& speicher_;
    TRechenwerk& rechenwerk_;
    TEAEinheit& eaEinheit_;
    int ip_ = 0;
    int sp_ = kStartSP;
    int isrAdresse_ = kISRAdresse;
    bool interruptAnforderung_ = false;
    int befehl_ = KeinWert;
    std::int64_t operand_ = KeinWert;
    bool inISR_ = false;
    bool ipWeiter_ = false;
    std::string phasenname_;
    std::string ausfuehrungsname_;
    std::uint8_t fehler_ = KeinFehler;

    // Interrupt entry in progress: the frame must let IRET resume where the interrupted
    // program would have fetched next, also after a taken jump.
    bool interruptEintritt_ = false;
    bool ipWeiterBeiEintritt_ = false;
    // SP after the interrupt frame was pushed; the IRET that pops it ends the service.
    int isrRahmenSP_ = 0;
    bool inIPHandler_ = false;

    SteuerwerkAnzeigen anzeigen_;
    SteuerwerkRueckrufe rueckrufe_;

    int phasennameNummer_ = kEigenerName;
    int ausfuehrungsnameNummer_ = kEigenerName;
    long long taktzaehler_ = 0;
    long long befehlszaehler_ = 0;
    TJournal* journal_ = nullptr;
    std::unique_ptr<TJournal> journalBesitz_;
};

} // namespace tovak
