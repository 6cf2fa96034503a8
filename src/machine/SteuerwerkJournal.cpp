// "Takt zurück" in the control unit: a record per few dozen micro-steps with a copy of the
// scalar state before them, and undoing a micro-step by going back to that copy and
// performing the record's earlier micro-steps again.
#include "machine/Steuerwerk.h"

#include <cstddef>
#include <cstring>

namespace tovak {

namespace {

// A record's head. Copying the state once per record instead of once per micro-step is what
// keeps the journal cheap: the copy reads fields that the step before has just written a
// byte or two at a time, and it is large.
struct Kopf {
    std::uint8_t schritte = 0; // the micro-steps the record holds (the journal counts them)
    bool leitung = false;      // the request line, the same for all of them
    std::uint8_t phasen[TSteuerwerk::kPhasen] = {};
    long long takte = 0;
    long long befehle = 0;
    SteuerwerkStand z;
    RechenwerkStand rechenwerk;
    std::int32_t busse[2] = {};
};
static_assert(sizeof(Kopf) <= TJournal::kKopfBytes);
static_assert(offsetof(Kopf, schritte) == 0);

} // namespace

void TSteuerwerk::VerbindeJournal(TJournal* journal) {
    journal_ = journal;
    gruppeWeiter_ = false;
    gruppenSchritte_ = 0;
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
    gruppenSchritte_ = 0;
}

bool TSteuerwerk::KannZuruecknehmen() const {
    // Not from inside a micro-step: its number input, message box or IP handler.
    return journal_ != nullptr && !inRueckruf_ && !inIPHandler_ &&
           (journal_->Offen() || !journal_->Leer());
}

namespace {

template <class T> void Schreibe(std::uint8_t* kopf, std::size_t ab, const T& wert) {
    std::memcpy(kopf + ab, &wert, sizeof wert);
}

} // namespace

void TSteuerwerk::KopfNachfuehren() const {
    if (journal_ != nullptr && journal_->Offen()) {
        journal_->Kopf()[0] = gruppenSchritte_;
    }
}

void TSteuerwerk::GruppeSchliessen() {
    if (journal_->Offen()) {
        KopfNachfuehren();
        journal_->Schliessen();
    }
    gruppenSchritte_ = 0;
}

void TSteuerwerk::GruppeOeffnen() {
    GruppeSchliessen();
    std::uint8_t* kopf = journal_->Oeffnen();
    kopf[0] = 0;
    // Field by field, each as wide as the step wrote it, so each read is served from the
    // write just before instead of waiting for it.
    Schreibe(kopf, offsetof(Kopf, leitung), interruptAnforderung_);
    // The step list, written at the last decode, long enough ago to be read at once.
    Schreibe(kopf, offsetof(Kopf, phasen), phasen_);
    Schreibe(kopf, offsetof(Kopf, takte), taktzaehler_);
    Schreibe(kopf, offsetof(Kopf, befehle), befehlszaehler_);
    constexpr std::size_t z = offsetof(Kopf, z);
    Schreibe(kopf, z + offsetof(SteuerwerkStand, ip), z_.ip);
    Schreibe(kopf, z + offsetof(SteuerwerkStand, sp), z_.sp);
    Schreibe(kopf, z + offsetof(SteuerwerkStand, befehl), z_.befehl);
    Schreibe(kopf, z + offsetof(SteuerwerkStand, operand), z_.operand);
    Schreibe(kopf, z + offsetof(SteuerwerkStand, isrRahmenSP), z_.isrRahmenSP);
    Schreibe(kopf, z + offsetof(SteuerwerkStand, phase), z_.phase);
    Schreibe(kopf, z + offsetof(SteuerwerkStand, ausfuehrungsname), z_.ausfuehrungsname);
    Schreibe(kopf, z + offsetof(SteuerwerkStand, schritt), z_.schritt);
    Schreibe(kopf, z + offsetof(SteuerwerkStand, phasenname), z_.phasenname);
    Schreibe(kopf, z + offsetof(SteuerwerkStand, fehler), z_.fehler);
    Schreibe(kopf, z + offsetof(SteuerwerkStand, merker), z_.merker);
    const RechenwerkStand& r = rechenwerk_.GetStand();
    constexpr std::size_t rw = offsetof(Kopf, rechenwerk);
    Schreibe(kopf, rw + offsetof(RechenwerkStand, akku), r.akku);
    Schreibe(kopf, rw + offsetof(RechenwerkStand, operand), r.operand);
    Schreibe(kopf, rw + offsetof(RechenwerkStand, zero), r.zero);
    Schreibe(kopf, rw + offsetof(RechenwerkStand, carry), r.carry);
    Schreibe(kopf, rw + offsetof(RechenwerkStand, parity), r.parity);
    Schreibe(kopf, rw + offsetof(RechenwerkStand, sign), r.sign);
    Schreibe(kopf, offsetof(Kopf, busse), datenbus_.GetValue());
    Schreibe(kopf, offsetof(Kopf, busse) + sizeof(std::int32_t), adressbus_.GetValue());
}

bool TSteuerwerk::TaktZurueck() {
    if (!KannZuruecknehmen()) {
        return false;
    }
    GruppeSchliessen();
    const std::uint8_t* bytes = nullptr;
    journal_->Zuruecknehmen(bytes, rueckEintraege_, rueckPuffer_);
    Kopf kopf;
    std::memcpy(&kopf, bytes, sizeof kopf);
    // Backwards, so a field changed twice ends with its oldest value.
    eingaben_.clear();
    for (const TJournal::Eintrag& e : rueckEintraege_) {
        if (e.feld == JournalFeld::Eingabe) {
            eingaben_.push_back(e.wert);
        }
    }
    for (auto e = rueckEintraege_.rbegin(); e != rueckEintraege_.rend(); ++e) {
        Wiederherstellen(*e);
    }
    const bool leitung = interruptAnforderung_;
    z_ = kopf.z;
    std::memcpy(phasen_.data(), kopf.phasen, sizeof kopf.phasen);
    rechenwerk_.SetStand(kopf.rechenwerk);
    datenbus_.SetValue(kopf.busse[0]);
    adressbus_.SetValue(kopf.busse[1]);
    taktzaehler_ = kopf.takte;
    befehlszaehler_ = kopf.befehle;
    interruptAnforderung_ = kopf.leitung;
    Wiederholen(kopf.schritte - 1);
    // The micro-step undone cleared a request when it was micro-step 30 with the line set:
    // that request comes back. Otherwise the line stays as the user left it.
    const bool geloescht =
        phasen_[z_.schritt] == static_cast<std::uint8_t>(Mikroschritt::ISRBeendet) &&
        interruptAnforderung_;
    const bool wiederholt = interruptAnforderung_;
    interruptAnforderung_ = leitung || geloescht;
    // Steps after this one may join the record only while the line is as it has it.
    gruppeWeiter_ = gruppeWeiter_ && interruptAnforderung_ == wiederholt;
    eingaben_.clear();
    AnzeigenErneuern();
    return true;
}

void TSteuerwerk::Wiederholen(int anzahl) {
    eingabePos_ = 0;
    gruppeWeiter_ = false;
    if (anzahl <= 0) {
        return;
    }
    const bool aktiv = anzeigenAktiv_;
    if (aktiv) {
        SetAnzeigenAktiv(false);
    }
    wiederholung_ = true;
    gruppenGrenze_ = kRueckGruppe;
    for (int i = 0; i < anzahl; ++i) {
        try {
            Takt();
        } catch (...) {
            // It threw then too: the record holds it again.
        }
    }
    gruppenGrenze_ = kMaxGruppe;
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
