// The control unit's micro-steps: fetching, decoding helpers on the buses, executing, the
// stack and the interrupt service.
#include "machine/Steuerwerk.h"

#include "machine/Fehler.h"
#include "machine/SteuerwerkIntern.h"

#include <cstddef>

namespace tovak {

namespace {

using enum Mikroschritt;
using steuerwerk::Code;
using steuerwerk::Plus;
using steuerwerk::Rueckruf;

} // namespace

// --- Micro-steps -----------------------------------------------------------------------------

void TSteuerwerk::IPAufAdressbus() {
    SetName(BefehlAdressieren);
    if (Merker(SteuerwerkStand::kIPWeiter)) {
        if (z_.ip >= 65535) {
            z_.fehler = FehlerIPUeberlauf;
        } else {
            IPSetzen(z_.ip + 1);
        }
    }
    adressbus_.SetValue(z_.ip);
    datenbus_.SetValue(0);
    BefehlLeeren();
}

void TSteuerwerk::BefehlHolen() {
    SetName(BefehlLesen);
    datenbus_.SetValue(speicher_.GetValue(adressbus_.GetValue()));
    BefehlSetzen(datenbus_.GetValue());
}

void TSteuerwerk::NaechsteZelleAufAdressbus() {
    SetName(OperandAdressieren);
    IPSetzen(Plus(z_.ip, 1));
    adressbus_.SetValue(z_.ip);
}

void TSteuerwerk::OperandHolen() {
    SetName(OperandLesen);
    datenbus_.SetValue(speicher_.GetValue(adressbus_.GetValue()));
    OperandSetzen(datenbus_.GetValue());
}

void TSteuerwerk::OperandAufAdressbus() {
    SetName(SpeicherAdressieren);
    if (z_.operand == KeinWert) {
        if (rueckrufe_.fehlerBox && !wiederholung_) {
            const Rueckruf r(inRueckruf_);
            rueckrufe_.fehlerBox("Fehler",
                                 "Modul Steuerwerk: SP_Adressieren, Operand ist undefniert");
        }
        z_.fehler = FehlerSpeicherAdressierung;
    } else {
        adressbus_.SetValue(z_.operand);
    }
}

void TSteuerwerk::SpeicherzelleAufAdressbus() {
    SetName(RegisterLesen);
    adressbus_.SetValue(speicher_.GetValue(adressbus_.GetValue()));
}

void TSteuerwerk::SpeicherAufDatenbus() {
    SetName(SpeicherLesezyklus);
    datenbus_.SetValue(speicher_.GetValue(adressbus_.GetValue()));
}

void TSteuerwerk::RegisterAufDatenbus() {
    SetName(RegisterLesezyklus);
    datenbus_.SetValue(register_.GetValue(adressbus_.GetValue()));
}

void TSteuerwerk::DatenbusInSpeicher() {
    SetName(SpeicherSchreibzyklus);
    speicher_.SetValue(adressbus_.GetValue(), datenbus_.GetValue());
}

void TSteuerwerk::DatenbusInRegister() {
    SetName(RegisterSchreibzyklus);
    register_.SetValue(adressbus_.GetValue(), datenbus_.GetValue());
}

void TSteuerwerk::Ausfuehren() {
    const int befehl = z_.befehl;
    if (befehl >= 324 && befehl <= 335) {
        if (rechenwerk_.Sprungbedingung(befehl)) {
            IPSetzen(z_.operand);
            SetzeMerker(SteuerwerkStand::kIPWeiter, false);
        }
        return;
    }
    switch (befehl) {
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
        IPSetzen(z_.operand);
        SetzeMerker(SteuerwerkStand::kIPWeiter, false);
        break;
    case 449:
        rechenwerk_.SetCarryFlag(false);
        break;
    default:
        break;
    }
}

void TSteuerwerk::InterruptTest() {
    BefehlLeeren();
    SetName(TestAufInterrupt);
    const int p = z_.schritt;
    if (interruptAnforderung_ && !Merker(SteuerwerkStand::kInISR) && p + 4 < kEndeIndex) {
        SetzeMerker(SteuerwerkStand::kIPWeiterBeiEintritt, Merker(SteuerwerkStand::kIPWeiter));
        SetzeMerker(SteuerwerkStand::kInterruptEintritt, true);
        SetzeMerker(SteuerwerkStand::kIPWeiter, false);
        SetzeMerker(SteuerwerkStand::kInISR, true);
        phasen_[static_cast<std::size_t>(p + 1)] = Code(IPInStack);
        phasen_[static_cast<std::size_t>(p + 2)] = Code(AkkuInStack);
        phasen_[static_cast<std::size_t>(p + 3)] = Code(FlagsInStack);
        phasen_[static_cast<std::size_t>(p + 4)] = Code(IPAufISR);
    } else {
        z_.schritt = kEndeIndex;
    }
}

void TSteuerwerk::InStack(int wert, Stapelmarke marke) {
    if (z_.sp == kStackGrenze) {
        z_.fehler = FehlerStackUeberlauf;
        return;
    }
    adressbus_.SetValue(z_.sp);
    datenbus_.SetValue(wert);
    speicher_.SetValue(z_.sp, wert);
    speicher_.SetMarke(z_.sp, marke);
    SPSetzen(Plus(z_.sp, -1));
}

void TSteuerwerk::ISRAdresseInIP() {
    IPSetzen(isrAdresse_);
    SetName(IPAufISR);
    z_.isrRahmenSP = z_.sp;
    SetzeMerker(SteuerwerkStand::kInterruptEintritt, false);
    z_.schritt = kEndeIndex;
}

bool TSteuerwerk::PopErlaubt() {
    if (z_.sp == kStartSP) {
        z_.fehler = FehlerStackUnterlauf;
        return false;
    }
    return true;
}

void TSteuerwerk::FlagsAusStack() {
    SetName(FlagsWiederherstellen);
    if (!PopErlaubt()) {
        return;
    }
    SPSetzen(Plus(z_.sp, 1));
    adressbus_.SetValue(z_.sp);
    const int v = speicher_.GetValue(z_.sp);
    datenbus_.SetValue(v);
    rechenwerk_.SetCarryFlag(v == 1 || v == 3);
    rechenwerk_.SetZeroFlag(v == 2 || v == 3);
    rechenwerk_.SetzeParity(v);
}

void TSteuerwerk::AkkuAusStack() {
    SetName(AkkuWiederherstellen);
    if (!PopErlaubt()) {
        return;
    }
    const int adresse = Plus(z_.sp, 1);
    const int v = speicher_.GetValue(adresse);
    adressbus_.SetValue(adresse);
    datenbus_.SetValue(v);
    // The flags restored just before belong to this Akku; keep them.
    rechenwerk_.SetAkkuOhneFlags(v);
    SPSetzen(adresse);
}

void TSteuerwerk::IPAusStack() {
    SetName(IPWiederherstellen);
    if (!PopErlaubt()) {
        return;
    }
    SPSetzen(Plus(z_.sp, 1));
    adressbus_.SetValue(z_.sp);
    IPSetzen(speicher_.GetValue(z_.sp));
    SetzeMerker(SteuerwerkStand::kIPWeiter, true);
}

void TSteuerwerk::ISRBeenden() {
    BefehlSetzen(KeinWert);
    SetName(ISRBeendet);
    z_.schritt = kEndeIndex;
    interruptAnforderung_ = false;
    SetzeMerker(SteuerwerkStand::kInISR, false);
}

void TSteuerwerk::ZahlInEAEinheit() {
    SetName(ZahlEinlesen);
    int zahl = -1;
    if (wiederholung_) {
        // The number typed then.
        if (eingabePos_ < eingaben_.size()) {
            zahl = static_cast<int>(eingaben_[eingabePos_++]);
        }
    } else if (rueckrufe_.zahlEingeben) {
        const Rueckruf r(inRueckruf_);
        zahl = rueckrufe_.zahlEingeben();
    }
    if (journal_ != nullptr) {
        journal_->Merke(JournalFeld::Eingabe, zahl);
    }
    if (zahl == -1) {
        z_.fehler = FehlerEingabeAbbruch;
    } else {
        eaEinheit_.SetValue(zahl);
        eaEinheit_.NeueZeile();
    }
}

} // namespace tovak
