// Micro-steps per second of a loop program run headless, once with displays that drop
// everything and once with the plain tables the tests use.
#include "machine/Maschine.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tovak;

// Countdown loop: Akku := 1000; R0 := Akku; loop: Akku := R0; DEC; R0 := Akku; OUT; CMP 0;
// JNZ loop; then start over, so the program runs forever.
template <class M> void LadeSchleife(M& machine) {
    struct Instr {
        int code;
        int operand; // -1: a one-cell instruction
    };
    const Instr program[] = {{65, 1000}, {67, 0},  {66, 0},  {140, -1}, {67, 0},
                             {387, -1},  {322, 0}, {325, 4}, {323, 0}};
    int address = 0;
    for (const Instr& instr : program) {
        machine.speicher.SetCell(instr.code, address++, instr.code, true);
        if (instr.operand >= 0) {
            machine.speicher.SetCell(0, address++, instr.operand, false);
        }
    }
    machine.StartVon0();
}

template <class M> void RunLoop(benchmark::State& state) {
    M machine(SteuerwerkRueckrufe{[](int) {}, [] { return 0; }, {}});
    LadeSchleife(machine);
    for (auto _ : state) {
        machine.steuerwerk.Takt();
    }
    if (machine.steuerwerk.GetFehler() != 0) {
        state.SkipWithError("the loop program stopped");
    }
    state.counters["Takte/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_LoopDiscardingDisplays(benchmark::State& state) {
    RunLoop<HeadlessMaschine>(state);
}
void BM_LoopPlainTables(benchmark::State& state) {
    RunLoop<PlainMaschine>(state);
}

BENCHMARK(BM_LoopDiscardingDisplays);
BENCHMARK(BM_LoopPlainTables);

} // namespace

BENCHMARK_MAIN();
