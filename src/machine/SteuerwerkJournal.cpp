// "Takt zurück" in the control unit: one record per micro-step with a copy of the scalar state
// before it, and undoing micro-steps.
#include "machine/Steuerwerk.h"

#include <cstring>

namespace tovak {

namespace {

// The head's layout: the scalar state before the micro-step (Takt).
constexpr std::size_t kRechenwerkAb = sizeof(SteuerwerkStand);
constexpr std::size_t kBusseAb = kRechenwerkAb + sizeof(RechenwerkStand);
static_assert(kBusseAb + 2 * sizeof(std::int32_t) == TJournal::kKopfBytes);

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

void TSteuerwerk::TaktMitJournal() {
    // One record per micro-step, its head a copy of the scalar state from before it, then
    // what the units record while it runs. (A record still open holds what the window added
    // to the step before; it ends here.)
    if (journal_->Offen()) {
        journal_->Schliessen();
    }
    std::uint8_t* kopf = journal_->Oeffnen();
    std::memcpy(kopf, &z_, sizeof z_);
    std::memcpy(kopf + kRechenwerkAb, &rechenwerk_.GetStand(), sizeof(RechenwerkStand));
    const std::int32_t busse[2] = {datenbus_.GetValue(), adressbus_.GetValue()};
    std::memcpy(kopf + kBusseAb, busse, sizeof busse);
    try {
        TaktAusfuehren();
    } catch (...) {
        // A step that threw stays undoable with what it changed; it counted nothing.
        journal_->Merke(JournalFeld::Abgebrochen, 0);
        journal_->Schliessen();
        throw;
    }
    journal_->Schliessen();
}

bool TSteuerwerk::TaktZurueck() {
    if (!KannZuruecknehmen()) {
        return false;
    }
    const std::uint8_t* kopf = nullptr;
    journal_->Zuruecknehmen(kopf, rueckEintraege_, rueckPuffer_);
    // Backwards, so a field changed twice in the step ends with its oldest value.
    bool abgebrochen = false;
    for (auto e = rueckEintraege_.rbegin(); e != rueckEintraege_.rend(); ++e) {
        abgebrochen = abgebrochen || e->feld == JournalFeld::Abgebrochen;
        Wiederherstellen(*e);
    }
    StandWiederherstellen(kopf, !abgebrochen);
    AnzeigenErneuern();
    return true;
}

void TSteuerwerk::StandWiederherstellen(const std::uint8_t* bytes, bool gezaehlt) {
    // The step now undone decoded an instruction when it was micro-step 3.
    const bool decodiert = z_.phase == static_cast<std::uint16_t>(Mikroschritt::BefehlDecodieren);
    std::memcpy(&z_, bytes, sizeof z_);
    RechenwerkStand rechenwerk;
    std::memcpy(&rechenwerk, bytes + kRechenwerkAb, sizeof rechenwerk);
    rechenwerk_.SetStand(rechenwerk);
    std::int32_t busse[2];
    std::memcpy(busse, bytes + kBusseAb, sizeof busse);
    datenbus_.SetValue(busse[0]);
    adressbus_.SetValue(busse[1]);
    if (gezaehlt) {
        --taktzaehler_;
        if (decodiert) {
            --befehlszaehler_;
        }
    }
}

void TSteuerwerk::Wiederherstellen(const TJournal::Eintrag& e) {
    const auto wert = static_cast<int>(e.wert);
    switch (e.feld) {
    case JournalFeld::Phasen:
        if (e.index >= 0 && e.index + static_cast<int>(e.anzahl) <= kPhasen) {
            std::memcpy(&phasen_[static_cast<std::size_t>(e.index)], e.bytes, e.anzahl);
        }
        break;
    case JournalFeld::Interrupt:
        interruptAnforderung_ = wert != 0;
        break;
    case JournalFeld::Abgebrochen:
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
