// The results of a class's submissions for people: a text table for the terminal, CSV for a
// German spreadsheet, and an .xlsx workbook.
#pragma once

#include "aufgaben/Abgaben.h"

#include <string>
#include <vector>

namespace tovak {

// Aligned columns Datei, Bestanden, Befehle, Takte, Meldung, then a summary line.
std::string BerichtTabelle(const std::vector<AbgabeErgebnis>& ergebnisse);

// UTF-8 with byte order mark, CR LF, ";" between fields, header
// "Datei;Bestanden;Tests;Befehle;Takte;Meldung".
std::string BerichtCsv(const std::vector<AbgabeErgebnis>& ergebnisse);

// Writes the workbook; failures throw DateiFehler. Only where libxlsxwriter was found.
void BerichtXlsx(const std::vector<AbgabeErgebnis>& ergebnisse, const std::string& datei);
bool XlsxVerfuegbar();

} // namespace tovak
