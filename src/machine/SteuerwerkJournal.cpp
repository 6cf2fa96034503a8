// "Takt zurück" in the control unit: one record per micro-step with a copy of the scalar
// state before it, and undoing micro-steps.
#include "machine/Steuerwerk.h"

#include <cstring>

namespace tovak {

namespace {

// The copy a record keeps: the scalar state of the control unit, of the arithmetic unit and
// of both buses, then a byte for what the micro-step counted, filled in once it completed.
constexpr std::size_t kRechenwerkAb = sizeof(SteuerwerkStand);
constexpr std::size_t kBusseAb = kRechenwerkAb + sizeof(RechenwerkStand);
constexpr std::size_t kKopieBytes = kBusseAb + 2 * sizeof(std::int32_t);
constexpr std::size_t kZaehlung = kKopieBytes;
constexpr std::uint8_t kVollstaendig = 1;
constexpr std::uint8_t kDecodiert = 2;
static_assert(kKopieBytes + 1 <= TJournal::kMaxBytes);

} // namespace

void TSteuerwerk::VerbindeJournal(TJournal* journal) {
    journal_ = journal;
    speicher_.SetJournal(journal);
    register_.SetJournal(journal);
    eaEinheit_.SetJournal(journal);
}

void TSteuerwerk::JournalEinschalten(std::size_t grenze) {
    journalBesitz_ = std::make_unique<TJournal>(grenze);
    VerbindeJournal(journalBesitz_.get());
}

void TSteuerwerk::JournalAusschalten() {
    VerbindeJournal(nullptr);
    journalBesitz_.reset();
}

void TSteuerwerk::JournalLeeren() {
    if (journal_ != nullptr) {
        journal_->Leeren();
    }
}

bool TSteuerwerk::KannZuruecknehmen() const {
    return journal_ != nullptr && !journal_->Leer() && !journal_->Offen();
}

void TSteuerwerk::MerkePhasen(int von, int anzahl) {
    if (journal_ != nullptr && von >= 0 && anzahl > 0 && von + anzahl <= kPhasen) {
        journal_->MerkeBytes(JournalFeld::Phasen, von, &phasen_[static_cast<std::size_t>(von)],
                             static_cast<std::size_t>(anzahl));
    }
}

void TSteuerwerk::TaktMitJournal() {
    // One record per micro-step, opened with a copy of everything scalar it may change.
    const bool eigenerEintrag = !journal_->Offen();
    if (eigenerEintrag) {
        journal_->Oeffnen();
    }
    std::uint8_t kopie[kKopieBytes + 1];
    std::memcpy(kopie, &z_, sizeof z_);
    std::memcpy(kopie + kRechenwerkAb, &rechenwerk_.GetStand(), sizeof(RechenwerkStand));
    const std::int32_t busse[2] = {datenbus_.GetValue(), adressbus_.GetValue()};
    std::memcpy(kopie + kBusseAb, busse, sizeof busse);
    kopie[kZaehlung] = 0;
    const std::ptrdiff_t stelle = journal_->MerkeBytes(JournalFeld::Stand, 0, kopie, sizeof kopie);
    try {
        TaktAusfuehren();
    } catch (...) {
        // A step that threw half-way stays undoable with what it changed (if anything);
        // it counted nothing.
        if (eigenerEintrag) {
            journal_->Schliessen();
        }
        throw;
    }
    journal_->Nachtragen(
        stelle, kZaehlung,
        static_cast<std::uint8_t>(kVollstaendig | (z_.phase == 3 ? kDecodiert : 0)));
    if (eigenerEintrag) {
        journal_->Schliessen();
    }
}

bool TSteuerwerk::TaktZurueck() {
    if (!KannZuruecknehmen()) {
        return false;
    }
    journal_->Zuruecknehmen(rueckEintraege_, rueckPuffer_);
    // Backwards, so a field changed twice in the step ends with its oldest value.
    for (auto e = rueckEintraege_.rbegin(); e != rueckEintraege_.rend(); ++e) {
        Wiederherstellen(*e);
    }
    AnzeigenErneuern();
    return true;
}

void TSteuerwerk::Wiederherstellen(const TJournal::Eintrag& e) {
    const auto wert = static_cast<int>(e.wert);
    switch (e.feld) {
    case JournalFeld::Stand: {
        if (e.anzahl != kKopieBytes + 1) {
            break;
        }
        std::memcpy(&z_, e.bytes, sizeof z_);
        RechenwerkStand rechenwerk;
        std::memcpy(&rechenwerk, e.bytes + kRechenwerkAb, sizeof rechenwerk);
        rechenwerk_.SetStand(rechenwerk);
        std::int32_t busse[2];
        std::memcpy(busse, e.bytes + kBusseAb, sizeof busse);
        datenbus_.SetValue(busse[0]);
        adressbus_.SetValue(busse[1]);
        const std::uint8_t zaehlung = e.bytes[kZaehlung];
        if ((zaehlung & kVollstaendig) != 0) {
            --taktzaehler_;
        }
        if ((zaehlung & kDecodiert) != 0) {
            --befehlszaehler_;
        }
        break;
    }
    case JournalFeld::Phasen:
        if (e.index >= 0 && e.index + static_cast<int>(e.anzahl) <= kPhasen) {
            std::memcpy(&phasen_[static_cast<std::size_t>(e.index)], e.bytes, e.anzahl);
        }
        break;
    case JournalFeld::Interrupt:
        interruptAnforderung_ = wert != 0;
        break;
    case JournalFeld::Speicherwert:
        speicher_.SetValue(e.index, wert);
        break;
    case JournalFeld::Speichermarke:
        speicher_.SetMarke(e.index, static_cast<Stapelmarke>(wert));
        break;
    case JournalFeld::Registerwert:
        register_.WertWiederherstellen(e.index, wert);
        break;
    case JournalFeld::Registerzeile:
        register_.ZeileWiederherstellen(wert);
        break;
    case JournalFeld::EAWert:
        eaEinheit_.WertWiederherstellen(wert);
        break;
    case JournalFeld::Ausgabezeile:
        eaEinheit_.ZeileZuruecknehmen(e.index);
        break;
    case JournalFeld::Ausgabelabel:
        eaEinheit_.LabelWiederherstellen(e.index, wert);
        break;
    }
}

} // namespace tovak
