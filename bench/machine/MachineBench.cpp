// Micro-steps per second of a loop program run headless, once with displays that drop
// everything and once with the plain tables the tests use.
#include "machine/Befehle.h"
#include "machine/Bus.h"
#include "machine/EAEinheit.h"
#include "machine/PlainDisplays.h"
#include "machine/RAM.h"
#include "machine/Rechenwerk.h"
#include "machine/Reg.h"
#include "machine/Steuerwerk.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace tovak;

// One display type for every panel keeps the two set-ups symmetrical.
template <class Text, class Number, class GridT> struct Machine {
    Machine() {
        BefehlstabellenFuellen();
        // Countdown loop: Akku := 1000; R0 := Akku; loop: Akku := R0; DEC; R0 := Akku; OUT;
        // CMP 0; JNZ loop; then start over, so the program runs forever.
        struct Instr {
            int code;
            int operand; // -1: a one-cell instruction
        };
        const Instr program[] = {{65, 1000}, {67, 0},  {66, 0},  {140, -1}, {67, 0},
                                 {387, -1},  {322, 0}, {325, 4}, {323, 0}};
        int address = 0;
        for (const Instr& instr : program) {
            speicher.SetCell(instr.code, address++, instr.code, true);
            if (instr.operand >= 0) {
                speicher.SetCell(0, address++, instr.operand, false);
            }
        }
        steuerwerk = std::make_unique<TSteuerwerk>(
            speicher, reg, rechenwerk, ea, SteuerwerkAnzeigen{ip, sp, isr, mikro, befehl, name},
            datenbus, adressbus, SteuerwerkRueckrufe{[](int) {}, [] { return 0; }, {}});
        steuerwerk->SetSP(255);
    }
    GridT speicherGrid{3, 4001};
    GridT registerGrid{3, 128};
    TRAM speicher{4000, speicherGrid};
    TReg reg{127, registerGrid};
    Text datenbusPanel, adressbusPanel;
    TBus datenbus{datenbusPanel, false};
    TBus adressbus{adressbusPanel, true};
    Number eaSpin;
    TEAEinheit ea{eaSpin};
    Text akku, operand, zero, carry, parity, sign;
    TRechenwerk rechenwerk{RechenwerkAnzeigen{akku, operand, zero, carry, parity, sign}};
    Number ip;
    Text sp, isr, mikro, befehl, name;
    std::unique_ptr<TSteuerwerk> steuerwerk;
};

template <class M> void RunLoop(benchmark::State& state) {
    M machine;
    for (auto _ : state) {
        machine.steuerwerk->Takt();
    }
    if (machine.steuerwerk->GetFehler() != 0) {
        state.SkipWithError("the loop program stopped");
    }
    state.counters["Takte/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

using Discarding = Machine<NullTextDisplay, NullNumberDisplay, NullGrid>;
using PlainTables = Machine<PlainTextDisplay, PlainNumberDisplay, PlainGrid>;

void BM_LoopDiscardingDisplays(benchmark::State& state) {
    RunLoop<Discarding>(state);
}
void BM_LoopPlainTables(benchmark::State& state) {
    RunLoop<PlainTables>(state);
}

BENCHMARK(BM_LoopDiscardingDisplays);
BENCHMARK(BM_LoopPlainTables);

} // namespace

BENCHMARK_MAIN();
