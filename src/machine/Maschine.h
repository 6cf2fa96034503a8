// A whole machine wired as the main window wires it: with plain-table displays for tests, or
// with none at all for the command-line runner and the benchmarks, which then format no text.
#pragma once

#include "machine/Anzeigetexte.h"
#include "machine/Bus.h"
#include "machine/EAEinheit.h"
#include "machine/PlainDisplays.h"
#include "machine/RAM.h"
#include "machine/Rechenwerk.h"
#include "machine/Reg.h"
#include "machine/Steuerwerk.h"

#include <utility>

namespace tovak {

// One plain display per display of the window, each with the window's text functions.
struct PlainAnzeigen {
    PlainGrid speicherGrid;
    PlainGrid registerGrid;
    PlainValueDisplay datenbusPanel{DatenbusText};
    PlainValueDisplay adressbusPanel{AdressbusText};
    PlainValueDisplay eaSpin;
    PlainValueDisplay akku{BlankHexText, DezimalText};
    PlainValueDisplay operand{BlankHexText, BlankDezimalText};
    PlainValueDisplay zero{FlagText}, carry{FlagText}, parity{FlagText}, sign{FlagText};
    PlainValueDisplay ipAnzeige;
    PlainValueDisplay spAnzeige{BlankDezimalText};
    PlainValueDisplay isrAnzeige{BlankDezimalText};
    PlainValueDisplay mikroschritt{MikroschrittText};
    PlainInstructionDisplay befehl;
    PlainValueDisplay befehlsname{AusfuehrungsnameText};

    const RechenwerkAnzeigen rechenwerkAnzeigen{akku, operand, zero, carry, parity, sign};
    const SteuerwerkAnzeigen steuerwerkAnzeigen{ipAnzeige,    spAnzeige, isrAnzeige,
                                                mikroschritt, befehl,    befehlsname};
};

class Maschine {
public:
    // Without displays nothing is shown; the callbacks run all the same.
    explicit Maschine(PlainAnzeigen* anzeigen, SteuerwerkRueckrufe rueckrufe = {})
        : speicher(TRAM::kMaxCount, anzeigen != nullptr ? &anzeigen->speicherGrid : nullptr),
          reg(TReg::kMaxCount, anzeigen != nullptr ? &anzeigen->registerGrid : nullptr),
          datenbus(anzeigen != nullptr ? &anzeigen->datenbusPanel : nullptr, false),
          adressbus(anzeigen != nullptr ? &anzeigen->adressbusPanel : nullptr, true),
          ea(anzeigen != nullptr ? &anzeigen->eaSpin : nullptr),
          rechenwerk(anzeigen != nullptr ? &anzeigen->rechenwerkAnzeigen : nullptr),
          steuerwerk(speicher, reg, rechenwerk, ea,
                     anzeigen != nullptr ? &anzeigen->steuerwerkAnzeigen : nullptr, datenbus,
                     adressbus, std::move(rueckrufe)) {
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

    TRAM speicher;
    TReg reg;
    TBus datenbus;
    TBus adressbus;
    TEAEinheit ea;
    TRechenwerk rechenwerk;
    TSteuerwerk steuerwerk;
};

// Shows nothing: for headless runs.
struct HeadlessMaschine : Maschine {
    explicit HeadlessMaschine(SteuerwerkRueckrufe rueckrufe = {})
        : Maschine(nullptr, std::move(rueckrufe)) {}
};

// Remembers everything shown: for tests.
struct PlainMaschine : PlainAnzeigen, Maschine {
    explicit PlainMaschine(SteuerwerkRueckrufe rueckrufe = {})
        : Maschine(this, std::move(rueckrufe)) {}
};

} // namespace tovak
