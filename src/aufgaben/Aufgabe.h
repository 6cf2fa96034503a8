// An exercise that checks itself: its title and text, and the tests a program must pass,
// read from a ".aufgabe" file (TOML).
#pragma once

#include "machine/Fehler.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovak {

inline constexpr std::uint64_t kStandardMaxTakte = 1'000'000;

struct AufgabenTest {
    std::string name;
    std::vector<int> eingabe; // answers to the number input, in order
    std::vector<int> ausgabe; // the values written by the output instructions, in order
    // What must hold after "CPU Stop"; register and address ascending.
    std::map<int, int> register_;
    std::map<int, int> speicher;
    std::optional<int> akku;
    std::optional<bool> z, c, p, s;
    // Micro-step numbers (from 1) before which the interrupt request is set; ascending.
    std::vector<std::uint64_t> interrupts;
};

struct Aufgabe {
    std::string titel;
    std::string text;
    std::uint64_t maxTakte = kStandardMaxTakte; // per test
    std::vector<AufgabenTest> tests;
};

// A refused exercise file; what() is "Zeile N: …" where the file names a line.
class AufgabenFehler : public DateiFehler {
public:
    using DateiFehler::DateiFehler;
};

// Reads the TOML text of an exercise. Unknown keys, wrong types, values out of range, a test
// without "ausgabe" and a file without tests throw AufgabenFehler.
Aufgabe AufgabeLesen(std::string_view text);
// Reads the file; read errors throw DateiFehler, the rest as AufgabeLesen.
Aufgabe AufgabeLaden(const std::string& datei);

} // namespace tovak
