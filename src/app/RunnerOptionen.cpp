// The command-line runner's options and texts: the help, the version, and the arguments read
// into LaufOptionen.
#include "app/Runner.h"

#include "app/TextBefehle.h"
#include "files/TextDatei.h"

#include "files/ProgramFile.h"
#include "machine/Fehler.h"
#include "machine/Maschine.h"
#include "machine/StepDecision.h"
#include "util/Version.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <exception>
#include <initializer_list>
#include <string_view>

namespace tovak {

namespace {

// Digits only: no sign, no blanks, nothing after them, at most `hoechstens`.
bool LiesZahl(std::string_view text, std::uint64_t hoechstens, std::uint64_t& zahl) {
    if (text.empty() || text.front() < '0' || text.front() > '9') {
        return false;
    }
    std::uint64_t wert = 0;
    const auto [ende, ec] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (ec != std::errc() || ende != text.data() + text.size() || wert > hoechstens) {
        return false;
    }
    zahl = wert;
    return true;
}

std::string LiesEingaben(std::string_view liste, std::vector<int>& eingaben) {
    for (;;) {
        const std::size_t komma = liste.find(',');
        const std::string_view teil = liste.substr(0, komma);
        std::uint64_t zahl = 0;
        if (!LiesZahl(teil, 65535, zahl)) {
            return "Ungültige Eingabezahl für --input: \"" + std::string(teil) +
                   "\" (erlaubt: 0 bis 65535, durch Kommas getrennt)";
        }
        eingaben.push_back(static_cast<int>(zahl));
        if (komma == std::string_view::npos) {
            return {};
        }
        liste.remove_prefix(komma + 1);
    }
}

// The output window of a headless run: every line goes to the output stream at once.
std::string Ersetze(std::string text, std::string_view alt, std::string_view neu) {
    for (std::size_t pos = text.find(alt); pos != std::string::npos;
         pos = text.find(alt, pos + neu.size())) {
        text.replace(pos, alt.size(), neu);
    }
    return text;
}

} // namespace

std::string HilfeText(std::string_view programm) {
    // The examples and the usage name the program as it was called.
    return Ersetze(R"(Aufruf: tovak --run DATEI.CPU [Optionen]
        tovak --assemble TEXTDATEI -o DATEI.CPU
        tovak --disassemble DATEI.CPU
        tovak --pruefen AUFGABE.aufgabe DATEI|ORDNER... [--csv DATEI] [--xlsx DATEI]
        tovak --help
        tovak --version

Führt ein TOVAK-Programm ohne Fenster aus, so wie "Start von 0": ab Adresse 0
(IP 0, SP 255), Speicher und Register wie aus der Datei geladen, Mikroschritt
für Mikroschritt. Der Lauf endet bei "CPU Stop", bei einem Fehler des
Steuerwerks, bei einem Bereichsfehler oder einer Division durch Null, oder
wenn die Schrittgrenze erreicht ist.

Jede Zeile, die das Ausgabefenster bekäme, erscheint sofort auf der
Standardausgabe (UTF-8, eine Zeile je Ausgabe). "OUT NewLine" und jede
eingelesene Zahl ergeben zusätzlich eine Leerzeile.

Statt einer .CPU-Datei darf auch ein Programmtext (Befehle als Text, mit
Marken, wie im Fenster "Programmtext") stehen; er wird am Inhalt erkannt.

Optionen (der Wert darf auch mit "=" folgen, etwa --format=hex):
  --format bin|hex|ascii  Ausgabeformat; Voreinstellung bin (wie "Binär")
  --input N[,N...]        Zahlen von 0 bis 65535, die der Reihe nach als
                          Antwort auf "Lies Zahl in E/A-Einheit" gelten; ist
                          keine mehr übrig, gilt die Eingabe als abgebrochen
                          (Fehler 6). Darf mehrfach stehen.
  --interrupt-at K        setzt die Interrupt-Anforderung unmittelbar vor dem
                          K-ten Mikroschritt (ab 1 gezählt). Darf mehrfach
                          stehen.
  --max-steps N           Schrittgrenze in Mikroschritten; Voreinstellung
                          10000000
  --trace                 eine Zeile je Mikroschritt auf der Fehlerausgabe:
                          Nummer, Code, Name, IP, Adressbus, Datenbus
                          (durch Tabulatoren getrennt)
  --dump                  nach dem Lauf auf der Standardausgabe, je Zeile:
                          Akku=, Operand=, Z=, C=, P=, S=, IP=, SP=, dann
                          R<n>= für jedes Register ungleich 0 und M<a>= für
                          jede Speicherzelle, die sich gegenüber der Datei
                          geändert hat (alle Werte dezimal)
  --assemble TEXTDATEI    übersetzt den Programmtext in eine .CPU-Datei, die
  -o DATEI.CPU            -o nennt; Fehler erscheinen als "Zeile N: ..." auf
                          der Fehlerausgabe, die Datei bleibt dann unberührt
  --disassemble DATEI.CPU schreibt das Programm als Programmtext auf die
                          Standardausgabe
  --pruefen AUFGABE.aufgabe DATEI|ORDNER...
                          prüft jede Datei (.CPU oder Programmtext; Ordner
                          werden samt Unterordnern nach .CPU- und .txt-Dateien
                          durchsucht) mit allen Tests der Aufgabe und zeigt
                          eine Tabelle: Datei, bestandene Tests, Befehle und
                          Takte (über die Tests summiert), die erste Meldung
  --csv DATEI             mit --pruefen: die Tabelle zusätzlich als CSV für
                          eine Tabellenkalkulation (UTF-8, ";")
  --xlsx DATEI            mit --pruefen: die Tabelle zusätzlich als .xlsx
  -h, --help              zeigt diese Hilfe
  --version               zeigt die Versionsnummer

Rückgabewert:
  0  beendet bei "CPU Stop"
  1  Fehler 1 bis 6 des Steuerwerks (Meldung auf der Fehlerausgabe)
  2  falscher Aufruf, Dateifehler oder Fehler im Programmtext (Meldung auf
     der Fehlerausgabe)
  3  Bereichsfehler oder Division durch Null (Meldung auf der Fehlerausgabe)
  4  Schrittgrenze erreicht
  Mit --pruefen: 0 alle Dateien bestehen alle Tests, 1 mindestens ein Test
  scheitert, 2 unbrauchbare Aufgabendatei oder falscher Aufruf

Beispiele:
  tovak --run summe.CPU --dump
  tovak --assemble summe.txt -o summe.CPU
  tovak --disassemble summe.CPU > summe.txt
  tovak --run eingabe.CPU --input 72,97,108,108,111 --format ascii
  tovak --pruefen summe.aufgabe abgaben/ --csv ergebnis.csv
  for f in abgaben/*.CPU; do tovak --run "$f" --input 3,4 > "$f.txt"; done
)",
                   "tovak ", std::string(programm) + " ");
}

std::string VersionText(std::string_view programm) {
    return std::string(programm) + " " + kVersion + " (TOVAK – Rechner-Simulation)\n";
}

std::string ParseLaufOptionen(const std::vector<std::string>& args, LaufOptionen& o,
                              std::string_view programm) {
    // The help wins over everything else on the line, then the version, also over what the
    // parser would refuse.
    auto steht = [&args](std::initializer_list<std::string_view> namen) {
        return std::any_of(args.begin(), args.end(), [&namen](const std::string& arg) {
            return std::find(namen.begin(), namen.end(), arg) != namen.end();
        });
    };
    if (steht({"-h", "--help"})) {
        o.hilfe = true;
        return {};
    }
    if (steht({"--version"})) {
        o.version = true;
        return {};
    }

    CLI::App app;
    app.set_help_flag();
    // What is left over gets a German message below.
    app.allow_extras();
    // On Windows the parser would take a path such as "/tmp/a.txt" for a "/option".
    app.allow_windows_style_options(false);
    std::vector<std::string> dateien, formate, eingaben, interrupts, grenzen;
    auto wert = [&app](const char* name, std::vector<std::string>& werte) {
        app.add_option(name, werte)
            ->expected(1)
            ->allow_extra_args(false)
            ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    };
    wert("--run", dateien);
    wert("--format", formate);
    wert("--input", eingaben);
    wert("--interrupt-at", interrupts);
    wert("--max-steps", grenzen);
    std::vector<std::string> assemble, disassemble, ausgabe, ausgabeLang;
    wert("--assemble", assemble);
    wert("--disassemble", disassemble);
    // Two options, so that a message names the one that was given.
    wert("-o", ausgabe);
    wert("--output", ausgabeLang);
    PruefWerte pruefWerte;
    PruefOptionenAnmelden(app, pruefWerte);
    app.add_flag("--trace", o.trace)->disable_flag_override();
    app.add_flag("--dump", o.dump)->disable_flag_override();
    try {
        // The parser takes the arguments last first; "-o=FILE" is "-o FILE", as for the long
        // options.
        std::vector<std::string> rueckwaerts;
        for (auto arg = args.rbegin(); arg != args.rend(); ++arg) {
            if (arg->starts_with("-o=")) {
                rueckwaerts.push_back(arg->substr(3));
                rueckwaerts.emplace_back("-o");
            } else {
                rueckwaerts.push_back(*arg);
            }
        }
        app.parse(rueckwaerts);
    } catch (const CLI::ParseError& e) {
        // "--format: 1 required TEXT missing", "dump was given a disallowed flag override"
        const std::string_view text = e.what();
        const std::string name(text.substr(0, text.find_first_of(": ")));
        if (text.find("flag override") != std::string_view::npos) {
            return "Die Option --" + name + " nimmt keinen Wert";
        }
        return "Die Option " + name + " verlangt einen Wert";
    }
    if (const std::vector<std::string> rest = app.remaining(); !rest.empty()) {
        if (rest.front().starts_with("-")) {
            return "Unbekannte Option: \"" + rest.front() + "\"";
        }
        return "Unerwartetes Argument: \"" + rest.front() + "\"";
    }
    if (dateien.size() > 1) {
        return "Die Option --run steht mehrfach da";
    }
    if (dateien.size() == 1 && dateien.front().empty()) {
        return "Die Option --run verlangt einen Dateinamen";
    }
    // Of a repeated program command or target the last counts.
    o.assemble = assemble.empty() ? std::string() : assemble.back();
    o.disassemble = disassemble.empty() ? std::string() : disassemble.back();
    ausgabe.insert(ausgabe.end(), ausgabeLang.begin(), ausgabeLang.end());
    o.ausgabe = ausgabe.empty() ? std::string() : ausgabe.back();
    // Of a repeated format or step limit the last counts.
    if (!formate.empty()) {
        const std::string& format = formate.back();
        if (format == "bin") {
            o.format = FormatBinaer;
        } else if (format == "hex") {
            o.format = FormatHex;
        } else if (format == "ascii") {
            o.format = FormatAscii;
        } else {
            return "Unbekanntes Ausgabeformat: \"" + format + "\" (erlaubt: bin, hex, ascii)";
        }
    }
    for (const std::string& liste : eingaben) {
        if (std::string fehler = LiesEingaben(liste, o.eingaben); !fehler.empty()) {
            return fehler;
        }
    }
    for (const std::string& k : interrupts) {
        std::uint64_t schritt = 0;
        if (!LiesZahl(k, UINT64_MAX, schritt) || schritt == 0) {
            return "Ungültiger Mikroschritt für --interrupt-at: \"" + k +
                   "\" (erlaubt: eine ganze Zahl ab 1)";
        }
        o.interrupts.push_back(schritt);
    }
    if (!grenzen.empty() && !LiesZahl(grenzen.back(), UINT64_MAX, o.maxSchritte)) {
        return "Ungültige Schrittgrenze für --max-steps: \"" + grenzen.back() +
               "\" (erlaubt: eine ganze Zahl ab 0)";
    }
    if (pruefWerte.Gegeben()) {
        return PruefOptionenLesen(pruefWerte,
                                  !dateien.empty() || !o.assemble.empty() || !o.disassemble.empty(),
                                  o.pruefen);
    }
    std::sort(o.interrupts.begin(), o.interrupts.end());
    o.interrupts.erase(std::unique(o.interrupts.begin(), o.interrupts.end()), o.interrupts.end());
    o.datei = dateien.empty() ? std::string() : dateien.front();
    std::string fehler =
        TextOptionenPruefen(!dateien.empty(), o.assemble, o.disassemble, o.ausgabe);
    return Ersetze(fehler, "(tovak ", "(" + std::string(programm) + " ");
}

} // namespace tovak
