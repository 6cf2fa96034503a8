// A whole program as the program file keeps it, apart from any machine: the remark lines,
// every memory cell (value and command mark) and every register (value and name). The text
// form is read into one and written from one; loading one into the stores replaces all.
#pragma once

#include "machine/RAM.h"
#include "machine/Reg.h"

#include <array>
#include <string>
#include <vector>

namespace tovak {

struct Programminhalt {
    struct Zelle {
        int wert = 0;
        bool befehl = false; // command mark; an instruction cell's number is its value
        bool Leer() const { return wert == 0 && !befehl; }
        bool operator==(const Zelle&) const = default;
    };
    struct Register {
        int wert = 0; // 0..65535
        std::string name;
        bool operator==(const Register&) const = default;
    };

    std::vector<std::string> bemerkung;
    std::array<Zelle, TRAM::kZellen> zellen{};
    std::array<Register, TReg::kRegisterZahl> register_{};

    bool operator==(const Programminhalt&) const = default;
};

// The program held by the stores and the remark lines.
Programminhalt InhaltAusSpeicher(const std::vector<std::string>& bemerkung, const TRAM& speicher,
                                 const TReg& reg);

// Replaces memory and registers by the image, cells 4000 and register 127 included, as the
// instruction dialogs would have written them (operand cells with instruction number 0), and
// refills both grids. The image must hold what the memory accepts: instruction cells below
// 4000 with numbers 1..1024 (the text reader checks that); else Bereichsfehler.
void InhaltInSpeicher(const Programminhalt& inhalt, TRAM& speicher, TReg& reg);

} // namespace tovak
