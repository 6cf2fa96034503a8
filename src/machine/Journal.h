// The journal behind "Takt zurück": what it takes to undo micro-steps exactly. The control
// unit opens a record every few dozen micro-steps and puts a copy of the machine's scalar
// state into its head; while the record's micro-steps run, the memory, the registers and the
// input/output unit add an entry for each cell, register and output line they change, and
// the control unit notes the numbers typed. To undo, the control unit reads a record back
// and performs its earlier micro-steps again from the head's state.
//
// Records are a head of kKopfBytes raw bytes, then small entries (a tag, then
// variable-length numbers or a few raw bytes), packed into blocks of 1 MiB. A record never
// spans two blocks, so the oldest records are dropped a block at a time once the journal
// holds more than its limit. Opening, the head and closing cost a few instructions: a fast
// run records every micro-step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <deque>
#include <memory>
#include <vector>

namespace tovak {

// What an entry restores. Entries with an index carry it before the old value; byte entries
// carry raw bytes instead of a number.
enum class JournalFeld : std::uint8_t {
    Phasen,       // index: first position; bytes: the old micro-step codes from there
    Eingabe,      // the number typed at the number input, or -1 when cancelled
    Speicherwert, // index: the address
    Speichermarke,
    Registerwert, // index: the register
    Registerzeile,
    // Input/output unit; index of the output entries: the number of the output window
    EAWert,
    Ausgabezeile, // a line was appended
    Ausgabelabel,
};

class TJournal {
public:
    static constexpr std::size_t kBlockGroesse = std::size_t{1} << 20;
    // 56 MiB of records (and one spare block): at least a million micro-steps within 64 MB.
    static constexpr std::size_t kStandardGrenze = 56 * kBlockGroesse;
    // The most bytes one byte entry may carry.
    static constexpr std::size_t kMaxBytes = 127;
    // The bytes of a record's head, the opener's own, except the first: the number of
    // micro-steps the record holds.
    static constexpr std::size_t kKopfBytes = 88;

    struct Eintrag {
        JournalFeld feld{};
        int index = 0;
        std::int64_t wert = 0;
        const std::uint8_t* bytes = nullptr; // into the record read back
        std::size_t anzahl = 0;
    };

    explicit TJournal(std::size_t grenze = kStandardGrenze);
    TJournal(const TJournal&) = delete;
    TJournal& operator=(const TJournal&) = delete;

    // --- Records ------------------------------------------------------------------------
    // Opens a new record (none may be open) and gives its head to fill. Nothing is recorded
    // outside a record.
    std::uint8_t* Oeffnen() {
        // The common case: room left in the newest block right after the last record (ende_
        // is null when the next record has to open the long way).
        if (ende_ - pos_ < static_cast<std::ptrdiff_t>(kMindestPlatz)) {
            OeffnenNeu();
        }
        std::uint8_t* kopf = pos_;
        start_ = kopf;
        pos_ = kopf + kKopfBytes;
        return kopf;
    }
    // The head of the open record (after its entries it may have moved to another block).
    std::uint8_t* Kopf() const { return start_; }
    // Closes the open record.
    void Schliessen() {
        std::uint8_t* p = pos_;
        const std::ptrdiff_t laenge = p - start_;
        if (start_ != nullptr && laenge < 255) {
            // The common case: a short record, closed by its length in one byte.
            *p++ = static_cast<std::uint8_t>(laenge);
            pos_ = p;
            start_ = nullptr;
            return;
        }
        SchliessenLang();
    }
    // Reopens the newest record to add what belongs to its micro-step; false when there is
    // none (or a record is open already).
    bool Fortsetzen();
    bool Offen() const { return start_ != nullptr; }

    // --- Recording ----------------------------------------------------------------------
    void Merke(JournalFeld feld, std::int64_t alt) {
        if (start_ != nullptr) {
            Platz(kZahlPlatz);
            *pos_++ = static_cast<std::uint8_t>(feld);
            Zahl(ZigZag(alt));
        }
    }
    void Merke(JournalFeld feld, int index, std::int64_t alt) {
        if (start_ != nullptr) {
            Platz(2 * kZahlPlatz);
            *pos_++ = static_cast<std::uint8_t>(feld);
            Zahl(ZigZag(index));
            Zahl(ZigZag(alt));
        }
    }
    // A copy of `anzahl` (at most kMaxBytes) bytes; the index goes with fields that have one.
    void MerkeBytes(JournalFeld feld, int index, const void* bytes, std::size_t anzahl) {
        if (start_ != nullptr) {
            std::memcpy(Platz(feld, index, anzahl), bytes, anzahl);
        }
    }
    // Room for a byte entry of `anzahl` (at most kMaxBytes) bytes without index in the open
    // record, to be filled at once. `stelle` finds the bytes again for Nachtragen, also
    // after the record moved to another block.
    std::uint8_t* Reserviere(JournalFeld feld, std::size_t anzahl, std::ptrdiff_t& stelle) {
        Platz(static_cast<std::ptrdiff_t>(anzahl) + 2);
        std::uint8_t* p = pos_;
        p[0] = static_cast<std::uint8_t>(feld);
        p[1] = static_cast<std::uint8_t>(anzahl);
        pos_ = p + 2 + anzahl;
        stelle = p + 2 - start_;
        return p + 2;
    }
    void Nachtragen(std::ptrdiff_t stelle, std::uint8_t wert) { start_[stelle] = wert; }

