#include "app/PruefenBefehl.h"

#include "aufgaben/Bericht.h"
#include "files/ProgrammText.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <exception>
#include <utility>

namespace tovak {

void PruefOptionenAnmelden(CLI::App& app, PruefWerte& werte) {
    app.add_option("--pruefen", werte.pruefen)
        ->expected(1, CLI::detail::expected_max_vector_size)
        ->allow_extra_args(true)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    for (auto [name, ziel] : {std::pair{"--csv", &werte.csv}, std::pair{"--xlsx", &werte.xlsx}}) {
        app.add_option(name, *ziel)
            ->expected(1)
            ->allow_extra_args(false)
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    }
}

std::string PruefOptionenLesen(const PruefWerte& werte, bool andererBefehl, PruefOptionen& o) {
    if (werte.pruefen.empty()) {
        return "Die Optionen --csv und --xlsx gelten nur mit --pruefen";
    }
    if (andererBefehl) {
        return "Die Option --pruefen steht allein, ohne --run, --assemble oder --disassemble";
    }
    if (werte.pruefen.front().empty()) {
        return "Die Option --pruefen verlangt eine Aufgabendatei";
    }
    if (werte.pruefen.size() < 2) {
        return "Die Option --pruefen verlangt nach der Aufgabe mindestens eine Datei oder einen "
               "Ordner";
    }
    o.aufgabe = werte.pruefen.front();
    o.abgaben.assign(werte.pruefen.begin() + 1, werte.pruefen.end());
    // Of a repeated target the last counts, as for the program commands.
    o.csv = werte.csv.empty() ? std::string() : werte.csv.back();
    o.xlsx = werte.xlsx.empty() ? std::string() : werte.xlsx.back();
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
