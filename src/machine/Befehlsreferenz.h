// What the instruction overview tells a learner about each instruction beyond the table's
// own texts: its effect, the operand's range and the flags it can change. Derived from the
// instruction table and the arithmetic unit's rules, so it cannot drift from what runs.
#pragma once

#include "machine/Befehle.h"

#include <string>

namespace tovak {

// The flags an instruction can change, in the panel order "Z, C, P, S"; "keine" for none.
std::string GeaenderteFlags(const Befehlsbeschreibung& befehl);

// The operand's kind and range ("Register 0 bis 127"), "keiner" for one-cell instructions.
std::string Operandenbereich(OperandArt art);

// What the instruction does, in a sentence or two; W stands for the operand's value.
std::string Wirkung(int befehl);

} // namespace tovak
