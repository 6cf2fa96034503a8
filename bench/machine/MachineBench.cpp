// Micro-steps per second of a loop program run headless, once with displays that drop
// everything and once with the plain tables the tests use, each also with the journal of
// "Takt zurück" recording.
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

template <class M> void RunLoop(benchmark::State& state, bool journal) {
    M machine(SteuerwerkRueckrufe{[](int) {}, [] { return 0; }, {}});
    LadeSchleife(machine);
    if (journal) {
        machine.steuerwerk.JournalEinschalten();
    }
    for (auto _ : state) {
        machine.steuerwerk.Takt();
    }
    if (machine.steuerwerk.GetFehler() != 0) {
        state.SkipWithError("the loop program stopped");
    }
    state.counters["Takte/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    if (const TJournal* j = machine.steuerwerk.GetJournal(); j != nullptr && !j->Leer()) {
        state.counters["Bytes/Takt"] =
            static_cast<double>(j->Nutzbytes()) / static_cast<double>(j->Schritte());
        state.counters["Takte_im_Journal"] = static_cast<double>(j->Schritte());
        state.counters["Journal_MiB"] = static_cast<double>(j->Speicherbytes()) / (1 << 20);
    }
}

void BM_LoopDiscardingDisplays(benchmark::State& state) {
    RunLoop<HeadlessMaschine>(state, false);
}
void BM_LoopDiscardingDisplaysJournal(benchmark::State& state) {
    RunLoop<HeadlessMaschine>(state, true);
}
void BM_LoopPlainTables(benchmark::State& state) {
    RunLoop<PlainMaschine>(state, false);
}
void BM_LoopPlainTablesJournal(benchmark::State& state) {
    RunLoop<PlainMaschine>(state, true);
}

// Undoing: a million micro-steps recorded, then taken back one by one.
void BM_TaktZurueck(benchmark::State& state) {
    HeadlessMaschine machine(SteuerwerkRueckrufe{[](int) {}, [] { return 0; }, {}});
    LadeSchleife(machine);
    machine.steuerwerk.JournalEinschalten();
    for (auto _ : state) {
        state.PauseTiming();
        machine.steuerwerk.JournalLeeren();
        for (int i = 0; i < 1'000'000; ++i) {
            machine.steuerwerk.Takt();
        }
        state.ResumeTiming();
        while (machine.steuerwerk.TaktZurueck()) {
        }
    }
    state.counters["Zurueck/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * 1e6,
                                                     benchmark::Counter::kIsRate);
}

BENCHMARK(BM_LoopDiscardingDisplays);
BENCHMARK(BM_LoopDiscardingDisplaysJournal);
BENCHMARK(BM_LoopPlainTables);
BENCHMARK(BM_LoopPlainTablesJournal);
BENCHMARK(BM_TaktZurueck)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
