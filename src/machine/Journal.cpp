#include "machine/Journal.h"

#include <algorithm>
#include <cstring>

namespace tovak {

namespace {

// Room kept at the end of a block for the length that closes a record.
constexpr std::size_t kLaengenPlatz = 5;
// A record that starts with less room than this starts in a new block.
constexpr std::size_t kMindestPlatz = 256;

std::int64_t UnZigZag(std::uint64_t v) {
    return static_cast<std::int64_t>(v >> 1) ^ -static_cast<std::int64_t>(v & 1);
}

// Reads a variable-length number; false when the bytes end first.
bool LiesZahl(const std::uint8_t*& p, const std::uint8_t* ende, std::uint64_t& v) {
    v = 0;
    for (int shift = 0; p < ende && shift < 64; shift += 7) {
        const std::uint8_t b = *p++;
        v |= static_cast<std::uint64_t>(b & 0x7F) << shift;
        if ((b & 0x80) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

TJournal::TJournal(std::size_t grenze) : grenze_(std::max(grenze, kBlockGroesse)) {}

bool TJournal::HatIndex(JournalFeld feld) {
    switch (feld) {
    case JournalFeld::PhasenEintrag:
    case JournalFeld::Speicherwert:
    case JournalFeld::Speichertext:
    case JournalFeld::Registerwert:
    case JournalFeld::Ausgabezeile:
    case JournalFeld::Ausgabelabel:
        return true;
    default:
        return false;
    }
}

bool TJournal::HatText(JournalFeld feld) {
    switch (feld) {
    case JournalFeld::PhasennameText:
    case JournalFeld::AusfuehrungsnameText:
    case JournalFeld::Speichertext:
    case JournalFeld::Ausgabelabel:
        return true;
    default:
        return false;
    }
}

TJournal::Block TJournal::NeuerBlock(std::size_t mindestens) {
    const std::size_t groesse = std::max(kBlockGroesse, mindestens + kLaengenPlatz);
    if (reserve_.daten && reserve_.groesse >= groesse) {
        Block b = std::move(reserve_);
        reserve_ = Block{};
        b.belegt = 0;
        b.schritte = 0;
        return b;
    }
    Block b;
    b.daten = std::make_unique_for_overwrite<std::uint8_t[]>(groesse);
    b.groesse = groesse;
    return b;
}

void TJournal::Oeffnen() {
    if (offen_) {
        return;
    }
    if (bloecke_.empty() ||
        bloecke_.back().groesse - bloecke_.back().belegt < kMindestPlatz + kLaengenPlatz) {
        bloecke_.push_back(NeuerBlock(kMindestPlatz));
        AeltesteVerwerfen();
    }
    Block& b = bloecke_.back();
    start_ = b.daten.get() + b.belegt;
    pos_ = start_;
    ende_ = b.daten.get() + b.groesse - kLaengenPlatz;
    offen_ = true;
}

void TJournal::Umziehen(std::size_t bytes) {
    const auto laenge = static_cast<std::size_t>(pos_ - start_);
    Block neu = NeuerBlock(std::max(kMindestPlatz, 2 * (laenge + bytes)));
    std::memcpy(neu.daten.get(), start_, laenge);
    // A block holding only the open record is replaced; otherwise the record moves on.
    if (bloecke_.back().belegt == 0) {
        bloecke_.back() = std::move(neu);
    } else {
        bloecke_.push_back(std::move(neu));
        AeltesteVerwerfen();
    }
    Block& b = bloecke_.back();
    start_ = b.daten.get();
    pos_ = start_ + laenge;
    ende_ = b.daten.get() + b.groesse - kLaengenPlatz;
}

void TJournal::MerkeText(JournalFeld feld, int index, const std::string& alt) {
    if (!offen_) {
        return;
    }
    Platz(3 * kZahlPlatz + static_cast<std::ptrdiff_t>(alt.size()));
    *pos_++ = static_cast<std::uint8_t>(feld);
    if (HatIndex(feld)) {
        Zahl(ZigZag(index));
    }
    Zahl(alt.size());
    std::memcpy(pos_, alt.data(), alt.size());
    pos_ += alt.size();
}

void TJournal::Schliessen() {
    if (!offen_) {
        return;
    }
    offen_ = false;
    Block& b = bloecke_.back();
    const auto laenge = static_cast<std::size_t>(pos_ - start_);
    if (laenge == 0) {
        // An empty block at the end would hide the newest record from Fortsetzen.
        if (b.belegt == 0 && bloecke_.size() > 1) {
            reserve_ = std::move(b);
            bloecke_.pop_back();
        }
        return;
    }
    // The length closes the record, so it can be found from its end.
    if (laenge < 255) {
        *pos_++ = static_cast<std::uint8_t>(laenge);
    } else {
        const auto l = static_cast<std::uint32_t>(laenge);
        for (int i = 0; i < 4; ++i) {
            *pos_++ = static_cast<std::uint8_t>(l >> (8 * i));
        }
        *pos_++ = 255;
    }
    const auto mitLaenge = static_cast<std::size_t>(pos_ - start_);
    b.belegt += mitLaenge;
    ++b.schritte;
    ++schritte_;
    nutzbytes_ += mitLaenge;
}

// Runs when a block was added, the only time the limit can be passed.
void TJournal::AeltesteVerwerfen() {
    std::size_t belegt = 0;
    for (const Block& b : bloecke_) {
        belegt += b.groesse;
    }
    while (belegt > grenze_ && bloecke_.size() > 1) {
        Block& alt = bloecke_.front();
        belegt -= alt.groesse;
        schritte_ -= alt.schritte;
        nutzbytes_ -= alt.belegt;
        if (alt.groesse == kBlockGroesse) {
            reserve_ = std::move(alt);
        }
        bloecke_.pop_front();
    }
}

bool TJournal::Fortsetzen() {
    if (offen_ || schritte_ == 0) {
        return false;
    }
    Block& b = bloecke_.back();
    std::uint8_t* daten = b.daten.get();
    std::size_t laenge = daten[b.belegt - 1];
    std::size_t laengenBytes = 1;
    if (laenge == 255) {
        laenge = 0;
        for (int i = 0; i < 4; ++i) {
            laenge |= static_cast<std::size_t>(daten[b.belegt - 5 + i]) << (8 * i);
        }
        laengenBytes = 5;
    }
    b.belegt -= laenge + laengenBytes;
    --b.schritte;
    --schritte_;
    nutzbytes_ -= laenge + laengenBytes;
    start_ = daten + b.belegt;
    pos_ = start_ + laenge;
    ende_ = daten + b.groesse - kLaengenPlatz;
    offen_ = true;
    return true;
}

bool TJournal::Zuruecknehmen(std::vector<Eintrag>& eintraege) {
    eintraege.clear();
    if (!Fortsetzen()) {
        return false;
    }
    const std::uint8_t* p = start_;
    const std::uint8_t* ende = pos_;
    while (p < ende) {
        Eintrag e;
        e.feld = static_cast<JournalFeld>(*p++);
        std::uint64_t v = 0;
        if (HatIndex(e.feld)) {
            if (!LiesZahl(p, ende, v)) {
                break;
            }
            e.index = static_cast<int>(UnZigZag(v));
        }
        if (!LiesZahl(p, ende, v)) {
            break;
        }
        if (HatText(e.feld)) {
            const std::size_t n = std::min<std::size_t>(v, static_cast<std::size_t>(ende - p));
            e.text.assign(reinterpret_cast<const char*>(p), n);
            p += n;
        } else {
            e.wert = UnZigZag(v);
        }
        eintraege.push_back(std::move(e));
    }
    // The record is gone: close it empty.
    pos_ = start_;
    Schliessen();
    return true;
}

std::size_t TJournal::Speicherbytes() const {
    std::size_t bytes = reserve_.groesse;
    for (const Block& b : bloecke_) {
        bytes += b.groesse;
    }
    return bytes;
}

void TJournal::Leeren() {
    offen_ = false;
    while (bloecke_.size() > 1) {
        bloecke_.pop_back();
    }
    if (!bloecke_.empty()) {
        bloecke_.front().belegt = 0;
        bloecke_.front().schritte = 0;
    }
    schritte_ = 0;
    nutzbytes_ = 0;
}

} // namespace tovak
