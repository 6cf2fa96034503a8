// "Takt zurück" in the control unit: one record per instruction with a copy of the scalar state
// before it, and undoing micro-steps by going back to that copy and performing the
// instruction's earlier micro-steps again.
#include "machine/Steuerwerk.h"

#include <cstddef>
#include <cstring>

namespace tovak {

namespace {

// A record's head. Copying the state once per instruction instead of once per micro-step is
// what keeps the journal cheap: the copy reads fields that the step before has just written
// a byte or two at a time.
struct Kopf {
    std::uint8_t schritte = 0; // the micro-steps the record holds (the journal counts them)
    bool leitung = false;      // the request line before the first of them
    long long takte = 0;
    long long befehle = 0;
    SteuerwerkStand z;
    RechenwerkStand rechenwerk;
    std::int32_t busse[2] = {};
};
static_assert(sizeof(Kopf) <= TJournal::kKopfBytes);
static_assert(offsetof(Kopf, schritte) == 0);

// A record holds at most this many micro-steps, so undoing one performs few again, also when
// a step that throws is tried over and over.
constexpr std::uint8_t kMaxSchritte = 64;

} // namespace

void TSteuerwerk::VerbindeJournal(TJournal* journal) {
    journal_ = journal;
    gruppeWeiter_ = false;
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
    gruppeWeiter_ = false;
}

bool TSteuerwerk::KannZuruecknehmen() const {
    return journal_ != nullptr && !journal_->Leer() && !journal_->Offen();
}

std::uint8_t* TSteuerwerk::GruppeOeffnen() {
    std::uint8_t* bytes = journal_->Oeffnen();
    Kopf kopf;
    kopf.leitung = interruptAnforderung_;
    kopf.takte = taktzaehler_;
    kopf.befehle = befehlszaehler_;
    kopf.z = z_;
    kopf.rechenwerk = rechenwerk_.GetStand();
    kopf.busse[0] = datenbus_.GetValue();
    kopf.busse[1] = adressbus_.GetValue();
    std::memcpy(bytes, &kopf, sizeof kopf);
    return bytes;
}

void TSteuerwerk::TaktMitJournal() {
    // A record still open holds what the window added to the step before; it ends here.
    if (journal_->Offen()) {
        journal_->Schliessen();
    }
    // The micro-steps of one instruction share a record, unless something outside a
    // micro-step changed the state since the last one.
    std::uint8_t* kopf = nullptr;
    if (z_.schritt != 0 && gruppeWeiter_) {
        kopf = journal_->Weiterfuehren();
    }
    if (kopf == nullptr || kopf[0] >= kMaxSchritte) {
        if (kopf != nullptr) {
            journal_->Schliessen();
        }
        kopf = GruppeOeffnen();
    }
    ++kopf[0];
    try {
        TaktAusfuehren();
    } catch (...) {
        // A step that threw stays undoable with what it changed.
        journal_->Schliessen();
        gruppeWeiter_ = true;
        throw;
    }
    journal_->Schliessen();
    gruppeWeiter_ = true;
}

bool TSteuerwerk::LeitungLesen() {
    bool leitung = interruptAnforderung_;
    if (wiederholung_) {
        leitung = gelesenPos_ < gelesen_.size() && gelesen_[gelesenPos_++] != 0;
    }
    if (journal_ != nullptr) {
        journal_->Merke(JournalFeld::Interrupt, leitung ? 1 : 0);
    }
    return leitung;
}

bool TSteuerwerk::TaktZurueck() {
    if (!KannZuruecknehmen()) {
        return false;
    }
    const std::uint8_t* bytes = nullptr;
    journal_->Zuruecknehmen(bytes, rueckEintraege_, rueckPuffer_);
    Kopf kopf;
    std::memcpy(&kopf, bytes, sizeof kopf);
    // Backwards, so a field changed twice ends with its oldest value.
    gelesen_.clear();
    for (const TJournal::Eintrag& e : rueckEintraege_) {
        if (e.feld == JournalFeld::Interrupt || e.feld == JournalFeld::Eingabe) {
            gelesen_.push_back(e.wert);
        }
    }
    for (auto e = rueckEintraege_.rbegin(); e != rueckEintraege_.rend(); ++e) {
        Wiederherstellen(*e);
    }
    const bool leitung = interruptAnforderung_;
    z_ = kopf.z;
    rechenwerk_.SetStand(kopf.rechenwerk);
    datenbus_.SetValue(kopf.busse[0]);
    adressbus_.SetValue(kopf.busse[1]);
    taktzaehler_ = kopf.takte;
    befehlszaehler_ = kopf.befehle;
    interruptAnforderung_ = kopf.leitung;
    Wiederholen(kopf.schritte - 1);
    // The micro-step undone cleared a request when it was micro-step 30 and read the line
    // set: that request comes back. Otherwise the line stays as the user left it.
    const bool geloescht =
        phasen_[z_.schritt] == static_cast<std::uint8_t>(Mikroschritt::ISRBeendet) &&
        gelesenPos_ < gelesen_.size() && gelesen_[gelesenPos_] != 0;
    interruptAnforderung_ = leitung || geloescht;
    gelesen_.clear();
    AnzeigenErneuern();
    return true;
}

void TSteuerwerk::Wiederholen(int anzahl) {
    gelesenPos_ = 0;
    gruppeWeiter_ = false;
    if (anzahl <= 0) {
        return;
    }
    const bool aktiv = anzeigenAktiv_;
    if (aktiv) {
        SetAnzeigenAktiv(false);
    }
    wiederholung_ = true;
    for (int i = 0; i < anzahl; ++i) {
        try {
            TaktMitJournal();
        } catch (...) {
            // It threw then too: the record holds it again.
        }
    }
    wiederholung_ = false;
    if (aktiv) {
        SetAnzeigenAktiv(true);
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
    case JournalFeld::Eingabe:
        break; // read, not changed
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
