// The ".CPU" program file: remarks, memory and registers as CR LF text in Windows-1252.
#pragma once

#include "machine/RAM.h"
#include "machine/Reg.h"

#include <string>
#include <vector>

namespace tovak {

enum class LeseErgebnis {
    Geladen,      // the file was read
    VersionZuAlt, // the version line is below 5: nothing was changed
};

// Writes the whole file. Failures throw DateiFehler (or Bereichsfehler) with the German
// message; an existing file is only replaced when the new one was written completely.
void WriteDatei(const std::string& fileName, const std::vector<std::string>& remarkLines,
                const TRAM& speicher, const TReg& reg);

// Reads the whole file into remarks, memory and registers (the caller resets the registers
// first). Failures throw DateiFehler or Bereichsfehler; what was read before stays.
LeseErgebnis ReadDatei(const std::string& fileName, std::vector<std::string>& remarkLines,
                       TRAM& speicher, TReg& reg);

} // namespace tovak
