#include "aufgaben/Bericht.h"

#include "machine/Fehler.h"

namespace tovak {

// Built without libxlsxwriter (a cross build without it): the CSV serves instead.
bool XlsxVerfuegbar() {
    return false;
}

void BerichtXlsx(const std::vector<AbgabeErgebnis>&, const std::string&) {
    throw DateiFehler("Diese Ausgabe wurde ohne .xlsx-Unterstützung gebaut; bitte --csv verwenden");
}

} // namespace tovak
