// The ".CPU" program file: remarks, memory and registers as CR LF text in Windows-1252.
#pragma once

#include "machine/RAM.h"
#include "machine/Reg.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tovak {

enum class LeseErgebnis {
    Geladen,      // the file was read
    VersionZuAlt, // the version line is below 5: nothing was changed
};

// Limits that keep a hostile file from exhausting a school PC: reading costs time and memory
// in proportion to the file, up to these sizes.
inline constexpr std::uintmax_t kMaxDateigroesse = 4 * 1024 * 1024;
inline constexpr int kMaxBemerkungszeilen = 10000;
inline constexpr const char* kZuGrossText =
    "Die Datei ist zu groß für ein TOVAK-Programm (höchstens 4 MB) und wurde nicht geladen.";

// Writes the whole file. Failures throw DateiFehler (or Bereichsfehler) with the German
// message; an existing file is only replaced when the new one was written completely, or,
// in a folder that takes no new file, after its old content was copied to
// kopieVorOrtSchreiben (see DateiErsetzen).
void WriteDatei(const std::string& fileName, const std::vector<std::string>& remarkLines,
                const TRAM& speicher, const TReg& reg,
                const std::string& kopieVorOrtSchreiben = {});

// Reads the whole file into remarks, memory and registers (the caller resets the registers
// first). Failures throw DateiFehler or Bereichsfehler; what was read before stays. A file
// above kMaxDateigroesse or with more than kMaxBemerkungszeilen remark lines is refused.
LeseErgebnis ReadDatei(const std::string& fileName, std::vector<std::string>& remarkLines,
                       TRAM& speicher, TReg& reg);

} // namespace tovak
