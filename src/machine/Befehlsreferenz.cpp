#include "machine/Befehlsreferenz.h"

#include <algorithm>

namespace tovak {

namespace {

enum Flag : unsigned { Z = 1, C = 2, P = 4, S = 8 };

bool IstRechenbefehl(int n) {
    return (n >= 129 && n <= 140) || (n >= 193 && n <= 199) || (n >= 257 && n <= 262) || n == 321 ||
           n == 322;
}

// The flags micro-step 21 changes for this instruction.
unsigned FlagsBeimAusfuehren(int n) {
    if (n == 449) {
        return C;
    }
    if (!IstRechenbefehl(n)) {
        return 0;
    }
    // Every write of the Akku sets Z and P from it and clears S; only the decrement keeps C.
    return n == 140 ? (Z | P | S) : (Z | C | P | S);
}

const char* Sprungbedingung(int n) {
    switch (n) {
    case 324:
        return "Z = 1 ist (die letzte Differenz war 0)";
    case 325:
        return "Z = 0 ist (die letzte Differenz war nicht 0)";
    case 326:
    case 328:
        return "S = 1 ist (beim letzten Compare war der Akku kleiner)";
    case 327:
        return "S = 0 ist (beim letzten Compare war der Akku nicht kleiner)";
    case 329:
        return "S = 1 oder Z = 1 ist (kleiner oder gleich)";
    case 330:
        return "S = 0 und Z = 0 ist (größer)";
    case 331:
        return "S = 0 oder Z = 1 ist (größer oder gleich)";
    case 332:
        return "C = 1 ist";
    case 333:
        return "C = 0 ist";
    case 334:
        return "P = 1 ist (gerade Anzahl gesetzter Bits im Akku)";
    case 335:
        return "P = 0 ist (ungerade Anzahl gesetzter Bits im Akku)";
    default:
        return "";
    }
}

} // namespace

std::string GeaenderteFlags(const Befehlsbeschreibung& befehl) {
    unsigned flags = 0;
    for (Mikroschritt s : befehl.schritte) {
        switch (s) {
        case Mikroschritt::KonstanteInAkku:
        case Mikroschritt::AkkuSchreibzyklus:
            flags |= Z | P | S;
            break;
        case Mikroschritt::FlagsWiederherstellen:
            flags |= Z | C | P;
            break;
        case Mikroschritt::BefehlAusfuehren:
            flags |= FlagsBeimAusfuehren(befehl.nummer);
            break;
        default:
            break;
        }
    }
    std::string text;
    for (const auto& [flag, name] : {std::pair{Z, "Z"}, {C, "C"}, {P, "P"}, {S, "S"}}) {
        if ((flags & flag) != 0) {
            text += text.empty() ? name : std::string(", ") + name;
        }
    }
    return text.empty() ? "keine" : text;
}

std::string Operandenbereich(OperandArt art) {
    switch (art) {
    case OperandArt::Konstante:
        return "Konstante 0 bis 65535";
    case OperandArt::Register:
        return "Register 0 bis 127";
    case OperandArt::Adresse:
        return "Adresse 0 bis 3999";
    case OperandArt::Anzahl:
        return "Anzahl 1 bis 16";
    case OperandArt::Keiner:
        break;
    }
    return "keiner";
}

std::string Wirkung(int n) {
    if (n >= 324 && n <= 335) {
        return std::string("Sprung zur Adresse, wenn ") + Sprungbedingung(n) +
               "; sonst geht es mit dem nächsten Befehl weiter.";
    }
    switch (n) {
    case 65:
    case 66:
        return "Akku := W.";
    case 67:
        return "Register := Akku.";
    case 129:
    case 130:
        return "Akku := Akku + W (über 65535 hinaus wird von 0 an weitergezählt); "
               "C = 1 bei Überlauf.";
    case 131:
    case 132:
        return "Akku := Akku − W (unter 0 wird von 65535 an weitergezählt); "
               "C = 1, wenn W größer als der Akku war.";
    case 133:
    case 134:
        return "Akku := Rest der ganzzahligen Division Akku ÷ W. "
               "W = 0 hält mit „Division durch Null“ an.";
    case 135:
    case 136:
        return "Akku := Akku × W (die unteren 16 Bits); C = 1, wenn das Produkt 65535 übersteigt.";
    case 137:
    case 138:
        return "Akku := Akku ÷ W, ganzzahlig. W = 0 hält mit „Division durch Null“ an.";
    case 139:
        return "Akku := Akku + 1 (65535 wird 0); C = 1, wenn der Akku 65535 war.";
    case 140:
        return "Akku := Akku − 1 (0 wird 65535); C bleibt, wie es war.";
    case 193:
    case 194:
        return "Akku := Akku UND W, Bit für Bit; C = 0.";
    case 195:
    case 196:
        return "Akku := Akku ODER W, Bit für Bit; C = 0.";
    case 197:
    case 198:
        return "Akku := Akku XOR W, Bit für Bit; C = 0.";
    case 199:
        return "Alle 16 Bits des Akkus werden umgekehrt; C = 0.";
    case 257:
    case 258:
        return "Schiebt den Akku W-mal um ein Bit nach links; C erhält jedes Mal Bit 7 "
               "vor dem Schieben.";
    case 259:
    case 260:
        return "Schiebt den Akku W-mal um ein Bit nach rechts; C erhält jedes Mal Bit 0.";
    case 261:
        return "Rotiert den Akku W-mal um ein Bit nach links durch das Carry-Flag: "
               "Bit 15 geht ins C, das alte C wird Bit 0.";
    case 262:
        return "Rotiert den Akku W-mal um ein Bit nach rechts durch das Carry-Flag: "
               "Bit 0 geht ins C, das alte C wird Bit 15.";
    case 321:
    case 322:
        return "Vergleicht den Akku mit W und überschreibt den Akku mit dem Abstand |Akku − W|: "
               "Z = 1 bei Gleichheit, S = 1, wenn der Akku kleiner war, C = 0.";
    case 323:
        return "Sprung zur Adresse: IP := Adresse.";
    case 385:
        return "Akku := Wert der E/A-Einheit.";
    case 386:
        return "Register := Wert der E/A-Einheit.";
    case 387:
        return "E/A-Einheit := Akku; der Wert erscheint als Zeile im Ausgabefenster.";
    case 388:
        return "E/A-Einheit := Register; der Wert erscheint als Zeile im Ausgabefenster.";
    case 389:
        return "Schreibt eine Leerzeile ins Ausgabefenster.";
    case 390:
        return "Fragt eine Zahl von 0 bis 65535 ab und legt sie in die E/A-Einheit; "
               "„Abbrechen“ hält das Programm an.";
    case 449:
        return "C := 0.";
    case 450:
        return "Holt Flags, Akku und IP vom Stack zurück: Rücksprung aus einem Unterprogramm "
               "oder aus der Interrupt-Routine.";
    case 451:
        return "Tut nichts.";
    case 452:
        return "Legt IP, Akku und Flags auf den Stack und springt zur Adresse (Sprung ins "
               "Unterprogramm); IRET kehrt zurück.";
    default:
        return "";
    }
}

} // namespace tovak
