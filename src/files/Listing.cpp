#include "files/Listing.h"

#include "machine/Befehle.h"

namespace tovak {

namespace {

constexpr const char* kEinzug = "    ";

} // namespace

std::vector<std::string> ProgramListing::Lines() const {
    std::vector<std::string> lines(heading.begin(), heading.end());
    for (const auto& entry : entries) {
        lines.insert(lines.end(), entry.begin(), entry.end());
    }
    return lines;
}

ProgramListing MakeProgramListing(const TRAM& speicher, const std::string& title) {
    ProgramListing listing;
    listing.heading = {kEinzug + title, ""};
    int last = speicher.GetCount() - 1;
    while (last > 0 && speicher.GetValue(last) == 0) {
        --last;
    }
    if (last == 0 && speicher.GetValue(0) == 0) {
        last = speicher.GetCount() - 1;
    }
    listing.entries.reserve(static_cast<std::size_t>(last + 1));
    for (int a = 0; a <= last; ++a) {
        const int value = speicher.GetValue(a);
        // The name is the value's, so a data cell holding an instruction code shows it too.
        listing.entries.push_back(
            {kEinzug + std::to_string(value) +
                 (speicher.IstBefehl(a) ? " Inhalt  is Command" : " Inhalt"),
             kEinzug + std::to_string(speicher.GetBefehlsnummer(a)) + " " + Befehlsname(value),
             ""});
    }
    return listing;
}

std::string ExportCommandsText(const TRAM& speicher) {
    const int rows = speicher.GetCount() + 1;
    int last = rows - 1;
    while (last >= 1 && speicher.Zellentext(2, last) == "0") {
        --last;
    }
    if (last < 1) {
        last = rows - 1;
    }
    std::string text;
    for (int row = 0; row <= last; ++row) {
        if (row > 0) {
            text += "\r\n";
        }
        for (int col = 0; col < TRAM::kSpalten; ++col) {
            if (col > 0) {
                text += '\t';
            }
            text += speicher.Zellentext(col, row);
        }
    }
    return text;
}

} // namespace tovak
