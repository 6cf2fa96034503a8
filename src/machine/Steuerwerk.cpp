#include "machine/Steuerwerk.h"

#include "machine/Fehler.h"
#include "machine/SteuerwerkIntern.h"

#include <cstddef>

namespace tovak {

namespace {

using enum Mikroschritt;
using steuerwerk::Code;
using steuerwerk::Plus;

constexpr std::uint16_t Namensnummer(int befehl) {
    return befehl >= 0 && befehl <= BefehlsTabellenGroesse ? static_cast<std::uint16_t>(befehl)
                                                           : SteuerwerkStand::kKeine;
}

const std::string kLeer;

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

TSteuerwerk::TSteuerwerk(TRAM& speicher, TReg& reg, TRechenwerk& rechenwerk, TEAEinheit& ea,
                         const SteuerwerkAnzeigen* anzeigen, TBus& datenbus, TBus& adressbus,
                         SteuerwerkRueckrufe rueckrufe)
    : datenbus_(datenbus), adressbus_(adressbus), register_(reg), speicher_(speicher),
      rechenwerk_(rechenwerk), eaEinheit_(ea), verbunden_(anzeigen), anzeigen_(anzeigen),
      rueckrufe_(std::move(rueckrufe)) {
    SetIP(0);
    SetSP(kStartSP);
    SetISRAdresse(kISRAdresse);
    SetInterrupt(false);
    SetName(Keiner);
    SetBefehl(KeinWert);
    SetAusfuehrungsnameVon(KeinWert);
    SetOperand(KeinWert);
    ResetPhasen();
}

// --- Values and their displays ------------------------------------------------------------

// From outside a micro-step (or from the IP handler inside one) the public setters change the
// state the next Takt starts from: it opens a record of its own.
void TSteuerwerk::SetIP(int v) {
    gruppeWeiter_ = false;
    IPSetzen(v);
}

void TSteuerwerk::IPSetzen(int v) {
    if (v == KeinWert) {
        return;
    }
    z_.ip = v;
    ZeigeIP();
}

void TSteuerwerk::ZeigeIP() {
    if (!anzeigenAktiv_) {
        return;
    }
    if (anzeigen_ != nullptr) {
        anzeigen_->ip.Show(z_.ip);
    }
    IPHandler();
}

void TSteuerwerk::IPHandler() {
    // The owner's handler may write the IP back; that must not call it again.
    if (rueckrufe_.ipGeaendert && !inIPHandler_) {
        inIPHandler_ = true;
        try {
            rueckrufe_.ipGeaendert(z_.ip);
        } catch (...) {
            inIPHandler_ = false;
            throw;
        }
        inIPHandler_ = false;
    }
}

void TSteuerwerk::SetSP(int v) {
    gruppeWeiter_ = false;
    SPSetzen(v);
}

void TSteuerwerk::SPSetzen(int v) {
    if (v == KeinWert) {
        return;
    }
    z_.sp = v;
    if (anzeigen_ != nullptr) {
        anzeigen_->sp.Show(v);
    }
}

void TSteuerwerk::SetISRAdresse(int v) {
    isrAdresse_ = v;
    gruppeWeiter_ = false;
    if (anzeigen_ != nullptr) {
        anzeigen_->isr.Show(v);
    }
}

void TSteuerwerk::SetSchritt(int s) {
    // Anything outside the list starts the next instruction.
    z_.schritt = static_cast<std::uint8_t>(s >= 0 && s < kPhasen ? s : 0);
    gruppeWeiter_ = false;
}

void TSteuerwerk::ResetInterruptZustand() {
    gruppeWeiter_ = false;
    SetzeMerker(SteuerwerkStand::kInISR, false);
    SetzeMerker(SteuerwerkStand::kInterruptEintritt, false);
}

void TSteuerwerk::SetBefehl(int v) {
    gruppeWeiter_ = false;
    BefehlSetzen(v);
}

void TSteuerwerk::BefehlSetzen(int v) {
    z_.befehl = v;
    ZeigeBefehlsname();
    ZeigeBefehl();
}

void TSteuerwerk::SetOperand(int v) {
    gruppeWeiter_ = false;
    OperandSetzen(v);
}

void TSteuerwerk::OperandSetzen(int v) {
    z_.operand = v;
    ZeigeBefehl();
}

const std::string& TSteuerwerk::GetAusfuehrungsname() const {
    return z_.ausfuehrungsname == SteuerwerkStand::kKeine ? kLeer
                                                          : Ausfuehrungsname(z_.ausfuehrungsname);
}

void TSteuerwerk::SetAusfuehrungsnameVon(int befehl) {
    z_.ausfuehrungsname = Namensnummer(befehl);
    ZeigeBefehlsname();
}

void TSteuerwerk::ZeigeBefehlsname() {
    if (anzeigen_ != nullptr) {
        anzeigen_->befehlsname.Show(
            z_.ausfuehrungsname == SteuerwerkStand::kKeine ? KeinWert : z_.ausfuehrungsname);
    }
}

void TSteuerwerk::ZeigeBefehl() {
    if (anzeigen_ != nullptr) {
        anzeigen_->befehl.Show(z_.befehl, z_.operand);
    }
}

void TSteuerwerk::SetName(Mikroschritt code) {
    z_.phasenname = Code(code);
    if (anzeigen_ != nullptr) {
        anzeigen_->mikroschritt.Show(Code(code));
    }
}

// Instruction, operand and execution name all empty, as at the start and the end of every
// instruction.
void TSteuerwerk::BefehlLeeren() {
    z_.befehl = KeinWert;
    z_.operand = KeinWert;
    z_.ausfuehrungsname = SteuerwerkStand::kKeine;
    ZeigeBefehlsname();
    ZeigeBefehl();
}

void TSteuerwerk::SetAnzeigenAktiv(bool aktiv) {
    anzeigenAktiv_ = aktiv;
    anzeigen_ = aktiv ? verbunden_ : nullptr;
    datenbus_.SetAnzeigeAktiv(aktiv);
    adressbus_.SetAnzeigeAktiv(aktiv);
    rechenwerk_.SetAnzeigenAktiv(aktiv);
    eaEinheit_.SetAnzeigeAktiv(aktiv);
    if (aktiv) {
        AnzeigenErneuern();
    }
}

void TSteuerwerk::AnzeigenErneuern() {
    if (verbunden_ != nullptr) {
        verbunden_->ip.Show(z_.ip);
        verbunden_->sp.Show(z_.sp);
        verbunden_->isr.Show(isrAdresse_);
        verbunden_->mikroschritt.Show(z_.phasenname);
        verbunden_->befehlsname.Show(
            z_.ausfuehrungsname == SteuerwerkStand::kKeine ? KeinWert : z_.ausfuehrungsname);
        verbunden_->befehl.Show(z_.befehl, z_.operand);
    }
    datenbus_.Anzeigen();
    adressbus_.Anzeigen();
    rechenwerk_.AnzeigenErneuern();
    eaEinheit_.Anzeigen();
    IPHandler();
}

void TSteuerwerk::ResetPhasen() {
    phasen_[0] = Code(BefehlAdressieren);
    phasen_[1] = Code(BefehlLesen);
    phasen_[2] = Code(BefehlDecodieren);
    phasen_[kEndeIndex] = Code(Listenende);
    z_.schritt = 0;
    z_.phase = SteuerwerkStand::kKeine;
    gruppeWeiter_ = false;
}

// --- The cycle -----------------------------------------------------------------------------

void TSteuerwerk::TaktAusfuehren() {
    // While an interrupt is served the interrupt test is skipped: fetch at once.
    if (phasen_[z_.schritt] == Code(TestAufInterrupt) && Merker(SteuerwerkStand::kInISR)) {
        z_.schritt = 0;
    }
    const std::uint8_t code = phasen_[z_.schritt];
    const auto mikroschritt = static_cast<Mikroschritt>(code);
    z_.phase = code;
    switch (mikroschritt) {
    case BefehlAdressieren:
        IPAufAdressbus();
        break;
    case BefehlLesen:
        BefehlHolen();
        break;
    case BefehlDecodieren:
        SetName(mikroschritt);
        SetzeMerker(SteuerwerkStand::kIPWeiter, true);
        Decodieren();
        break;
    case OperandAdressieren:
        NaechsteZelleAufAdressbus();
        break;
    case OperandLesen:
        OperandHolen();
        break;
    case KonstanteInAkku:
    case AkkuSchreibzyklus:
        SetName(mikroschritt);
        rechenwerk_.SetAkku(datenbus_.GetValue());
        break;
    case SpeicherAdressieren:
        OperandAufAdressbus();
        break;
    case RegisterLesen:
        SpeicherzelleAufAdressbus();
        break;
    case AkkuInOperand:
        SetName(mikroschritt);
        rechenwerk_.AkkuInOperand();
        break;
    case SpeicherLesezyklus:
        SpeicherAufDatenbus();
        break;
    case RegisterLesezyklus:
        RegisterAufDatenbus();
        break;
    case AkkuLesezyklus:
        SetName(mikroschritt);
        datenbus_.SetValue(rechenwerk_.GetAkku());
        break;
    case EALesezyklus:
        SetName(mikroschritt);
        datenbus_.SetValue(eaEinheit_.GetValue());
        break;
    case SpeicherSchreibzyklus:
        DatenbusInSpeicher();
        break;
    case RegisterSchreibzyklus:
        DatenbusInRegister();
        break;
    case EASchreibzyklus:
        SetName(mikroschritt);
        eaEinheit_.SetValue(datenbus_.GetValue());
        break;
    case BefehlAnALU:
    case FlagLesen:
        SetName(mikroschritt);
        break;
    case BefehlAusfuehren:
        SetName(mikroschritt);
        Ausfuehren();
        break;
    case TestAufInterrupt:
        InterruptTest();
        break;
    case IPInStack:
        SetName(mikroschritt);
        // After a taken jump the IP already holds the target; saving target - 1 makes the
        // IRET (which advances before its fetch) resume at the target itself.
        InStack(Merker(SteuerwerkStand::kInterruptEintritt) &&
                        !Merker(SteuerwerkStand::kIPWeiterBeiEintritt)
                    ? Plus(z_.ip, -1)
                    : z_.ip,
                Stapelmarke::IP);
        break;
    case AkkuInStack:
        SetName(mikroschritt);
        InStack(rechenwerk_.GetAkku(), Stapelmarke::Akku);
        break;
    case FlagsInStack:
        SetName(mikroschritt);
        InStack(rechenwerk_.FlagsWort(), Stapelmarke::Flags);
        break;
    case IPAufISR:
        ISRAdresseInIP();
        break;
    case FlagsWiederherstellen:
        FlagsAusStack();
        break;
    case AkkuWiederherstellen:
        AkkuAusStack();
        break;
    case IPWiederherstellen:
        IPAusStack();
        break;
    case ISRBeendet:
        ISRBeenden();
        break;
    case ZahlEinlesen:
        ZahlInEAEinheit();
        break;
    case LeerzeileSchreiben:
        SetName(mikroschritt);
        eaEinheit_.NeueZeile();
        break;
    default:
        // 0, 19 and codes above 32 do nothing.
        break;
    }
    if (phasen_[z_.schritt] == Code(Listenende) || z_.schritt + 1 >= kPhasen) {
        z_.schritt = 0;
    } else {
        ++z_.schritt;
    }
    ++taktzaehler_;
    if (code == Code(BefehlDecodieren)) {
        ++befehlszaehler_;
    }
}

void TSteuerwerk::Decodieren() {
    const int befehl = z_.befehl;
    if (befehl == 0) {
        z_.fehler = CPUStop;
        // A halted machine stays halted: a further Takt fetches the stop cell again.
        SetzeMerker(SteuerwerkStand::kIPWeiter, false);
        z_.schritt = kEndeIndex;
        SetAusfuehrungsnameVon(0);
        return;
    }
    const Befehlsbeschreibung* eintrag = BefehlMitNummer(befehl);
    if (eintrag == nullptr) {
        z_.fehler = FehlerBefehlUnbekannt;
        z_.schritt = kEndeIndex;
        SetAusfuehrungsnameVon(KeinWert);
        return;
    }
    // The IRET that pops the interrupt frame ends the service, so the next interrupt can be
    // accepted; one that returns from a Go Sub inside the ISR does not.
    const bool isrBeenden =
        befehl == 450 && Merker(SteuerwerkStand::kInISR) && z_.sp == z_.isrRahmenSP;
    SchreibePhasen(eintrag->schritte, isrBeenden);
    SetAusfuehrungsnameVon(befehl);
}

void TSteuerwerk::SchreibePhasen(const Schrittliste& liste, bool isrBeenden) {
    // The entries after the list keep their values; its last entry ends it.
    constexpr int kErster = 3;
    int i = kErster;
    for (int k = 0; k < liste.laenge; ++k) {
        if (isrBeenden && k + 1 == liste.laenge) {
            phasen_[static_cast<std::size_t>(i++)] = Code(ISRBeendet);
        }
        phasen_[static_cast<std::size_t>(i++)] = Code(liste.schritte[static_cast<std::size_t>(k)]);
    }
}

} // namespace tovak
