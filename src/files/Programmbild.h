// A program read from a file apart from the machine: a read that fails half way leaves the
// machine's program exactly as it was, and the window takes the new one over only whole.
#pragma once

#include "files/ProgramFile.h"
#include "machine/RAM.h"
#include "machine/Reg.h"

#include <string>
#include <vector>

namespace tovak {

struct Programmbild {
    std::vector<std::string> bemerkungen;
    TRAM speicher{TRAM::kMaxCount, nullptr};
    TReg reg{TReg::kMaxCount, nullptr};
};

// ReadDatei into the image, with the same results and failures.
LeseErgebnis ReadDatei(const std::string& fileName, Programmbild& bild);

// Puts the image's memory and registers (values and names) in place of the machine's and
// redraws both grids; nothing of the previous program stays.
void Uebernehmen(const Programmbild& bild, TRAM& speicher, TReg& reg);

} // namespace tovak
