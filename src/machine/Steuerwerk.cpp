#include "machine/Steuerwerk.h"

#include "machine/Fehler.h"
#include "util/NumberTexts.h"

#include <cstddef>

namespace tovak {

namespace {

// Wrapping add: the IP and SP are plain 32-bit registers without a limit test here.
int Plus(int v, int d) {
    return static_cast<int>(static_cast<std::uint32_t>(v) + static_cast<std::uint32_t>(d));
}

const std::array<std::string, 33>& Namen() {
    static const std::array<std::string, 33> namen = {
        "",
        "Befehl adressieren",
        "Befehl lesen",
        "Befehl decodieren",
        "Befehls-Operand adressieren",
        "Befehls-Operand lesen",
        "Konstante in Akku",
        "Speicher adressieren",
        "Register lesen",
        "Wert von Akku in Operand",
        "Speicher Lesezyklus",
        "Register Lesezyklus",
        "Akku Lesezyklus",
        "E/A-Einheit Lesezyklus",
        "Speicher Schreibzyklus",
        "Register Schreibzyklus",
        "Akku Schreibzyklus",
        "E/A-Einheit Schreibzyklus",
        "Befehl an ALU",
        "",
        "Flag lesen",
        "Befehl wird ausgeführt",
        "Test auf Interrupt",
        "IP im Stack ablegen",
        "Akku im Stack ablegen",
        "Flags im Stack ablegen",
        "IP auf Adresse der ISR setzen",
        "Flags wiederherstellen",
        "Akku wiederherstellen",
        "IP wiederherstellen",
        "ISR-Abarbeitung beendet",
        "Einlesen einer Zahl",
        "E/A-Einheit Schreibzyklus",
    };
    return namen;
}

const std::string kLeer;

bool IstBedingterSprung(int befehl) {
    return befehl >= 324 && befehl <= 335;
}
bool IstSprung(int befehl) {
    return befehl == 323 || IstBedingterSprung(befehl);
}

} // namespace

const char* Fehlermeldung(int code) {
    switch (code) {
    case FehlerBefehlUnbekannt:
        return "Der Befehl wurde nicht erkannt";
    case FehlerIPUeberlauf:
        return "Instruktion-Pointer Überlauf";
    case FehlerStackUnterlauf:
        return "Stack-Pointer Unterlauf";
    case FehlerStackUeberlauf:
        return "Stack-Pointer Überlauf";
    case FehlerSpeicherAdressierung:
        return "Hauptspeicher Überlauf (Speicher Adressierung)";
    case FehlerEingabeAbbruch:
        return "Abbruch der Eingabe";
    default:
        return "";
    }
}

const std::string& Mikroschrittname(int code) {
    if (code < 0 || code > 32) {
        return kLeer;
    }
    return Namen()[static_cast<std::size_t>(code)];
}

TSteuerwerk::TSteuerwerk(TRAM& speicher, TReg& reg, TRechenwerk& rechenwerk, TEAEinheit& ea,
                         const SteuerwerkAnzeigen& anzeigen, TBus& datenbus, TBus& adressbus,
                         SteuerwerkRueckrufe rueckrufe)
    : datenbus_(datenbus), adressbus_(adressbus), register_(reg), speicher_(speicher),
      rechenwerk_(rechenwerk), eaEinheit_(ea), anzeigen_(anzeigen),
      rueckrufe_(std::move(rueckrufe)) {
    SetIP(0);
    SetSP(kStartSP);
    SetISRAdresse(kISRAdresse);
    SetInterrupt(false);
    SetPhasenname(kLeer);
    SetBefehl(KeinWert);
    SetAusfuehrungsname(kLeer);
    SetOperand(KeinWert);
    fehler_ = KeinFehler;
    inISR_ = false;
    SetIPWeiter(false);
    ResetPhasen();
}

void TSteuerwerk::SetIP(int v) {
    if (v == KeinWert) {
        return;
    }
    if (journal_ != nullptr && v != ip_) {
        journal_->Merke(JournalFeld::IP, ip_);
    }
    ip_ = v;
    ZeigeIP();
}

void TSteuerwerk::ZeigeIP() {
    const int v = ip_;
    anzeigen_.ip.SetNumber(v);
    // The owner's handler may write the IP back; that must not call it again.
    if (rueckrufe_.ipGeaendert && !inIPHandler_) {
        inIPHandler_ = true;
        try {
            rueckrufe_.ipGeaendert(v);
        } catch (...) {
            inIPHandler_ = false;
            throw;
        }
        inIPHandler_ = false;
    }
}

void TSteuerwerk::SetSP(int v) {
    if (v == KeinWert) {
        return;
    }
    if (journal_ != nullptr && v != sp_) {
        journal_->Merke(JournalFeld::SP, sp_);
    }
    sp_ = v;
    anzeigen_.sp.SetText(" " + std::to_string(v));
}

void TSteuerwerk::SetISRAdresse(int v) {
    isrAdresse_ = v;
    anzeigen_.isr.SetText(" " + std::to_string(v));
}

void TSteuerwerk::SetSchritt(int s) {
    // Anything outside the list starts the next instruction.
    const auto schritt = static_cast<std::uint8_t>(s >= 0 && s < kPhasen ? s : 0);
    if (journal_ != nullptr && schritt != schritt_) {
        journal_->Merke(JournalFeld::Schritt, schritt_);
    }
    schritt_ = schritt;
}

void TSteuerwerk::ResetInterruptZustand() {
    Setze(inISR_, false, JournalFeld::InISR);
    Setze(interruptEintritt_, false, JournalFeld::InterruptEintritt);
}

void TSteuerwerk::SetBefehl(int v) {
    if (journal_ != nullptr && v != befehl_) {
        journal_->Merke(JournalFeld::Befehl, befehl_);
    }
    befehl_ = v;
    anzeigen_.befehlsname.SetText(ausfuehrungsname_);
    ZeigeBefehl();
}

void TSteuerwerk::SetOperand(std::int64_t v) {
    if (journal_ != nullptr && v != operand_) {
        journal_->Merke(JournalFeld::Operand, operand_);
    }
    operand_ = v;
    ZeigeBefehl();
}

void TSteuerwerk::SetAusfuehrungsname(const std::string& text) {
    ZeigeAusfuehrungsname(kEigenerName, text);
}

void TSteuerwerk::SetAusfuehrungsnameVon(int befehl) {
    ZeigeAusfuehrungsname(befehl, Ausfuehrungsname(befehl));
}

void TSteuerwerk::ZeigeAusfuehrungsname(int nummer, const std::string& text) {
    if (journal_ != nullptr && (nummer != ausfuehrungsnameNummer_ ||
                                (nummer == kEigenerName && text != ausfuehrungsname_))) {
        if (ausfuehrungsnameNummer_ != kEigenerName) {
            journal_->Merke(JournalFeld::Ausfuehrungsname, ausfuehrungsnameNummer_);
        } else {
            journal_->MerkeText(JournalFeld::AusfuehrungsnameText, 0, ausfuehrungsname_);
        }
    }
    ausfuehrungsnameNummer_ = nummer;
    ausfuehrungsname_ = text;
    anzeigen_.befehlsname.SetText(ausfuehrungsname_);
}

void TSteuerwerk::SetPhasenname(const std::string& text) {
    ZeigePhasenname(kEigenerName, text);
}

void TSteuerwerk::ZeigePhasenname(int nummer, const std::string& text) {
    if (journal_ != nullptr &&
        (nummer != phasennameNummer_ || (nummer == kEigenerName && text != phasenname_))) {
        if (phasennameNummer_ != kEigenerName) {
            journal_->Merke(JournalFeld::Phasenname, phasennameNummer_);
        } else {
            journal_->MerkeText(JournalFeld::PhasennameText, 0, phasenname_);
        }
    }
    phasennameNummer_ = nummer;
    phasenname_ = text;
    anzeigen_.mikroschritt.SetText(phasenname_);
}

void TSteuerwerk::ZeigeBefehl() {
    const bool ohneBefehl = befehl_ == KeinWert;
    const bool ohneOperand = operand_ == KeinWert;
    // Operands come from 32-bit cells; anything wider shows as 0x0000 like a negative one.
    const int operand = operand_ >= 0 && operand_ <= INT32_MAX ? static_cast<int>(operand_) : -1;
    if (ohneBefehl && ohneOperand) {
        anzeigen_.befehl.SetText(kLeer);
    } else if (ohneBefehl) {
        anzeigen_.befehl.SetText(IntToHex0x(operand) + " Fehler 999");
    } else if (ohneOperand) {
        anzeigen_.befehl.SetText(IntToHex0x(befehl_));
    } else {
        anzeigen_.befehl.SetText(IntToHex0x(befehl_) + "  " + IntToHex0x(operand));
    }
}

void TSteuerwerk::ResetPhasen() {
    SetzePhasenEintrag(0, 1);
    SetzePhasenEintrag(1, 2);
    SetzePhasenEintrag(2, 3);
    SetzePhasenEintrag(kEndeIndex, kListenende);
    SetSchritt(0);
    if (journal_ != nullptr && phase_ != KeinWert) {
        journal_->Merke(JournalFeld::Phase, phase_);
    }
    phase_ = KeinWert;
}

void TSteuerwerk::Takt() {
    if (journal_ == nullptr) {
        TaktAusfuehren();
        return;
    }
    // One record per micro-step. The step index moves inside the step without entries of
    // its own; one entry with its value before the step covers all of them.
    const bool eigenerEintrag = !journal_->Offen();
    if (eigenerEintrag) {
        journal_->Oeffnen();
    }
    const std::uint8_t schrittVorher = schritt_;
    try {
        TaktAusfuehren();
    } catch (...) {
        // A step that threw half-way stays undoable with what it changed (if anything).
        if (schritt_ != schrittVorher) {
            journal_->Merke(JournalFeld::Schritt, schrittVorher);
        }
        if (eigenerEintrag) {
            journal_->Schliessen();
        }
        throw;
    }
    if (schritt_ != schrittVorher) {
        journal_->Merke(JournalFeld::Schritt, schrittVorher);
    }
    journal_->Merke(JournalFeld::Vollstaendig, phase_ == 3 ? 1 : 0);
    if (eigenerEintrag) {
        journal_->Schliessen();
    }
}

void TSteuerwerk::TaktAusfuehren() {
    // While an interrupt is served the interrupt test is skipped: fetch at once.
    if (phasen_[schritt_] == 22 && inISR_) {
        schritt_ = 0;
    }
    const int code = phasen_[schritt_];
    if (journal_ != nullptr && phase_ != code) {
        journal_->Merke(JournalFeld::Phase, phase_);
    }
    phase_ = code;
    Mikroschritt(code);
    if (phasen_[schritt_] == kListenende || schritt_ + 1 >= kPhasen) {
        schritt_ = 0;
    } else {
        ++schritt_;
    }
    ++taktzaehler_;
    if (code == 3) {
        ++befehlszaehler_;
    }
}

void TSteuerwerk::SchreibePhasen(std::initializer_list<std::uint8_t> codes) {
    std::size_t i = 3;
    for (std::uint8_t code : codes) {
        SetzePhasenEintrag(i++, code);
    }
}

void TSteuerwerk::Decodieren() {
    if (IstSprung(befehl_)) {
        SchreibePhasen({4, 5, 21, 22});
        SetAusfuehrungsnameVon(befehl_);
        return;
    }
    switch (befehl_) {
    case 65:
        SchreibePhasen({4, 5, 6, 22});
        break;
    case 66:
        SchreibePhasen({4, 8, 11, 16, 22});
        break;
    case 67:
        SchreibePhasen({4, 8, 12, 15, 22});
        break;
    case 129:
    case 131:
    case 133:
    case 135:
    case 137:
    case 193:
    case 195:
    case 197:
    case 257:
    case 259:
    case 321:
        SchreibePhasen({4, 8, 11, 9, 6, 18, 21, 22});
        break;
    case 130:
    case 132:
    case 134:
    case 136:
    case 138:
    case 194:
    case 196:
    case 198:
    case 258:
    case 260:
    case 261:
    case 262:
    case 322:
        SchreibePhasen({4, 5, 9, 6, 18, 21, 22});
        break;
    case 139:
    case 140:
    case 199:
    case 449:
        SchreibePhasen({18, 21, 22});
        break;
    case 385:
        SchreibePhasen({13, 16, 22});
        break;
    case 386:
        SchreibePhasen({4, 8, 13, 15, 22});
        break;
    case 387:
        SchreibePhasen({12, 17, 22});
        break;
    case 388:
        SchreibePhasen({4, 8, 11, 17, 22});
        break;
    case 389:
        SchreibePhasen({12, 32, 22});
        break;
    case 390:
        SchreibePhasen({31, 22});
        break;
    case 450:
        // The IRET that pops the interrupt frame ends the service, so the next
        // interrupt can be accepted; one that returns from a Go Sub inside the ISR does not.
        if (inISR_ && sp_ == isrRahmenSP_) {
            SchreibePhasen({27, 28, 29, 30, 22});
        } else {
            SchreibePhasen({27, 28, 29, 22});
        }
        break;
    case 451:
        SchreibePhasen({22});
        break;
    case 452:
        SchreibePhasen({4, 5, 23, 24, 25, 21, 22});
        break;
    case 0:
        SetzeFehler(CPUStop);
        // A halted machine stays halted: a further Takt fetches the stop cell again.
        Setze(ipWeiter_, false, JournalFeld::IPWeiter);
        schritt_ = kEndeIndex;
        SetAusfuehrungsnameVon(0);
        return;
    default:
        SetzeFehler(FehlerBefehlUnbekannt);
        schritt_ = kEndeIndex;
        SetAusfuehrungsnameVon(KeinWert);
        return;
    }
    SetAusfuehrungsnameVon(befehl_);
}

void TSteuerwerk::Mikroschritt(int code) {
    switch (code) {
    case 1:
        SetName(code);
        if (ipWeiter_) {
            if (ip_ >= 65535) {
                SetzeFehler(FehlerIPUeberlauf);
            } else {
                SetIP(ip_ + 1);
            }
        }
        adressbus_.SetValue(ip_);
        datenbus_.SetValue(0);
        SetBefehl(KeinWert);
        SetAusfuehrungsnameVon(KeinWert);
        SetOperand(KeinWert);
        break;
    case 2:
        SetName(code);
        datenbus_.SetValue(speicher_.GetValue(adressbus_.GetValue()));
        SetBefehl(datenbus_.GetValue());
        break;
    case 3:
        SetName(code);
        Setze(ipWeiter_, true, JournalFeld::IPWeiter);
        Decodieren();
        break;
    case 4:
        SetName(code);
        SetIP(Plus(ip_, 1));
        adressbus_.SetValue(ip_);
        break;
    case 5:
        SetName(code);
        datenbus_.SetValue(speicher_.GetValue(adressbus_.GetValue()));
        SetOperand(datenbus_.GetValue());
        break;
    case 6:
    case 16:
        SetName(code);
        rechenwerk_.SetAkku(datenbus_.GetValue());
        break;
    case 7:
        SetName(code);
        if (operand_ == KeinWert) {
            if (rueckrufe_.fehlerBox) {
                rueckrufe_.fehlerBox("Fehler",
                                     "Modul Steuerwerk: SP_Adressieren, Operand ist undefniert");
            }
            SetzeFehler(FehlerSpeicherAdressierung);
        } else {
            adressbus_.SetValue(static_cast<int>(operand_));
        }
        break;
    case 8:
        SetName(code);
        adressbus_.SetValue(speicher_.GetValue(adressbus_.GetValue()));
        break;
    case 9:
        SetName(code);
        rechenwerk_.AkkuInOperand();
        break;
    case 10:
        SetName(code);
        datenbus_.SetValue(speicher_.GetValue(adressbus_.GetValue()));
        break;
    case 11:
        SetName(code);
        datenbus_.SetValue(register_.GetValue(adressbus_.GetValue()));
        break;
    case 12:
        SetName(code);
        datenbus_.SetValue(rechenwerk_.GetAkku());
        break;
    case 13:
        SetName(code);
        datenbus_.SetValue(eaEinheit_.GetValue());
        break;
    case 14:
        SetName(code);
        speicher_.SetValue(adressbus_.GetValue(), datenbus_.GetValue());
        break;
    case 15:
        SetName(code);
        register_.SetValue(adressbus_.GetValue(), datenbus_.GetValue());
        break;
    case 17:
        SetName(code);
        eaEinheit_.SetValue(datenbus_.GetValue());
        break;
    case 18:
    case 20:
        SetName(code);
        break;
    case 21:
        SetName(code);
        Ausfuehren();
        break;
    case 22:
        InterruptTest();
        break;
    case 23:
        SetName(code);
        // After a taken jump the IP already holds the target; saving target - 1 makes the
        // IRET (which advances before its fetch) resume at the target itself.
        Push(interruptEintritt_ && !ipWeiterBeiEintritt_ ? Plus(ip_, -1) : ip_, "IP");
        break;
    case 24:
        SetName(code);
        Push(rechenwerk_.GetAkku(), "Akku");
        break;
    case 25:
        SetName(code);
        Push(rechenwerk_.FlagsWort(), "Flags");
        break;
    case 26:
        SetIP(isrAdresse_);
        SetName(code);
        if (journal_ != nullptr && isrRahmenSP_ != sp_) {
            journal_->Merke(JournalFeld::IsrRahmenSP, isrRahmenSP_);
        }
        isrRahmenSP_ = sp_;
        Setze(interruptEintritt_, false, JournalFeld::InterruptEintritt);
        schritt_ = kEndeIndex;
        break;
    case 27:
        SetName(code);
        if (PopErlaubt()) {
            SetSP(Plus(sp_, 1));
            adressbus_.SetValue(sp_);
            const int v = speicher_.GetValue(sp_);
            datenbus_.SetValue(v);
            rechenwerk_.SetCarryFlag(v == 1 || v == 3);
            rechenwerk_.SetZeroFlag(v == 2 || v == 3);
            rechenwerk_.SetzeParity(v);
        }
        break;
    case 28:
        SetName(code);
        if (PopErlaubt()) {
            const int adresse = Plus(sp_, 1);
            const int v = speicher_.GetValue(adresse);
            adressbus_.SetValue(adresse);
            datenbus_.SetValue(v);
            // The flags restored just before belong to this Akku; keep them.
            rechenwerk_.SetAkkuOhneFlags(v);
            SetSP(adresse);
        }
        break;
    case 29:
        SetName(code);
        if (PopErlaubt()) {
            SetSP(Plus(sp_, 1));
            adressbus_.SetValue(sp_);
            SetIP(speicher_.GetValue(sp_));
            Setze(ipWeiter_, true, JournalFeld::IPWeiter);
        }
        break;
    case 30:
        SetBefehl(KeinWert);
        SetName(code);
        schritt_ = kEndeIndex;
        Setze(interruptAnforderung_, false, JournalFeld::Interrupt);
        Setze(inISR_, false, JournalFeld::InISR);
        break;
    case 31: {
        SetName(code);
        const int zahl = rueckrufe_.zahlEingeben ? rueckrufe_.zahlEingeben() : -1;
        if (zahl == -1) {
            SetzeFehler(FehlerEingabeAbbruch);
        } else {
            eaEinheit_.SetValue(zahl);
            eaEinheit_.NeueZeile();
        }
        break;
    }
    case 32:
        SetName(code);
        eaEinheit_.NeueZeile();
        break;
    default:
        // 0, 19 and codes above 32 do nothing.
        break;
    }
}

void TSteuerwerk::Ausfuehren() {
    if (IstBedingterSprung(befehl_)) {
        if (rechenwerk_.Sprungbedingung(befehl_)) {
            SetIP(static_cast<int>(operand_));
            Setze(ipWeiter_, false, JournalFeld::IPWeiter);
        }
        return;
    }
    switch (befehl_) {
    case 129:
    case 130:
        rechenwerk_.Addieren();
        break;
    case 131:
    case 132:
        rechenwerk_.Subtrahieren();
        break;
    case 133:
    case 134:
        rechenwerk_.Modulo();
        break;
    case 135:
    case 136:
        rechenwerk_.Multiplizieren();
        break;
    case 137:
    case 138:
        rechenwerk_.Dividieren();
        break;
    case 139:
        rechenwerk_.Inkrementieren();
        break;
    case 140:
        rechenwerk_.Dekrementieren();
        break;
    case 193:
    case 194:
        rechenwerk_.LogischUnd();
        break;
    case 195:
    case 196:
        rechenwerk_.LogischOder();
        break;
    case 197:
    case 198:
        rechenwerk_.LogischXor();
        break;
    case 199:
        rechenwerk_.LogischNicht();
        break;
    case 257:
    case 258:
        rechenwerk_.ShiftLinks();
        break;
    case 259:
    case 260:
        rechenwerk_.ShiftRechts();
        break;
    case 261:
        rechenwerk_.RotiereLinks();
        break;
    case 262:
        rechenwerk_.RotiereRechts();
        break;
    case 321:
    case 322:
        rechenwerk_.Vergleichen();
        break;
    case 323:
    case 452:
        SetIP(static_cast<int>(operand_));
        Setze(ipWeiter_, false, JournalFeld::IPWeiter);
        break;
    case 449:
        rechenwerk_.SetCarryFlag(false);
        break;
    default:
        break;
    }
}

void TSteuerwerk::InterruptTest() {
    SetBefehl(KeinWert);
    SetOperand(KeinWert);
    SetAusfuehrungsnameVon(KeinWert);
    SetName(22);
    const int p = schritt_;
    if (interruptAnforderung_ && !inISR_ && p + 4 < kEndeIndex) {
        Setze(ipWeiterBeiEintritt_, ipWeiter_, JournalFeld::IPWeiterBeiEintritt);
        Setze(interruptEintritt_, true, JournalFeld::InterruptEintritt);
        Setze(ipWeiter_, false, JournalFeld::IPWeiter);
        Setze(inISR_, true, JournalFeld::InISR);
        SetzePhasenEintrag(static_cast<std::size_t>(p + 1), 23);
        SetzePhasenEintrag(static_cast<std::size_t>(p + 2), 24);
        SetzePhasenEintrag(static_cast<std::size_t>(p + 3), 25);
        SetzePhasenEintrag(static_cast<std::size_t>(p + 4), 26);
    } else {
        schritt_ = kEndeIndex;
    }
}

void TSteuerwerk::Push(int wert, const char* label) {
    if (sp_ == kStackGrenze) {
        SetzeFehler(FehlerStackUeberlauf);
        return;
    }
    adressbus_.SetValue(sp_);
    datenbus_.SetValue(wert);
    speicher_.SetValue(sp_, wert);
    speicher_.SetText(sp_, label);
    SetSP(Plus(sp_, -1));
}

bool TSteuerwerk::PopErlaubt() {
    if (sp_ == kStartSP) {
        SetzeFehler(FehlerStackUnterlauf);
        return false;
    }
    return true;
}

} // namespace tovak
