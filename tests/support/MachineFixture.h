// A whole machine wired to plain tables, as the window would wire it to widgets.
#pragma once

#include "machine/Befehle.h"
#include "machine/Bus.h"
#include "machine/EAEinheit.h"
#include "machine/PlainDisplays.h"
#include "machine/RAM.h"
#include "machine/Rechenwerk.h"
#include "machine/Reg.h"
#include "machine/Steuerwerk.h"

#include <deque>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace tovak::test {

struct PlainMachine {
    PlainMachine() {
        BefehlstabellenFuellen();
        speicher.FillGrid();
        reg.FillGrid();
        ea.SetAusgabefenster(&ausgabe);
        SteuerwerkRueckrufe rueckrufe;
        rueckrufe.ipGeaendert = [this](int ip) { ipAenderungen.push_back(ip); };
        rueckrufe.zahlEingeben = [this] {
            if (eingaben.empty()) {
                return -1;
            }
            const int zahl = eingaben.front();
            eingaben.pop_front();
            return zahl;
        };
        rueckrufe.fehlerBox = [this](const std::string& caption, const std::string& text) {
            fehlerBoxen.emplace_back(caption, text);
        };
        steuerwerk = std::make_unique<TSteuerwerk>(
            speicher, reg, rechenwerk, ea,
            SteuerwerkAnzeigen{ipAnzeige, spAnzeige, isrAnzeige, mikroschritt, befehl, befehlsname},
            datenbus, adressbus, std::move(rueckrufe));
    }

    // Lays out instructions from an address: {code, operand?} pairs as the encoder would.
    void Programm(int adresse, std::initializer_list<std::vector<int>> befehle) {
        for (const auto& b : befehle) {
            speicher.SetCell(b[0], adresse++, b[0], true);
            if (b.size() > 1) {
                speicher.SetCell(0, adresse++, b[1], false);
            }
        }
    }

    // A fresh run as "Start von 0" prepares it.
    void StartVon0() {
        steuerwerk->SetSchritt(0);
        steuerwerk->SetIPWeiter(false);
        steuerwerk->SetFehler(0);
        steuerwerk->SetIP(0);
        steuerwerk->SetSP(255);
    }

    // Runs micro-steps until the error code is set; returns the number performed.
    int LaufeBisFehler(int maxSchritte = 100000) {
        int n = 0;
        while (steuerwerk->GetFehler() == 0 && n < maxSchritte) {
            steuerwerk->Takt();
            ++n;
        }
        return n;
    }

    // Runs one whole instruction: micro-steps until the next one begins a new instruction
    // (inside a service routine the skipped interrupt test marks the end).
    void Befehl() {
        do {
            steuerwerk->Takt();
        } while (steuerwerk->GetSchritt() != 0 &&
                 !(steuerwerk->GetNaechstePhase() == 22 && steuerwerk->GetInISR()));
    }

    PlainGrid speicherGrid{3, 4001};
    PlainGrid registerGrid{3, 128};
    TRAM speicher{4000, speicherGrid};
    TReg reg{127, registerGrid};
    PlainTextDisplay datenbusPanel, adressbusPanel;
    TBus datenbus{datenbusPanel, false};
    TBus adressbus{adressbusPanel, true};
    PlainNumberDisplay eaSpin;
    PlainOutputWindow ausgabe;
    TEAEinheit ea{eaSpin};
    PlainTextDisplay akku, operand, zero, carry, parity, sign;
    TRechenwerk rechenwerk{RechenwerkAnzeigen{akku, operand, zero, carry, parity, sign}};
    PlainNumberDisplay ipAnzeige;
    PlainTextDisplay spAnzeige, isrAnzeige, mikroschritt, befehl, befehlsname;
    std::unique_ptr<TSteuerwerk> steuerwerk;

    std::vector<int> ipAenderungen;
    std::deque<int> eingaben;
    std::vector<std::pair<std::string, std::string>> fehlerBoxen;
};

} // namespace tovak::test
