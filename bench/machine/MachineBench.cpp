// Micro-steps per second of loop programs run headless, without displays and with the plain
// tables the tests use, each also with the journal of "Takt zurück" recording.
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

// The loop of scripts/benchmarks.sh: Inc Akku; Compare Akku with 0; JNZ 0; JZ 0.
template <class M> void LadeZaehlschleife(M& machine) {
    machine.speicher.SetCell(139, 0, 139, true);
    machine.speicher.SetCell(322, 1, 322, true);
    machine.speicher.SetCell(0, 2, 0, false);
    machine.speicher.SetCell(325, 3, 325, true);
    machine.speicher.SetCell(0, 4, 0, false);
    machine.speicher.SetCell(324, 5, 324, true);
    machine.speicher.SetCell(0, 6, 0, false);
    machine.StartVon0();
}

template <class M>
void RunLoop(benchmark::State& state, bool journal, void (*laden)(M&) = &LadeSchleife<M>,
             std::size_t grenze = TJournal::kStandardGrenze) {
    M machine(SteuerwerkRueckrufe{[](int) {}, [] { return 0; }, {}});
    laden(machine);
    if (journal) {
        machine.steuerwerk.JournalEinschalten(grenze);
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

void BM_IncCmpJnz(benchmark::State& state) {
    RunLoop<HeadlessMaschine>(state, false, &LadeZaehlschleife<HeadlessMaschine>);
}
void BM_IncCmpJnzJournal(benchmark::State& state) {
    RunLoop<HeadlessMaschine>(state, true, &LadeZaehlschleife<HeadlessMaschine>);
}
// The journal within one block, which stays in the cache: what recording costs without the
// memory traffic of the full journal.
void BM_IncCmpJnzJournalImCache(benchmark::State& state) {
    RunLoop<HeadlessMaschine>(state, true, &LadeZaehlschleife<HeadlessMaschine>,
                              TJournal::kBlockGroesse);
}
void BM_LoopHeadless(benchmark::State& state) {
    RunLoop<HeadlessMaschine>(state, false);
}
void BM_LoopHeadlessJournal(benchmark::State& state) {
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

BENCHMARK(BM_IncCmpJnz);
BENCHMARK(BM_IncCmpJnzJournal);
BENCHMARK(BM_IncCmpJnzJournalImCache);
BENCHMARK(BM_LoopHeadless);
BENCHMARK(BM_LoopHeadlessJournal);
BENCHMARK(BM_LoopPlainTables);
BENCHMARK(BM_LoopPlainTablesJournal);
BENCHMARK(BM_TaktZurueck)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

BENCHMARK_MAIN();
