#include "app/PruefenBefehl.h"

#include "aufgaben/Bericht.h"
#include "files/ProgrammText.h"

#include <algorithm>
#include <exception>

namespace tovak {

std::string PruefOptionenPruefen(bool andererBefehl, const PruefOptionen& o) {
    if (o.aufgabe.empty()) {
        return "Die Optionen --csv und --xlsx gelten nur mit --pruefen";
    }
    if (andererBefehl) {
        return "Die Option --pruefen steht allein, ohne --run, --assemble oder --disassemble";
    }
    if (o.abgaben.empty()) {
        return "Die Option --pruefen verlangt nach der Aufgabe mindestens eine Datei oder einen "
               "Ordner";
    }
    return {};
}

int AbgabenPruefenBefehl(const PruefOptionen& o, std::FILE* out, std::FILE* err) {
    Aufgabe aufgabe;
    try {
        aufgabe = AufgabeLaden(o.aufgabe);
    } catch (const std::exception& e) {
        std::fprintf(err, "Fehler: %s: %s\n", o.aufgabe.c_str(), e.what());
        return 2;
    }
    const std::vector<std::string> dateien = AbgabenSuchen(o.abgaben);
    if (dateien.empty()) {
        std::fputs("Fehler: Keine Abgaben gefunden (.CPU- oder .txt-Dateien)\n", err);
        return 2;
    }
    const std::vector<AbgabeErgebnis> ergebnisse = AbgabenPruefen(aufgabe, dateien);
    const std::string tabelle = BerichtTabelle(ergebnisse);
    std::fwrite(tabelle.data(), 1, tabelle.size(), out);
    try {
        if (!o.csv.empty()) {
            DateiErsetzen(o.csv, BerichtCsv(ergebnisse));
        }
        if (!o.xlsx.empty()) {
            BerichtXlsx(ergebnisse, o.xlsx);
        }
    } catch (const std::exception& e) {
        std::fprintf(err, "Fehler: %s\n", e.what());
        return 2;
    }
    const bool alle = std::all_of(ergebnisse.begin(), ergebnisse.end(),
                                  [](const AbgabeErgebnis& e) { return e.AlleBestanden(); });
    return alle ? 0 : 1;
}

} // namespace tovak
