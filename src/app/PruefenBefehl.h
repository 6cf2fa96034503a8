// The command-line check of a class's submissions: "--pruefen AUFGABE DATEI…" with the table on
// the standard output and, on request, the same as CSV and as an .xlsx workbook.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace CLI {
class App;
}

namespace tovak {

struct PruefOptionen {
    std::string aufgabe;
    std::vector<std::string> abgaben; // files and folders
    std::string csv;
    std::string xlsx;
};

// The values of the check's options as the parser leaves them.
struct PruefWerte {
    std::vector<std::string> pruefen; // the exercise, then files and folders
    std::vector<std::string> csv;
    std::vector<std::string> xlsx;
    bool Gegeben() const { return !pruefen.empty() || !csv.empty() || !xlsx.empty(); }
};

// Adds --pruefen (the exercise and every file or folder after it), --csv and --xlsx.
void PruefOptionenAnmelden(CLI::App& app, PruefWerte& werte);

// The options from the parsed values and how they go together with the rest of the line:
// the empty text when they do, else the German message of the usage error.
std::string PruefOptionenLesen(const PruefWerte& werte, bool andererBefehl,
                               PruefOptionen& optionen);

// Returns 0 when every file passes every test, 1 when any fails, 2 for an unusable exercise
// file, no submissions, or a report that cannot be written.
int AbgabenPruefenBefehl(const PruefOptionen& optionen, std::FILE* out, std::FILE* err);

} // namespace tovak
