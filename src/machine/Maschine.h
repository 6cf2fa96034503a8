// A whole machine wired to display stand-ins, one object per display as the main window wires
// its widgets: the window-free set-up for the command-line runner, tests and benchmarks.
#pragma once

#include "machine/Bus.h"
#include "machine/EAEinheit.h"
#include "machine/PlainDisplays.h"
#include "machine/RAM.h"
#include "machine/Rechenwerk.h"
#include "machine/Reg.h"
#include "machine/Steuerwerk.h"

#include <utility>

namespace tovak {

template <class Text, class Number, class GridT> struct Maschine {
    explicit Maschine(SteuerwerkRueckrufe rueckrufe = {})
        : steuerwerk(speicher, reg, rechenwerk, ea,
                     SteuerwerkAnzeigen{ipAnzeige, spAnzeige, isrAnzeige, mikroschritt, befehl,
                                        befehlsname},
                     datenbus, adressbus, std::move(rueckrufe)) {
        BefehlstabellenFuellen();
        speicher.FillGrid();
        reg.FillGrid();
    }
    Maschine(const Maschine&) = delete;
    Maschine& operator=(const Maschine&) = delete;

    // What "Start von 0" resets before a fresh run; memory, registers, Akku and flags stay.
    void StartVon0() {
        steuerwerk.SetSchritt(0);
        steuerwerk.SetIPWeiter(false);
        steuerwerk.SetFehler(KeinFehler);
        steuerwerk.ResetInterruptZustand();
        steuerwerk.SetIP(0);
        steuerwerk.SetSP(255);
    }

    GridT speicherGrid{3, TRAM::kZellen};
    GridT registerGrid{3, TReg::kRegisterZahl};
    TRAM speicher{TRAM::kMaxCount, speicherGrid};
    TReg reg{TReg::kMaxCount, registerGrid};
    Text datenbusPanel, adressbusPanel;
    TBus datenbus{datenbusPanel, false};
    TBus adressbus{adressbusPanel, true};
    Number eaSpin;
    TEAEinheit ea{eaSpin};
    Text akku, operand, zero, carry, parity, sign;
    TRechenwerk rechenwerk{RechenwerkAnzeigen{akku, operand, zero, carry, parity, sign}};
    Number ipAnzeige;
    Text spAnzeige, isrAnzeige, mikroschritt, befehl, befehlsname;
    TSteuerwerk steuerwerk;
};

// Shows nothing: for headless runs.
using HeadlessMaschine = Maschine<NullTextDisplay, NullNumberDisplay, NullGrid>;
// Remembers everything shown: for tests.
using PlainMaschine = Maschine<PlainTextDisplay, PlainNumberDisplay, PlainGrid>;

} // namespace tovak
