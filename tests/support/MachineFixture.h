// A whole machine on plain tables with recording callbacks and a few helpers for tests.
#pragma once

#include "machine/Maschine.h"
#include "support/Aufzeichnung.h"

#include <deque>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace tovak::test {

// What the callbacks record; a base of its own so it exists before the control unit, whose
// creation already reports the IP.
struct Aufzeichnung : EingabenUndBoxen {
    PlainOutputWindow ausgabe;
    std::vector<int> ipAenderungen;
};

struct PlainMachine : Aufzeichnung, PlainMaschine {
    PlainMachine() : PlainMaschine(Rueckrufe()) { ea.SetAusgabefenster(&ausgabe); }

    // Lays out instructions from an address: {code, operand?} as the encoder would.
    void Programm(int adresse, std::initializer_list<std::vector<int>> befehle) {
        for (const auto& b : befehle) {
            speicher.SetCell(b[0], adresse++, b[0], true);
            if (b.size() > 1) {
                speicher.SetCell(0, adresse++, b[1], false);
            }
        }
    }

    // Runs micro-steps until the error code is set; returns the number performed.
    int LaufeBisFehler(int maxSchritte = 100000) {
        int n = 0;
        while (steuerwerk.GetFehler() == 0 && n < maxSchritte) {
            steuerwerk.Takt();
            ++n;
        }
        return n;
    }

    // Runs one whole instruction: micro-steps until the next one begins a new instruction
    // (inside a service routine the skipped interrupt test marks the end).
    void Befehl() {
        do {
            steuerwerk.Takt();
        } while (steuerwerk.GetSchritt() != 0 &&
                 !(steuerwerk.GetNaechstePhase() == 22 && steuerwerk.GetInISR()));
    }

private:
    SteuerwerkRueckrufe Rueckrufe() {
        return Aufzeichnen([this](int ip) { ipAenderungen.push_back(ip); });
    }
};

} // namespace tovak::test
