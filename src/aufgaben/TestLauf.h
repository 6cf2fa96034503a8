// One test of an exercise run on a machine, headless: the number inputs answered from the
// test, the interrupt requests set before the given micro-steps, the output values collected,
// and then what the test demands compared with what the machine holds.
#pragma once

#include "aufgaben/Aufgabe.h"
#include "files/Programminhalt.h"
#include "machine/Maschine.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tovak {

struct TestErgebnis {
    bool bestanden = false;
    std::string meldung; // the first thing that failed, in German; empty when passed
    std::uint64_t befehle = 0;
    std::uint64_t takte = 0;
};

// Runs the test from address 0 on the loaded machine as "Start von 0" would, until
// "CPU Stop", an error, or maxTakte micro-steps.
TestErgebnis TestAusfuehren(HeadlessMaschine& m, const AufgabenTest& test, std::uint64_t maxTakte);

// Each test on a fresh machine loaded with the program.
std::vector<TestErgebnis> TestsAusfuehren(const Aufgabe& aufgabe, const Programminhalt& programm);

} // namespace tovak
