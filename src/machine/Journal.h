// The journal behind "Takt zurück": for every micro-step what it takes to undo it exactly. The
// control unit opens one record per Takt and puts a copy of the machine's scalar state into
// it; the memory, the registers and the input/output unit add an entry for each cell,
// register and output line they change. The control unit reads the record back to undo.
//
// Records are byte strings of small entries (a tag, then variable-length numbers or a few
// raw bytes) packed into blocks of 1 MiB. A record never spans two blocks, so the oldest
// records are dropped a block at a time once the journal holds more than its limit.
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
    Stand,        // bytes: the scalar state before the micro-step
    Phasen,       // index: first position; bytes: the old micro-step codes from there
    Interrupt,    // the request line micro-step 30 cleared
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
    // Opens a new record. Nothing is recorded outside one.
    void Oeffnen() {
        if (!offen_ && bloecke_.size() > 0 && ende_ == Blockende() &&
            ende_ - pos_ >= static_cast<std::ptrdiff_t>(kMindestPlatz)) {
            // The common case: room left in the newest block right after the last record.
            start_ = pos_;
            offen_ = true;
            return;
        }
        OeffnenNeu();
    }
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
    // A copy of `anzahl` (at most kMaxBytes) bytes; returns where they stand in the open
    // record (see Nachtragen), or -1 outside a record.
    std::ptrdiff_t MerkeBytes(JournalFeld feld, int index, const void* bytes, std::size_t anzahl) {
        if (!offen_) {
            return -1;
        }
        Platz(static_cast<std::ptrdiff_t>(anzahl) + 2 + kZahlPlatz);
        *pos_++ = static_cast<std::uint8_t>(feld);
        if (HatIndex(feld)) {
            Zahl(ZigZag(index));
        }
        *pos_++ = static_cast<std::uint8_t>(anzahl);
        std::memcpy(pos_, bytes, anzahl);
        pos_ += anzahl;
        return pos_ - start_ - static_cast<std::ptrdiff_t>(anzahl);
    }
    // Overwrites a byte of the open record written by MerkeBytes at `stelle` + `versatz`.
    void Nachtragen(std::ptrdiff_t stelle, std::size_t versatz, std::uint8_t wert) {
        if (offen_ && stelle >= 0) {
            start_[static_cast<std::size_t>(stelle) + versatz] = wert;
        }
    }

    // --- Reading back -------------------------------------------------------------------
    // Takes the newest record out of the journal: its entries in recording order. Byte
    // entries point into `puffer`, which holds the record's bytes.
    bool Zuruecknehmen(std::vector<Eintrag>& eintraege, std::vector<std::uint8_t>& puffer);

    std::size_t Schritte() const { return schritte_; }
    bool Leer() const { return schritte_ == 0; }
    // Bytes of the kept records, and bytes of memory held.
    std::size_t Nutzbytes() const { return nutzbytes_; }
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
    std::uint8_t* Blockende() const {
        const Block& b = bloecke_.back();
        return b.daten.get() + b.groesse - kLaengenPlatz;
    }
    void OeffnenNeu();
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
