// The program text read into a program image: one statement a line, labels, directives,
// all or nothing. The rules are those of the README ("Programmtext").
#pragma once

#include "files/Programminhalt.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tovak {

struct TextFehler {
    int zeile; // from 1
    std::string meldung;
    // "Zeile 7: …"
    std::string Text() const;
};

struct Uebersetzung {
    // Everything else zero. Only valid when there are no errors.
    Programminhalt inhalt;
    // In line order; empty when the text is good.
    std::vector<TextFehler> fehler;
    // For each address the line of the statement that wrote the cell, 0 for none.
    std::array<int, TRAM::kZellen> zeileDerZelle{};

    bool Ok() const { return fehler.empty(); }
    int ZeileVon(int adresse) const {
        return adresse >= 0 && adresse < TRAM::kZellen
                   ? zeileDerZelle[static_cast<std::size_t>(adresse)]
                   : 0;
    }
};

// Reads UTF-8 text (any line ends). At most kMaxFehler errors are listed.
Uebersetzung Assembliere(std::string_view text);
inline constexpr std::size_t kMaxFehler = 100;

} // namespace tovak
