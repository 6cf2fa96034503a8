#include "aufgaben/Bericht.h"

#include "machine/Fehler.h"

#include <xlsxwriter.h>

namespace tovak {

bool XlsxVerfuegbar() {
    return true;
}

void BerichtXlsx(const std::vector<AbgabeErgebnis>& ergebnisse, const std::string& datei) {
    lxw_workbook* mappe = workbook_new(datei.c_str());
    if (mappe == nullptr) {
        throw DateiFehler("Die Datei " + datei + " lässt sich nicht anlegen");
    }
    lxw_worksheet* blatt = workbook_add_worksheet(mappe, "Abgaben");
    lxw_format* kopf = workbook_add_format(mappe);
    format_set_bold(kopf);
    lxw_format* gut = workbook_add_format(mappe);
    format_set_bg_color(gut, 0xC6EFCE);
    lxw_format* schlecht = workbook_add_format(mappe);
    format_set_bg_color(schlecht, 0xFFC7CE);

    const char* spalten[] = {"Datei", "Bestanden", "Tests", "Befehle", "Takte", "Meldung"};
    for (lxw_col_t s = 0; s < 6; ++s) {
        worksheet_write_string(blatt, 0, s, spalten[s], kopf);
    }
    worksheet_set_column(blatt, 0, 0, 40, nullptr);
    worksheet_set_column(blatt, 1, 4, 11, nullptr);
    worksheet_set_column(blatt, 5, 5, 60, nullptr);
    lxw_row_t zeile = 1;
    for (const AbgabeErgebnis& e : ergebnisse) {
        lxw_format* f = e.AlleBestanden() ? gut : schlecht;
        worksheet_write_string(blatt, zeile, 0, e.datei.c_str(), f);
        worksheet_write_number(blatt, zeile, 1, e.bestanden, f);
        worksheet_write_number(blatt, zeile, 2, e.tests, f);
        worksheet_write_number(blatt, zeile, 3, static_cast<double>(e.befehle), f);
        worksheet_write_number(blatt, zeile, 4, static_cast<double>(e.takte), f);
        worksheet_write_string(blatt, zeile, 5, e.meldung.c_str(), f);
        ++zeile;
    }
    worksheet_freeze_panes(blatt, 1, 0);
    const lxw_error fehler = workbook_close(mappe);
    if (fehler != LXW_NO_ERROR) {
        throw DateiFehler("Die Datei " + datei +
                          " ließ sich nicht schreiben: " + lxw_strerror(fehler));
    }
}

} // namespace tovak
