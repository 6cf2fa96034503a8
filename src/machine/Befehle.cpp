#include "machine/Befehle.h"

#include <algorithm>

namespace tovak {

std::array<std::string, BefehlsTabellenGroesse + 1> Befehlsnamen;
std::array<std::string, BefehlsTabellenGroesse + 1> Befehlsbeschreibungen;

namespace {

struct BefehlsEintrag {
    int nummer;
    const char* kurzname;
    const char* beschreibung;
    const char* ausfuehrungsname;
    OperandArt operand;
};

// clang-format off
constexpr BefehlsEintrag kBefehle[] = {
    {65, "Move Akku, Konstante", "Move Konstante in Akku", "MOV Akku, Konstante", OperandArt::Konstante},
    {66, "Move Akku, Register", "Move Register in Akku", "MOV Akku, Register", OperandArt::Register},
    {67, "Move Reg, Akku", "Move Akku in Register", "MOV Register, Akku", OperandArt::Register},
    {129, "Add Akku, Register", "Addiert ein Register zum Akkumulator", "ADD Akku, Register", OperandArt::Register},
    {130, "Add Akku, Konstante", "Addiert eine Konstante zum Akkumulator", "ADD Akku, Konstante", OperandArt::Konstante},
    {131, "Sub Akku, Register", "Subtrahiert ein Register zum Akkumulator, akku=akku-reg", "SUB Akku, Register", OperandArt::Register},
    {132, "Sub Akku, Konstante", "Subtrahiert eine Konstante zum Akkumulator, akku=akku-konst", "SUB Akku, Konstante", OperandArt::Konstante},
    {133, "Mod Akku, Register", "Berechnet die Modulofunktion (Rest) des Akkus durch ein Register", "MOD Akku, Register", OperandArt::Register},
    {134, "Mod Akku, Konstante", "Berechnet die Modulofunktion (Rest) des Akkus durch eine Konstante", "MOD Akku, Konstante", OperandArt::Konstante},
    {135, "Mult Akku, Register", "", "MULT Akku, Register", OperandArt::Register},
    {136, "Mult Akku, Konstante", "", "MULT Akku, Konstante", OperandArt::Konstante},
    {137, "Div Akku, Register", "Der Akkumulator wird durch ein Register dividiert", "DIV Akku, Register", OperandArt::Register},
    {138, "Div Akku, Konstante", "Dividiert den Akku durch eine Konstante (ganzzahlig)", "DIV Akku, Konstante", OperandArt::Konstante},
    {139, "Inc Akku", "", "INC Akku", OperandArt::Keiner},
    {140, "Dec Akku", "", "DEC Akku", OperandArt::Keiner},
    {193, "AND Akku, Register", "Logische UND-Verknüpfung des Akkumulators mit einem Register", "AND Akku, Register", OperandArt::Register},
    {194, "AND Akku, Konstante", "Logische UND-Verknüpfung des Akkumulators mit einer Konstanten", "AND Akku, Konstante", OperandArt::Konstante},
    {195, "OR Akku, Register", "Logische ODER-Verknüpfung des Akkumulators mit einem Register", "OR Akku, Register", OperandArt::Register},
    {196, "OR Akku, Konstante", "Logische ODER-Verknüpfung des Akkumulators mit einer Konstanten", "OR Akku, Konstante", OperandArt::Konstante},
    {197, "XOR Akku, Register", "Logische XOR-Verknüpfung des Akkumulators mit einem Register", "XOR Akku, Register", OperandArt::Register},
    {198, "XOR Akku, Konstante", "Logische XOR-Verknüpfung des Akkumulators mit einer Konstanten", "XOR Akku, Konstante", OperandArt::Konstante},
    {199, "NOT Akku", "Logische Negierung des Akkumulators", "NOT Akku", OperandArt::Keiner},
    {257, "SHL Akku Register", "Shift nach links, ohne Vorzeichen, SHR Akku Register", "SHL Akku, Register", OperandArt::Register},
    {258, "SHL Akku Konstante", "Shift nach links, ohne Vorzeichen,  SHL Akku Konstante", "SHL Akku, Konstante", OperandArt::Anzahl},
    {259, "SHR Akku Register", "Shift nach rechts, ohne Vorzeichen, SHR Akku Register", "SHR Akku, Register", OperandArt::Register},
    {260, "SHR Akku Konstante", "Shift nach rechts, ohne Vorzeichen,  SHL Akku Konstante", "SHR Akku, Konstante", OperandArt::Anzahl},
    {261, "ROL Akku", "Shift nach links, mit Vorzeichen, Bit 7 ins Carry-Flag ", "ROL Akku, Konstante", OperandArt::Anzahl},
    {262, "ROR Akku", "Shift nach rechts, mit Vorzeichen, Bit 0 ins Carry-Flag", "ROR Akku, Konstante", OperandArt::Anzahl},
    {321, "Compare Akku Register", "Compare Akku mit einem Register", "CMP Akku, Register", OperandArt::Register},
    {322, "Compare Akku Konstanten", "Compare Akku mit einer Konstanten", "CMP Akku, Konstante", OperandArt::Konstante},
    {323, "Jump zu Adresse", "Jump zu Adresse", "Jump Absolute", OperandArt::Adresse},
    {324, "JZ zu Adresse", "JZ zu Adresse (Diff=0)", "", OperandArt::Adresse},
    {325, "JNZ zu Adresse", "JNZ zu Adresse (Diff<>0)", "", OperandArt::Adresse},
    {326, "JS zu Adresse", "JS zu Adresse (Diff<0)", "", OperandArt::Adresse},
    {327, "JNS zu Adresse", "JNS zu Adresse (Diff>=0)", "", OperandArt::Adresse},
    {328, "JL zu Adresse", "JL zu Adresse (Diff<0)", "", OperandArt::Adresse},
    {329, "JLE zu Adresse", "JLE zu Adresse (Diff<=0)", "", OperandArt::Adresse},
    {330, "JG zu Adresse", "JG zu Adresse (Diff>0)", "", OperandArt::Adresse},
    {331, "JGE zu Adresse", "JGE zu Adresse (Diff>=0)", "", OperandArt::Adresse},
    {332, "JC zu Adresse", "JC zu Adresse (CarryFlag=1)", "", OperandArt::Adresse},
    {333, "JNC zu Adresse", "JNC zu Adresse (CarryFlag=0)", "", OperandArt::Adresse},
    {334, "JP zu Adresse", "JP zu Adresse (ParityFlag=1)", "", OperandArt::Adresse},
    {335, "JNP zu Adresse", "JNP zu Adresse (ParityFlag=0)", "", OperandArt::Adresse},
    {385, "IN Akku", "Aus der Eingabeeinheit in den Akku", "IN Akku", OperandArt::Keiner},
    {386, "IN Register", "Aus der Eingabeeinheit in ein Register", "IN Register", OperandArt::Register},
    {387, "OUT Akku", "Aus dem Akku in die Eingabeeinheit", "OUT Akku", OperandArt::Keiner},
    {388, "OUT Register", "Aus einem Register in die Eingabeeinheit", "OUT Register", OperandArt::Register},
    {389, "OUT NewLine", "Ausgabe einer Leerzeile im Editor", "OUT Newline", OperandArt::Keiner},
    {390, "Lies Zahl in E/A-Einheit", "Eingabe einer Zahl, speichen in der E/A-Einheit", "Lese Zahl in E/A", OperandArt::Keiner},
    {449, "CLR Carry", "Clear Carryflag", "CLR Carry", OperandArt::Keiner},
    {450, "IRET", "Unterprogramm-Rücksprung", "IRET", OperandArt::Keiner},
    {451, "NOP", "No Operation (Keine Funktion)", "NOP", OperandArt::Keiner},
    {452, "Go Sub", "Sprung zum Unterprogramm", "Go Subprogramm", OperandArt::Adresse},
};
// clang-format on

const BefehlsEintrag* Suche(int befehl) {
    const auto* it = std::find_if(std::begin(kBefehle), std::end(kBefehle),
                                  [befehl](const BefehlsEintrag& e) { return e.nummer == befehl; });
    return it == std::end(kBefehle) ? nullptr : it;
}

// Execution names indexed by number, built once so the decoder does no search.
struct Ausfuehrungsnamen {
    std::array<std::string, BefehlsTabellenGroesse + 1> namen;
    Ausfuehrungsnamen() {
        namen[0] = "CPU Stop";
        for (const auto& e : kBefehle) {
            namen[static_cast<std::size_t>(e.nummer)] = e.ausfuehrungsname;
        }
    }
};

const Ausfuehrungsnamen& AlleAusfuehrungsnamen() {
    static const Ausfuehrungsnamen tabelle;
    return tabelle;
}

const std::string kLeer;

} // namespace

void BefehlstabellenFuellen() {
    for (const auto& e : kBefehle) {
        Befehlsnamen[static_cast<std::size_t>(e.nummer)] = e.kurzname;
        Befehlsbeschreibungen[static_cast<std::size_t>(e.nummer)] = e.beschreibung;
    }
}

const std::string& Befehlsname(int befehl) {
    if (befehl < 1 || befehl > BefehlsTabellenGroesse) {
        return kLeer;
    }
    return Befehlsnamen[static_cast<std::size_t>(befehl)];
}

const std::string& Ausfuehrungsname(int befehl) {
    if (befehl < 0 || befehl > BefehlsTabellenGroesse) {
        return kLeer;
    }
    return AlleAusfuehrungsnamen().namen[static_cast<std::size_t>(befehl)];
}

int BefehlsLaenge(int befehl) {
    const BefehlsEintrag* e = Suche(befehl);
    if (e == nullptr) {
        return 0;
    }
    return e->operand == OperandArt::Keiner ? 1 : 2;
}

OperandArt OperandArtVon(int befehl) {
    const BefehlsEintrag* e = Suche(befehl);
    return e == nullptr ? OperandArt::Keiner : e->operand;
}

} // namespace tovak
