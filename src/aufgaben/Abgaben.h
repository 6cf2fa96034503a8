// A class's submissions checked against an exercise: the files found, each one's tests run,
// many files at once on every core.
#pragma once

#include "aufgaben/Aufgabe.h"
#include "aufgaben/TestLauf.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tovak {

struct AbgabeErgebnis {
    std::string datei;
    int bestanden = 0;
    int tests = 0;
    std::uint64_t befehle = 0; // summed over the tests
    std::uint64_t takte = 0;
    // The first failure, with the test's name ("n = 5: Ausgabe 1: …"), or the read error.
    std::string meldung;
    std::vector<TestErgebnis> einzeln; // empty when the file could not be read

    bool AlleBestanden() const { return tests > 0 && bestanden == tests; }
};

// The files named, and in the folders named (with their subfolders) every ".CPU" and ".txt"
// file, each folder's sorted by name. Paths that name nothing are kept: they become rows
// with their read error.
std::vector<std::string> AbgabenSuchen(const std::vector<std::string>& pfade);

// The program of a ".CPU" file or a program text. A read error or a faulty text throws
// DateiFehler with one line of German text.
Programminhalt AbgabeLesen(const std::string& datei);

// Runs every test on the file; a file that cannot be read is a result with its error.
AbgabeErgebnis AbgabePruefen(const Aufgabe& aufgabe, const std::string& datei);

// Every file, on up to `threads` threads (0: one a core), in the order given. fortschritt,
// when set, is called from the workers with the number of files done so far; abbrechen, when
// set, stops the files not yet begun (their rows say so).
std::vector<AbgabeErgebnis> AbgabenPruefen(const Aufgabe& aufgabe,
                                           const std::vector<std::string>& dateien,
                                           unsigned threads = 0,
                                           const std::function<void(std::size_t)>& fortschritt = {},
                                           const std::atomic<bool>* abbrechen = nullptr);

} // namespace tovak