    // --- Reading back -------------------------------------------------------------------
    // Takes the newest record out of the journal: its head (kKopfBytes) and its entries in
    // recording order, both pointing into `puffer`, which holds the record's bytes.
    bool Zuruecknehmen(const std::uint8_t*& kopf, std::vector<Eintrag>& eintraege,
                       std::vector<std::uint8_t>& puffer);

    // The micro-steps kept, by the first byte of each record's head (counted one by one: for
    // tests and measurements).
    std::size_t Schritte() const;
    bool Leer() const { return Nutzbytes() == 0; }
    // Bytes of the kept records, and bytes of memory held.
    std::size_t Nutzbytes() const;
    std::size_t Speicherbytes() const;
    std::size_t Grenze() const { return grenze_; }
    // Forgets every record (an open one too).
    void Leeren();

    static bool HatIndex(JournalFeld feld);
    static bool HatBytes(JournalFeld feld);

private:
    static constexpr std::ptrdiff_t kZahlPlatz = 11; // a tag and a 64-bit number
    // Room kept at the end of a block for the length that closes a record.
    static constexpr std::size_t kLaengenPlatz = 5;
    // A record that starts with less room than this starts in a new block.
    static constexpr std::size_t kMindestPlatz = 256;

    struct Block {
        std::unique_ptr<std::uint8_t[]> daten;
        std::size_t groesse = 0;
        // Bytes of closed records; of the newest block only up to date after Abgleichen.
        std::size_t belegt = 0;
    };

    static std::uint64_t ZigZag(std::int64_t v) {
        return (static_cast<std::uint64_t>(v) << 1) ^ static_cast<std::uint64_t>(v >> 63);
    }
    void Zahl(std::uint64_t v) {
        std::uint8_t* p = pos_;
        while (v >= 0x80) {
            *p++ = static_cast<std::uint8_t>(v | 0x80);
            v >>= 7;
        }
        *p++ = static_cast<std::uint8_t>(v);
        pos_ = p;
    }
    void Platz(std::ptrdiff_t bytes) {
        if (ende_ - pos_ < bytes) {
            Umziehen(static_cast<std::size_t>(bytes));
        }
    }
    std::uint8_t* Platz(JournalFeld feld, int index, std::size_t anzahl) {
        Platz(static_cast<std::ptrdiff_t>(anzahl) + 2 + kZahlPlatz);
        *pos_++ = static_cast<std::uint8_t>(feld);
        if (feld == JournalFeld::Phasen) {
            Zahl(ZigZag(index));
        }
        std::uint8_t* p = pos_;
        *p = static_cast<std::uint8_t>(anzahl);
        pos_ = p + 1 + anzahl;
        return p + 1;
    }
    std::uint8_t* Blockende() const {
        return letzter_->daten.get() + letzter_->groesse - kLaengenPlatz;
    }
    // Makes room for a record at the end of the newest block, or in a new one.
    void OeffnenNeu();
    void SchliessenLang();
    // Where the closed records of the newest block end.
    std::uint8_t* Frei() const { return start_ != nullptr ? start_ : pos_; }
    void LetzterBlock() { letzter_ = bloecke_.empty() ? nullptr : &bloecke_.back(); }
    // The records closed in the newest block end where the open one starts, or where the
    // next would start: the fast path leaves its count of bytes to this.
    void Abgleichen() {
        if (ende_ != nullptr) {
            letzter_->belegt = static_cast<std::size_t>(Frei() - letzter_->daten.get());
        }
    }
    // Moves the open record into a fresh block with room for `bytes` more.
    void Umziehen(std::size_t bytes);
    Block NeuerBlock(std::size_t mindestens);
    void AeltesteVerwerfen();

    std::deque<Block> bloecke_;
    Block* letzter_ = nullptr;      // the newest block
    Block reserve_;                 // a dropped block kept for reuse
    std::uint8_t* start_ = nullptr; // the open record; nullptr when none is open
    std::uint8_t* pos_ = nullptr;
    std::uint8_t* ende_ = nullptr;
    std::size_t grenze_;
};

} // namespace tovak
