// The journal behind "Takt zurück": for every micro-step the old values of what it changed,
// so the step can be undone exactly. The units write into it while a record is open (the
// control unit opens one per Takt); the control unit reads it back to undo.
//
// Records are byte strings of small entries (a tag and variable-length numbers) packed into
// blocks of 1 MiB. A record never spans two blocks, so the oldest records are dropped a
// block at a time once the journal holds more than its limit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace tovak {

// What an entry restores. Entries with an index carry it before the old value; text
// entries carry the old text instead of a number.
enum class JournalFeld : std::uint8_t {
    // Control unit
    Schritt,
    Phase,
    IP,
    SP,
    Befehl,
    Operand,
    Fehler,
    IsrRahmenSP,
    PhasenEintrag,        // index: position in the micro-step list
    Phasenname,           // old value: the micro-step code whose name was shown
    PhasennameText,       // text
    Ausfuehrungsname,     // old value: the instruction whose execution name was shown
    AusfuehrungsnameText, // text
    InISR,
    IPWeiter,
    Interrupt,
    InterruptEintritt,
    IPWeiterBeiEintritt,
    // Closes every completed micro-step; value 1 when it decoded an instruction.
    Vollstaendig,
    // Buses
    Datenbus,
    Adressbus,
    // Arithmetic unit
    Akku,
    OperandRegister,
    ZeroFlag,
    CarryFlag,
    ParityFlag,
    SignFlag,
    // Memory: index is the address
    Speicherwert,
    Speichertext, // text: the grid's old "Befehl / Daten" text
    // Registers
    Registerwert, // index: the register
    Registerzeile,
    // Input/output unit; index of the output entries: the number of the output window
    EAWert,
    Ausgabezeile, // a line was appended
    Ausgabelabel, // text: the window's old label
};

class TJournal {
public:
    static constexpr std::size_t kBlockGroesse = std::size_t{1} << 20;
    // 56 MiB of records (and one spare block): at least a million micro-steps within 64 MB.
    static constexpr std::size_t kStandardGrenze = 56 * kBlockGroesse;

    struct Eintrag {
        JournalFeld feld{};
        int index = 0;
        std::int64_t wert = 0;
        std::string text;
    };

    explicit TJournal(std::size_t grenze = kStandardGrenze);
    TJournal(const TJournal&) = delete;
    TJournal& operator=(const TJournal&) = delete;

    // --- Records ------------------------------------------------------------------------
    // Opens a new record. Nothing is recorded outside one.
    void Oeffnen();
    // Closes the open record; a record without entries is not kept.
    void Schliessen();
    // Reopens the newest record to add what belongs to its micro-step; false when there is
    // none (or a record is open already).
    bool Fortsetzen();
    bool Offen() const { return offen_; }

    // --- Recording ----------------------------------------------------------------------
    void Merke(JournalFeld feld, std::int64_t alt) {
        if (offen_) {
            Platz(kZahlPlatz);
            *pos_++ = static_cast<std::uint8_t>(feld);
            Zahl(ZigZag(alt));
        }
    }
    void Merke(JournalFeld feld, int index, std::int64_t alt) {
        if (offen_) {
            Platz(2 * kZahlPlatz);
            *pos_++ = static_cast<std::uint8_t>(feld);
            Zahl(ZigZag(index));
            Zahl(ZigZag(alt));
        }
    }
    void MerkeText(JournalFeld feld, int index, const std::string& alt);

    // --- Reading back -------------------------------------------------------------------
    // Takes the newest record out of the journal: its entries in recording order.
    bool Zuruecknehmen(std::vector<Eintrag>& eintraege);

    std::size_t Schritte() const { return schritte_; }
    bool Leer() const { return schritte_ == 0; }
    // Bytes of the kept records, and bytes of memory held.
    std::size_t Nutzbytes() const { return nutzbytes_; }
    std::size_t Speicherbytes() const;
    std::size_t Grenze() const { return grenze_; }
    // Forgets every record (an open one too).
    void Leeren();

    static bool HatIndex(JournalFeld feld);
    static bool HatText(JournalFeld feld);

private:
    static constexpr std::ptrdiff_t kZahlPlatz = 11; // a tag and a 64-bit number
    struct Block {
        std::unique_ptr<std::uint8_t[]> daten;
        std::size_t groesse = 0;
        std::size_t belegt = 0; // bytes of closed records
        std::size_t schritte = 0;
    };

    static std::uint64_t ZigZag(std::int64_t v) {
        return (static_cast<std::uint64_t>(v) << 1) ^ static_cast<std::uint64_t>(v >> 63);
    }
    void Zahl(std::uint64_t v) {
        while (v >= 0x80) {
            *pos_++ = static_cast<std::uint8_t>(v | 0x80);
            v >>= 7;
        }
        *pos_++ = static_cast<std::uint8_t>(v);
    }
    void Platz(std::ptrdiff_t bytes) {
        if (ende_ - pos_ < bytes) {
            Umziehen(static_cast<std::size_t>(bytes));
        }
    }
    // Moves the open record into a fresh block with room for `bytes` more.
    void Umziehen(std::size_t bytes);
    Block NeuerBlock(std::size_t mindestens);
    void AeltesteVerwerfen();

    std::deque<Block> bloecke_;
    Block reserve_; // a dropped block kept for reuse
    std::uint8_t* start_ = nullptr;
    std::uint8_t* pos_ = nullptr;
    std::uint8_t* ende_ = nullptr;
    bool offen_ = false;
    std::size_t schritte_ = 0;
    std::size_t nutzbytes_ = 0;
    std::size_t grenze_;
};

} // namespace tovak
