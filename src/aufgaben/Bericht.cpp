#include "aufgaben/Bericht.h"

#include <algorithm>
#include <array>

namespace tovak {

namespace {

// Columns are counted in characters, not bytes: names and messages hold umlauts.
std::size_t Width(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(";\"\r\n") == std::string::npos) {
        return text;
    }
    std::string feld = "\"";
    for (char c : text) {
        feld += c;
        if (c == '"') {
            feld += '"';
        }
    }
    return feld + "\"";
}

} // namespace

std::string BerichtTabelle(const std::vector<AbgabeErgebnis>& ergebnisse) {
    std::vector<std::array<std::string, 5>> zeilen;
    zeilen.push_back({"Datei", "Bestanden", "Befehle", "Takte", "Meldung"});
    int alle = 0;
    for (const AbgabeErgebnis& e : ergebnisse) {
        zeilen.push_back({e.datei, std::to_string(e.bestanden) + " von " + std::to_string(e.tests),
                          std::to_string(e.befehle), std::to_string(e.takte), e.meldung});
        alle += e.AlleBestanden() ? 1 : 0;
    }
    std::array<std::size_t, 5> breite{};
    for (const auto& zeile : zeilen) {
        for (std::size_t s = 0; s < zeile.size(); ++s) {
            breite[s] = std::max(breite[s], Width(zeile[s]));
        }
    }
    std::string text;
    for (const auto& zeile : zeilen) {
        std::string z;
        for (std::size_t s = 0; s < zeile.size(); ++s) {
            // Numbers stand right-aligned, texts left-aligned; the last column is not padded.
            const std::string fuell(breite[s] - Width(zeile[s]), ' ');
            const bool zahl = s == 2 || s == 3;
            if (s > 0) {
                z += "  ";
            }
            z += zahl ? fuell + zeile[s] : s + 1 < zeile.size() ? zeile[s] + fuell : zeile[s];
        }
        while (!z.empty() && z.back() == ' ') {
            z.pop_back();
        }
        text += z + "\n";
    }
    text += std::to_string(alle) + " von " + std::to_string(ergebnisse.size()) +
            " Abgaben bestehen alle Tests.\n";
    return text;
}

std::string BerichtCsv(const std::vector<AbgabeErgebnis>& ergebnisse) {
    std::string csv = "\xEF\xBB\xBF"
                      "Datei;Bestanden;Tests;Befehle;Takte;Meldung\r\n";
    for (const AbgabeErgebnis& e : ergebnisse) {
        csv += CsvField(e.datei) + ";" + std::to_string(e.bestanden) + ";" +
               std::to_string(e.tests) + ";" + std::to_string(e.befehle) + ";" +
               std::to_string(e.takte) + ";" + CsvField(e.meldung) + "\r\n";
    }
    return csv;
}

} // namespace tovak
