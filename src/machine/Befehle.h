// The instruction set: numbers, the two name tables, the names during execution, operand
// kinds, lengths and each instruction's list of micro-steps.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace tovak {

constexpr int KeinWert = 65536; // "no value" for instructions, operands, micro-steps and buses
constexpr int BefehlsTabellenGroesse = 1024;

enum class OperandArt { Keiner, Konstante, Register, Adresse, Anzahl };

// The micro-steps by their codes. Code 19 is none: position 19 of a list holds its end mark.
enum class Mikroschritt : std::uint8_t {
    Keiner = 0, // fills the list entries that hold no micro-step
    BefehlAdressieren = 1,
    BefehlLesen = 2,
    BefehlDecodieren = 3,
    OperandAdressieren = 4,
    OperandLesen = 5,
    KonstanteInAkku = 6,
    SpeicherAdressieren = 7,
    RegisterLesen = 8,
    AkkuInOperand = 9,
    SpeicherLesezyklus = 10,
    RegisterLesezyklus = 11,
    AkkuLesezyklus = 12,
    EALesezyklus = 13,
    SpeicherSchreibzyklus = 14,
    RegisterSchreibzyklus = 15,
    AkkuSchreibzyklus = 16,
    EASchreibzyklus = 17,
    BefehlAnALU = 18,
    FlagLesen = 20,
    BefehlAusfuehren = 21,
    TestAufInterrupt = 22,
    IPInStack = 23,
    AkkuInStack = 24,
    FlagsInStack = 25,
    IPAufISR = 26,
    FlagsWiederherstellen = 27,
    AkkuWiederherstellen = 28,
    IPWiederherstellen = 29,
    ISRBeendet = 30,
    ZahlEinlesen = 31,
    LeerzeileSchreiben = 32,
    Listenende = 255, // the end mark at position 19
};

constexpr int kHoechsterMikroschritt = 32;

// The store the address bus addresses after a micro-step, which a display follows: the
// memory (fetches, operands, the stack) or a register (its number, read or written).
enum class Adressziel : std::uint8_t { Keins, Speicher, Register };
constexpr Adressziel AdresszielVon(int code) {
    using enum Mikroschritt;
    switch (static_cast<Mikroschritt>(code)) {
    case BefehlAdressieren:
    case BefehlLesen:
    case OperandAdressieren:
    case OperandLesen:
    case SpeicherAdressieren:
    case SpeicherLesezyklus:
    case SpeicherSchreibzyklus:
    case IPInStack:
    case AkkuInStack:
    case FlagsInStack:
    case FlagsWiederherstellen:
    case AkkuWiederherstellen:
    case IPWiederherstellen:
        return Adressziel::Speicher;
    case RegisterLesen:
    case RegisterLesezyklus:
    case RegisterSchreibzyklus:
        return Adressziel::Register;
    default:
        return Adressziel::Keins;
    }
}

// The German name of a micro-step code, empty for codes that are no micro-step.
const std::string& Mikroschrittname(int code);

// The micro-steps an instruction runs after the three of every fetch ("Befehl adressieren",
// "Befehl lesen", "Befehl decodieren"); every list ends with the interrupt test.
struct Schrittliste {
    static constexpr int kMax = 8;
    std::array<Mikroschritt, kMax> schritte{};
    std::uint8_t laenge = 0;

    constexpr Schrittliste() = default;
    constexpr Schrittliste(std::initializer_list<Mikroschritt> liste) {
        for (Mikroschritt s : liste) {
            schritte[laenge++] = s;
        }
    }
    constexpr const Mikroschritt* begin() const { return schritte.data(); }
    constexpr const Mikroschritt* end() const { return schritte.data() + laenge; }
};

// One instruction of the set.
struct Befehlsbeschreibung {
    int nummer;
    const char* kurzname;
    const char* beschreibung;
    const char* ausfuehrungsname;
    OperandArt operand;
    Schrittliste schritte;
};

// Short names (grid, file, dialog captions) indexed 1..1024; index 0 and unlisted entries
// hold the empty text.
extern std::array<std::string, BefehlsTabellenGroesse + 1> Befehlsnamen;
// Descriptions (dialog hints) indexed like Befehlsnamen.
extern std::array<std::string, BefehlsTabellenGroesse + 1> Befehlsbeschreibungen;

// Fills both tables; safe to call more than once.
void BefehlstabellenFuellen();

// The instruction with this number; nullptr for a number that is no instruction (0 too).
const Befehlsbeschreibung* BefehlMitNummer(int befehl);
// Every instruction, in the order of their numbers.
const Befehlsbeschreibung* AlleBefehleBegin();
const Befehlsbeschreibung* AlleBefehleEnd();

// The short name for 1..1024, the empty text for every other number.
const std::string& Befehlsname(int befehl);
// The name shown while the instruction executes ("CPU Stop" for 0, empty for unknown).
const std::string& Ausfuehrungsname(int befehl);
// 1 or 2 for an instruction, 0 for a number that is no instruction (including 0).
int BefehlsLaenge(int befehl);
OperandArt OperandArtVon(int befehl);

} // namespace tovak
