// The instruction set: numbers, the two name tables, the names during execution, operand
// kinds and lengths.
#pragma once

#include <array>
#include <string>

namespace tovak {

constexpr int KeinWert = 65536; // "no value" for instructions, operands, micro-steps and buses
constexpr int BefehlsTabellenGroesse = 1024;

enum class OperandArt { Keiner, Konstante, Register, Adresse, Anzahl };

// Short names (grid, file, dialog captions) indexed 1..1024; index 0 and unlisted entries
// hold the empty text.
extern std::array<std::string, BefehlsTabellenGroesse + 1> Befehlsnamen;
// Descriptions (dialog hints) indexed like Befehlsnamen.
extern std::array<std::string, BefehlsTabellenGroesse + 1> Befehlsbeschreibungen;

// Fills both tables; safe to call more than once.
void BefehlstabellenFuellen();

// The short name for 1..1024, the empty text for every other number.
const std::string& Befehlsname(int befehl);
// The name shown while the instruction executes ("CPU Stop" for 0, empty for unknown).
const std::string& Ausfuehrungsname(int befehl);
// 1 or 2 for an instruction, 0 for a number that is no instruction (including 0).
int BefehlsLaenge(int befehl);
OperandArt OperandArtVon(int befehl);

} // namespace tovak
