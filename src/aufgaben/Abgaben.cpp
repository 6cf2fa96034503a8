#include "aufgaben/Abgaben.h"

#include "files/TextDatei.h"
#include "util/Paths.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <system_error>
#include <thread>

namespace tovak {

namespace {

namespace fs = std::filesystem;

bool IsSubmission(const fs::path& pfad) {
    std::string endung = pfad.extension().string();
    std::transform(endung.begin(), endung.end(), endung.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return endung == ".cpu" || endung == ".txt";
}

// The first line of a message: a faulty text lists all its errors.
std::string FirstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

} // namespace

std::vector<std::string> AbgabenSuchen(const std::vector<std::string>& pfade) {
    std::vector<std::string> dateien;
    for (const std::string& pfad : pfade) {
        const fs::path ordner = PathFromUtf8(pfad);
        std::error_code ec;
        if (!fs::is_directory(ordner, ec)) {
            dateien.push_back(pfad);
            continue;
        }
        std::vector<std::string> gefunden;
        for (fs::recursive_directory_iterator
                 it(ordner, fs::directory_options::skip_permission_denied, ec),
             ende;
             !ec && it != ende; it.increment(ec)) {
            if (it->is_regular_file(ec) && IsSubmission(it->path())) {
                gefunden.push_back(PathToUtf8(it->path()));
            }
        }
        std::sort(gefunden.begin(), gefunden.end());
        dateien.insert(dateien.end(), gefunden.begin(), gefunden.end());
    }
    return dateien;
}

Programminhalt AbgabeLesen(const std::string& datei) {
    const std::string bytes = DateiLesen(datei);
    if (!IstProgrammtext(bytes, datei)) {
        return CpuDateiInhalt(bytes);
    }
    Uebersetzung u = Assembliere(TextAlsUtf8(bytes));
    if (!u.Ok()) {
        throw DateiFehler(u.fehler.front().Text());
    }
    return std::move(u.inhalt);
}

AbgabeErgebnis AbgabePruefen(const Aufgabe& aufgabe, const std::string& datei) {
    AbgabeErgebnis ergebnis;
    ergebnis.datei = datei;
    ergebnis.tests = static_cast<int>(aufgabe.tests.size());
    try {
        ergebnis.einzeln = TestsAusfuehren(aufgabe, AbgabeLesen(datei));
    } catch (const std::exception& e) {
        // One file that cannot be read or loaded is a row, never the end of the check.
        ergebnis.meldung = FirstLine(e.what());
        return ergebnis;
    }
    for (std::size_t i = 0; i < ergebnis.einzeln.size(); ++i) {
        const TestErgebnis& t = ergebnis.einzeln[i];
        ergebnis.befehle += t.befehle;
        ergebnis.takte += t.takte;
        if (t.bestanden) {
            ++ergebnis.bestanden;
        } else if (ergebnis.meldung.empty()) {
            ergebnis.meldung = aufgabe.tests[i].name + ": " + t.meldung;
        }
    }
    return ergebnis;
}

std::vector<AbgabeErgebnis> AbgabenPruefen(const Aufgabe& aufgabe,
                                           const std::vector<std::string>& dateien,
                                           unsigned threads,
                                           const std::function<void(std::size_t)>& fortschritt,
                                           const std::atomic<bool>* abbrechen) {
    std::vector<AbgabeErgebnis> ergebnisse(dateien.size());
    std::atomic<std::size_t> naechste{0};
    std::atomic<std::size_t> fertig{0};
    auto arbeiten = [&] {
        for (std::size_t i = naechste++; i < dateien.size(); i = naechste++) {
            if (abbrechen != nullptr && abbrechen->load()) {
                ergebnisse[i].datei = dateien[i];
                ergebnisse[i].tests = static_cast<int>(aufgabe.tests.size());
                ergebnisse[i].meldung = "Nicht geprüft (abgebrochen)";
            } else {
                ergebnisse[i] = AbgabePruefen(aufgabe, dateien[i]);
            }
            const std::size_t n = ++fertig;
            if (fortschritt) {
                fortschritt(n);
            }
        }
    };
    if (threads == 0) {
        threads = std::max(1U, std::thread::hardware_concurrency());
    }
    threads = static_cast<unsigned>(std::min<std::size_t>(threads, dateien.size()));
    std::vector<std::thread> helfer;
    for (unsigned t = 1; t < threads; ++t) {
        helfer.emplace_back(arbeiten);
    }
    arbeiten();
    for (std::thread& t : helfer) {
        t.join();
    }
    return ergebnisse;
}

} // namespace tovak
