#include "machine/Journal.h"

#include <algorithm>
#include <cstring>

namespace tovak {

namespace {

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
    case JournalFeld::Phasen:
    case JournalFeld::Speicherwert:
    case JournalFeld::Speichermarke:
    case JournalFeld::Registerwert:
    case JournalFeld::Ausgabezeile:
    case JournalFeld::Ausgabelabel:
        return true;
    default:
        return false;
    }
}

bool TJournal::HatBytes(JournalFeld feld) {
    return feld == JournalFeld::Phasen;
}

TJournal::Block TJournal::NeuerBlock(std::size_t mindestens) {
    const std::size_t groesse = std::max(kBlockGroesse, mindestens + kLaengenPlatz);
    if (reserve_.daten && reserve_.groesse >= groesse) {
        Block b = std::move(reserve_);
        reserve_ = Block{};
        b.belegt = 0;
        return b;
    }
    Block b;
    b.daten = std::make_unique_for_overwrite<std::uint8_t[]>(groesse);
    b.groesse = groesse;
    return b;
}

void TJournal::OeffnenNeu() {
    Abgleichen();
    if (bloecke_.empty() ||
        bloecke_.back().groesse - bloecke_.back().belegt < kMindestPlatz + kLaengenPlatz) {
        bloecke_.push_back(NeuerBlock(kMindestPlatz));
        AeltesteVerwerfen();
    }
    LetzterBlock();
    Block& b = bloecke_.back();
    pos_ = b.daten.get() + b.belegt;
    ende_ = Blockende();
}

void TJournal::Umziehen(std::size_t bytes) {
    Abgleichen();
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
    LetzterBlock();
    start_ = bloecke_.back().daten.get();
    pos_ = start_ + laenge;
    ende_ = Blockende();
}

void TJournal::SchliessenLang() {
    if (start_ == nullptr) {
        return;
    }
    Abgleichen();
    Block& b = bloecke_.back();
    const auto laenge = static_cast<std::size_t>(pos_ - start_);
    if (laenge == 0) {
        // An empty block at the end would hide the newest record from Fortsetzen.
        if (b.belegt == 0 && bloecke_.size() > 1) {
            reserve_ = std::move(b);
            bloecke_.pop_back();
            LetzterBlock();
        }
        ende_ = nullptr; // the next record opens the long way
        pos_ = start_;
        start_ = nullptr;
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
    b.belegt = static_cast<std::size_t>(pos_ - b.daten.get());
    start_ = nullptr;
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
        if (alt.groesse == kBlockGroesse) {
            reserve_ = std::move(alt);
        }
        bloecke_.pop_front();
    }
}

bool TJournal::Fortsetzen() {
    if (start_ != nullptr || Leer()) {
        return false;
    }
    Abgleichen();
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
    start_ = daten + b.belegt;
    pos_ = start_ + laenge;
    ende_ = Blockende();
    return true;
}

bool TJournal::Zuruecknehmen(const std::uint8_t*& kopf, std::vector<Eintrag>& eintraege,
                             std::vector<std::uint8_t>& puffer) {
    eintraege.clear();
    if (!Fortsetzen()) {
        return false;
    }
    puffer.assign(start_, pos_);
    kopf = puffer.data();
    const std::uint8_t* p = puffer.data() + std::min(kKopfBytes, puffer.size());
    const std::uint8_t* ende = puffer.data() + puffer.size();
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
        if (HatBytes(e.feld)) {
            if (p == ende) {
                break;
            }
            const std::size_t anzahl = *p++;
            e.anzahl = std::min<std::size_t>(anzahl, static_cast<std::size_t>(ende - p));
            e.bytes = p;
            p += e.anzahl;
        } else {
            if (!LiesZahl(p, ende, v)) {
                break;
            }
            e.wert = UnZigZag(v);
        }
        eintraege.push_back(e);
    }
    // The record is gone: close it empty.
    pos_ = start_;
    SchliessenLang();
    return true;
}

std::size_t TJournal::Nutzbytes() const {
    std::size_t bytes = 0;
    for (const Block& b : bloecke_) {
        bytes += &b == letzter_ && ende_ != nullptr
                     ? static_cast<std::size_t>(Frei() - b.daten.get())
                     : b.belegt;
    }
    return bytes;
}

std::size_t TJournal::Schritte() const {
    std::size_t schritte = start_ != nullptr ? start_[0] : 0;
    for (const Block& b : bloecke_) {
        const std::uint8_t* daten = b.daten.get();
        std::size_t ende = &b == letzter_ && ende_ != nullptr
                               ? static_cast<std::size_t>(Frei() - daten)
                               : b.belegt;
        while (ende > 0) {
            std::size_t laenge = daten[ende - 1];
            std::size_t laengenBytes = 1;
            if (laenge == 255) {
                laenge = 0;
                for (int i = 0; i < 4; ++i) {
                    laenge |= static_cast<std::size_t>(daten[ende - 5 + i]) << (8 * i);
                }
                laengenBytes = 5;
            }
            ende -= laenge + laengenBytes;
            schritte += laenge > 0 ? daten[ende] : 0;
        }
    }
    return schritte;
}

std::size_t TJournal::Speicherbytes() const {
    std::size_t bytes = reserve_.groesse;
    for (const Block& b : bloecke_) {
        bytes += b.groesse;
    }
    return bytes;
}

void TJournal::Leeren() {
    start_ = nullptr;
    ende_ = nullptr;
    while (bloecke_.size() > 1) {
        bloecke_.pop_back();
    }
    LetzterBlock();
    if (!bloecke_.empty()) {
        bloecke_.front().belegt = 0;
    }
}

} // namespace tovak
