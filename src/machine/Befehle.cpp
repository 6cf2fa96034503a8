#include "machine/Befehle.h"

#include <algorithm>

namespace tovak {

std::array<std::string, BefehlsTabellenGroesse + 1> Befehlsnamen;
std::array<std::string, BefehlsTabellenGroesse + 1> Befehlsbeschreibungen;

namespace {

using enum Mikroschritt;

// The lists shared by several instructions. Fetching the operand cell puts the register
// number (RegisterLesen) or the constant (OperandLesen) on a bus; the arithmetic forms hand
// the old Akku to the operand register and the second input to the Akku before they execute.
constexpr Schrittliste kKonstanteLaden{OperandAdressieren, OperandLesen, KonstanteInAkku,
                                       TestAufInterrupt};
constexpr Schrittliste kRegisterLaden{OperandAdressieren, RegisterLesen, RegisterLesezyklus,
                                      AkkuSchreibzyklus, TestAufInterrupt};
constexpr Schrittliste kRegisterSpeichern{OperandAdressieren, RegisterLesen, AkkuLesezyklus,
                                          RegisterSchreibzyklus, TestAufInterrupt};
constexpr Schrittliste kRechnenMitRegister{OperandAdressieren, RegisterLesen,   RegisterLesezyklus,
                                           AkkuInOperand,      KonstanteInAkku, BefehlAnALU,
                                           BefehlAusfuehren,   TestAufInterrupt};
constexpr Schrittliste kRechnenMitKonstante{OperandAdressieren, OperandLesen, AkkuInOperand,
                                            KonstanteInAkku,    BefehlAnALU,  BefehlAusfuehren,
                                            TestAufInterrupt};
constexpr Schrittliste kRechnenOhneOperand{BefehlAnALU, BefehlAusfuehren, TestAufInterrupt};
constexpr Schrittliste kSprung{OperandAdressieren, OperandLesen, BefehlAusfuehren,
                               TestAufInterrupt};
constexpr Schrittliste kEinAkku{EALesezyklus, AkkuSchreibzyklus, TestAufInterrupt};
constexpr Schrittliste kEinRegister{OperandAdressieren, RegisterLesen, EALesezyklus,
                                    RegisterSchreibzyklus, TestAufInterrupt};
constexpr Schrittliste kAusAkku{AkkuLesezyklus, EASchreibzyklus, TestAufInterrupt};
constexpr Schrittliste kAusRegister{OperandAdressieren, RegisterLesen, RegisterLesezyklus,
                                    EASchreibzyklus, TestAufInterrupt};
constexpr Schrittliste kAusLeerzeile{AkkuLesezyklus, LeerzeileSchreiben, TestAufInterrupt};
constexpr Schrittliste kZahlLesen{ZahlEinlesen, TestAufInterrupt};
// The decoder adds ISRBeendet when the return ends an interrupt service.
constexpr Schrittliste kRuecksprung{FlagsWiederherstellen, AkkuWiederherstellen, IPWiederherstellen,
                                    TestAufInterrupt};
constexpr Schrittliste kKeineOperation{TestAufInterrupt};
constexpr Schrittliste kUnterprogramm{OperandAdressieren, OperandLesen, IPInStack,
                                      AkkuInStack,        FlagsInStack, BefehlAusfuehren,
                                      TestAufInterrupt};

// clang-format off
constexpr Befehlsbeschreibung kBefehle[] = {
    {65, "Move Akku, Konstante", "Move Konstante in Akku", "MOV Akku, Konstante", OperandArt::Konstante, kKonstanteLaden},
    {66, "Move Akku, Register", "Move Register in Akku", "MOV Akku, Register", OperandArt::Register, kRegisterLaden},
    {67, "Move Reg, Akku", "Move Akku in Register", "MOV Register, Akku", OperandArt::Register, kRegisterSpeichern},
    {129, "Add Akku, Register", "Addiert ein Register zum Akkumulator", "ADD Akku, Register", OperandArt::Register, kRechnenMitRegister},
    {130, "Add Akku, Konstante", "Addiert eine Konstante zum Akkumulator", "ADD Akku, Konstante", OperandArt::Konstante, kRechnenMitKonstante},
    {131, "Sub Akku, Register", "Subtrahiert ein Register zum Akkumulator, akku=akku-reg", "SUB Akku, Register", OperandArt::Register, kRechnenMitRegister},
    {132, "Sub Akku, Konstante", "Subtrahiert eine Konstante zum Akkumulator, akku=akku-konst", "SUB Akku, Konstante", OperandArt::Konstante, kRechnenMitKonstante},
    {133, "Mod Akku, Register", "Berechnet die Modulofunktion (Rest) des Akkus durch ein Register", "MOD Akku, Register", OperandArt::Register, kRechnenMitRegister},
    {134, "Mod Akku, Konstante", "Berechnet die Modulofunktion (Rest) des Akkus durch eine Konstante", "MOD Akku, Konstante", OperandArt::Konstante, kRechnenMitKonstante},
    {135, "Mult Akku, Register", "", "MULT Akku, Register", OperandArt::Register, kRechnenMitRegister},
    {136, "Mult Akku, Konstante", "", "MULT Akku, Konstante", OperandArt::Konstante, kRechnenMitKonstante},
    {137, "Div Akku, Register", "Der Akkumulator wird durch ein Register dividiert", "DIV Akku, Register", OperandArt::Register, kRechnenMitRegister},
    {138, "Div Akku, Konstante", "Dividiert den Akku durch eine Konstante (ganzzahlig)", "DIV Akku, Konstante", OperandArt::Konstante, kRechnenMitKonstante},
    {139, "Inc Akku", "", "INC Akku", OperandArt::Keiner, kRechnenOhneOperand},
    {140, "Dec Akku", "", "DEC Akku", OperandArt::Keiner, kRechnenOhneOperand},
    {193, "AND Akku, Register", "Logische UND-Verknüpfung des Akkumulators mit einem Register", "AND Akku, Register", OperandArt::Register, kRechnenMitRegister},
    {194, "AND Akku, Konstante", "Logische UND-Verknüpfung des Akkumulators mit einer Konstanten", "AND Akku, Konstante", OperandArt::Konstante, kRechnenMitKonstante},
    {195, "OR Akku, Register", "Logische ODER-Verknüpfung des Akkumulators mit einem Register", "OR Akku, Register", OperandArt::Register, kRechnenMitRegister},
    {196, "OR Akku, Konstante", "Logische ODER-Verknüpfung des Akkumulators mit einer Konstanten", "OR Akku, Konstante", OperandArt::Konstante, kRechnenMitKonstante},
    {197, "XOR Akku, Register", "Logische XOR-Verknüpfung des Akkumulators mit einem Register", "XOR Akku, Register", OperandArt::Register, kRechnenMitRegister},
    {198, "XOR Akku, Konstante", "Logische XOR-Verknüpfung des Akkumulators mit einer Konstanten", "XOR Akku, Konstante", OperandArt::Konstante, kRechnenMitKonstante},
    {199, "NOT Akku", "Logische Negierung des Akkumulators", "NOT Akku", OperandArt::Keiner, kRechnenOhneOperand},
    {257, "SHL Akku Register", "Shift nach links, ohne Vorzeichen, SHR Akku Register", "SHL Akku, Register", OperandArt::Register, kRechnenMitRegister},
    {258, "SHL Akku Konstante", "Shift nach links, ohne Vorzeichen,  SHL Akku Konstante", "SHL Akku, Konstante", OperandArt::Anzahl, kRechnenMitKonstante},
    {259, "SHR Akku Register", "Shift nach rechts, ohne Vorzeichen, SHR Akku Register", "SHR Akku, Register", OperandArt::Register, kRechnenMitRegister},
    {260, "SHR Akku Konstante", "Shift nach rechts, ohne Vorzeichen,  SHL Akku Konstante", "SHR Akku, Konstante", OperandArt::Anzahl, kRechnenMitKonstante},
    {261, "ROL Akku", "Shift nach links, mit Vorzeichen, Bit 7 ins Carry-Flag ", "ROL Akku, Konstante", OperandArt::Anzahl, kRechnenMitKonstante},
    {262, "ROR Akku", "Shift nach rechts, mit Vorzeichen, Bit 0 ins Carry-Flag", "ROR Akku, Konstante", OperandArt::Anzahl, kRechnenMitKonstante},
    {321, "Compare Akku Register", "Compare Akku mit einem Register", "CMP Akku, Register", OperandArt::Register, kRechnenMitRegister},
    {322, "Compare Akku Konstanten", "Compare Akku mit einer Konstanten", "CMP Akku, Konstante", OperandArt::Konstante, kRechnenMitKonstante},
    {323, "Jump zu Adresse", "Jump zu Adresse", "Jump Absolute", OperandArt::Adresse, kSprung},
    {324, "JZ zu Adresse", "JZ zu Adresse (Diff=0)", "", OperandArt::Adresse, kSprung},
    {325, "JNZ zu Adresse", "JNZ zu Adresse (Diff<>0)", "", OperandArt::Adresse, kSprung},
    {326, "JS zu Adresse", "JS zu Adresse (Diff<0)", "", OperandArt::Adresse, kSprung},
    {327, "JNS zu Adresse", "JNS zu Adresse (Diff>=0)", "", OperandArt::Adresse, kSprung},
    {328, "JL zu Adresse", "JL zu Adresse (Diff<0)", "", OperandArt::Adresse, kSprung},
    {329, "JLE zu Adresse", "JLE zu Adresse (Diff<=0)", "", OperandArt::Adresse, kSprung},
    {330, "JG zu Adresse", "JG zu Adresse (Diff>0)", "", OperandArt::Adresse, kSprung},
    {331, "JGE zu Adresse", "JGE zu Adresse (Diff>=0)", "", OperandArt::Adresse, kSprung},
    {332, "JC zu Adresse", "JC zu Adresse (CarryFlag=1)", "", OperandArt::Adresse, kSprung},
    {333, "JNC zu Adresse", "JNC zu Adresse (CarryFlag=0)", "", OperandArt::Adresse, kSprung},
    {334, "JP zu Adresse", "JP zu Adresse (ParityFlag=1)", "", OperandArt::Adresse, kSprung},
    {335, "JNP zu Adresse", "JNP zu Adresse (ParityFlag=0)", "", OperandArt::Adresse, kSprung},
    {385, "IN Akku", "Aus der Eingabeeinheit in den Akku", "IN Akku", OperandArt::Keiner, kEinAkku},
    {386, "IN Register", "Aus der Eingabeeinheit in ein Register", "IN Register", OperandArt::Register, kEinRegister},
    {387, "OUT Akku", "Aus dem Akku in die Eingabeeinheit", "OUT Akku", OperandArt::Keiner, kAusAkku},
    {388, "OUT Register", "Aus einem Register in die Eingabeeinheit", "OUT Register", OperandArt::Register, kAusRegister},
    {389, "OUT NewLine", "Ausgabe einer Leerzeile im Editor", "OUT Newline", OperandArt::Keiner, kAusLeerzeile},
    {390, "Lies Zahl in E/A-Einheit", "Eingabe einer Zahl, speichen in der E/A-Einheit", "Lese Zahl in E/A", OperandArt::Keiner, kZahlLesen},
    {449, "CLR Carry", "Clear Carryflag", "CLR Carry", OperandArt::Keiner, kRechnenOhneOperand},
    {450, "IRET", "Unterprogramm-Rücksprung", "IRET", OperandArt::Keiner, kRuecksprung},
    {451, "NOP", "No Operation (Keine Funktion)", "NOP", OperandArt::Keiner, kKeineOperation},
    {452, "Go Sub", "Sprung zum Unterprogramm", "Go Subprogramm", OperandArt::Adresse, kUnterprogramm},
};
// clang-format on

const std::array<std::string, kHoechsterMikroschritt + 1> kMikroschrittnamen = {
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

// The position in kBefehle of each number, -1 for none: the decoder looks up, not searches.
constexpr std::array<std::int8_t, BefehlsTabellenGroesse + 1> kPosition = [] {
    std::array<std::int8_t, BefehlsTabellenGroesse + 1> position{};
    position.fill(-1);
    for (std::size_t i = 0; i < std::size(kBefehle); ++i) {
        position[static_cast<std::size_t>(kBefehle[i].nummer)] = static_cast<std::int8_t>(i);
    }
    return position;
}();

using Namen = std::array<std::string, BefehlsTabellenGroesse + 1>;

// The short names and the names during execution by number, built once (the short names
// do not wait for BefehlstabellenFuellen).
const Namen& Kurznamen() {
    static const auto namen = [] {
        Namen n;
        for (const auto& e : kBefehle) {
            n[static_cast<std::size_t>(e.nummer)] = e.kurzname;
        }
        return n;
    }();
    return namen;
}

const Namen& Ausfuehrungsnamen() {
    static const auto namen = [] {
        Namen n;
        n[0] = "CPU Stop";
        for (const auto& e : kBefehle) {
            n[static_cast<std::size_t>(e.nummer)] = e.ausfuehrungsname;
        }
        return n;
    }();
    return namen;
}

const std::string kLeer;

} // namespace

const std::string& Mikroschrittname(int code) {
    if (code < 0 || code > kHoechsterMikroschritt) {
        return kLeer;
    }
    return kMikroschrittnamen[static_cast<std::size_t>(code)];
}

void BefehlstabellenFuellen() {
    for (const auto& e : kBefehle) {
        Befehlsnamen[static_cast<std::size_t>(e.nummer)] = e.kurzname;
        Befehlsbeschreibungen[static_cast<std::size_t>(e.nummer)] = e.beschreibung;
    }
}

const Befehlsbeschreibung* BefehlMitNummer(int befehl) {
    if (befehl < 1 || befehl > BefehlsTabellenGroesse) {
        return nullptr;
    }
    const int position = kPosition[static_cast<std::size_t>(befehl)];
    return position < 0 ? nullptr : &kBefehle[position];
}

const Befehlsbeschreibung* AlleBefehleBegin() {
    return std::begin(kBefehle);
}

const Befehlsbeschreibung* AlleBefehleEnd() {
    return std::end(kBefehle);
}

const std::string& Befehlsname(int befehl) {
    if (befehl < 1 || befehl > BefehlsTabellenGroesse) {
        return kLeer;
    }
    return Kurznamen()[static_cast<std::size_t>(befehl)];
}

const std::string& Ausfuehrungsname(int befehl) {
    if (befehl < 0 || befehl > BefehlsTabellenGroesse) {
        return kLeer;
    }
    return Ausfuehrungsnamen()[static_cast<std::size_t>(befehl)];
}

int BefehlsLaenge(int befehl) {
    const Befehlsbeschreibung* e = BefehlMitNummer(befehl);
    if (e == nullptr) {
        return 0;
    }
    return e->operand == OperandArt::Keiner ? 1 : 2;
}

OperandArt OperandArtVon(int befehl) {
    const Befehlsbeschreibung* e = BefehlMitNummer(befehl);
    return e == nullptr ? OperandArt::Keiner : e->operand;
}

} // namespace tovak
