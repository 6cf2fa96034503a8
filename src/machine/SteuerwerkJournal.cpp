// "Takt zurück" in the control unit: switching the journal on and undoing micro-steps.
#include "machine/Steuerwerk.h"

#include <vector>

namespace tovak {

void TSteuerwerk::VerbindeJournal(TJournal* journal) {
    journal_ = journal;
    datenbus_.SetJournal(journal, JournalFeld::Datenbus);
    adressbus_.SetJournal(journal, JournalFeld::Adressbus);
    speicher_.SetJournal(journal);
    register_.SetJournal(journal);
    rechenwerk_.SetJournal(journal);
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

bool TSteuerwerk::TaktZurueck() {
    if (!KannZuruecknehmen()) {
        return false;
    }
    std::vector<TJournal::Eintrag> eintraege;
    journal_->Zuruecknehmen(eintraege);
    // Backwards, so a field changed twice in the step ends with its oldest value.
    for (auto e = eintraege.rbegin(); e != eintraege.rend(); ++e) {
        Wiederherstellen(*e);
    }
    AnzeigenErneuern();
    return true;
}

void TSteuerwerk::AnzeigenErneuern() {
    ZeigeIP();
    anzeigen_.sp.SetText(" " + std::to_string(sp_));
    anzeigen_.isr.SetText(" " + std::to_string(isrAdresse_));
    anzeigen_.mikroschritt.SetText(phasenname_);
    anzeigen_.befehlsname.SetText(ausfuehrungsname_);
    ZeigeBefehl();
    datenbus_.Anzeigen();
    adressbus_.Anzeigen();
}

void TSteuerwerk::Wiederherstellen(const TJournal::Eintrag& e) {
    const auto wert = static_cast<int>(e.wert);
    switch (e.feld) {
    case JournalFeld::Schritt:
        schritt_ = static_cast<std::uint8_t>(wert);
        break;
    case JournalFeld::Phase:
        phase_ = wert;
        break;
    case JournalFeld::IP:
        // Directly: an IP of 65536 (KeinWert) is a value here.
        ip_ = wert;
        ZeigeIP();
        break;
    case JournalFeld::SP:
        sp_ = wert;
        anzeigen_.sp.SetText(" " + std::to_string(sp_));
        break;
    case JournalFeld::Befehl:
        SetBefehl(wert);
        break;
    case JournalFeld::Operand:
        SetOperand(e.wert);
        break;
    case JournalFeld::Fehler:
        fehler_ = static_cast<std::uint8_t>(wert);
        break;
    case JournalFeld::IsrRahmenSP:
        isrRahmenSP_ = wert;
        break;
    case JournalFeld::PhasenEintrag:
        if (e.index >= 0 && e.index < kPhasen) {
            phasen_[static_cast<std::size_t>(e.index)] = static_cast<std::uint8_t>(wert);
        }
        break;
    case JournalFeld::Phasenname:
        ZeigePhasenname(wert, Mikroschrittname(wert));
        break;
    case JournalFeld::PhasennameText:
        ZeigePhasenname(kEigenerName, e.text);
        break;
    case JournalFeld::Ausfuehrungsname:
        ZeigeAusfuehrungsname(wert, Ausfuehrungsname(wert));
        break;
    case JournalFeld::AusfuehrungsnameText:
        ZeigeAusfuehrungsname(kEigenerName, e.text);
        break;
    case JournalFeld::InISR:
        inISR_ = wert != 0;
        break;
    case JournalFeld::IPWeiter:
        ipWeiter_ = wert != 0;
        break;
    case JournalFeld::Interrupt:
        interruptAnforderung_ = wert != 0;
        break;
    case JournalFeld::InterruptEintritt:
        interruptEintritt_ = wert != 0;
        break;
    case JournalFeld::IPWeiterBeiEintritt:
        ipWeiterBeiEintritt_ = wert != 0;
        break;
    case JournalFeld::Vollstaendig:
        --taktzaehler_;
        if (wert != 0) {
            --befehlszaehler_;
        }
        break;
    case JournalFeld::Datenbus:
        datenbus_.SetValue(wert);
        break;
    case JournalFeld::Adressbus:
        adressbus_.SetValue(wert);
        break;
    case JournalFeld::Akku:
        rechenwerk_.SetAkkuOhneFlags(wert);
        break;
    case JournalFeld::OperandRegister:
        rechenwerk_.SetOperand(wert);
        break;
    case JournalFeld::ZeroFlag:
        rechenwerk_.SetZeroFlag(wert != 0);
        break;
    case JournalFeld::CarryFlag:
        rechenwerk_.SetCarryFlag(wert != 0);
        break;
    case JournalFeld::ParityFlag:
        rechenwerk_.SetParityFlag(wert != 0);
        break;
    case JournalFeld::SignFlag:
        rechenwerk_.SetSignFlag(wert != 0);
        break;
    case JournalFeld::Speicherwert:
        speicher_.SetValue(e.index, wert);
        break;
    case JournalFeld::Speichertext:
        speicher_.SetText(e.index, e.text);
        break;
    case JournalFeld::Registerwert:
        register_.WertWiederherstellen(e.index, wert);
        break;
    case JournalFeld::Registerzeile:
        register_.GetGrid().SetRow(wert);
        break;
    case JournalFeld::EAWert:
        eaEinheit_.WertWiederherstellen(wert);
        break;
    case JournalFeld::Ausgabezeile:
        eaEinheit_.ZeileZuruecknehmen(e.index);
        break;
    case JournalFeld::Ausgabelabel:
        eaEinheit_.LabelWiederherstellen(e.index, e.text);
        break;
    }
}

} // namespace tovak
