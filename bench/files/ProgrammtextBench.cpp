// The program text of a full memory: reading it ("Übernehmen", --assemble) and writing it
// ("Aus dem Speicher", --disassemble).
#include "files/Assembler.h"
#include "files/Disassembler.h"
#include "machine/Befehle.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tovak;

// Every cell of 0..3999 used: a loop of loads, jumps to labels everywhere, registers by
// name, and data.
Programminhalt VollerSpeicher() {
    BefehlstabellenFuellen();
    Programminhalt inhalt;
    for (int i = 0; i < TReg::kMaxCount; ++i) {
        inhalt.register_[static_cast<std::size_t>(i)] = {i, "R" + std::to_string(i)};
    }
    int a = 0;
    for (int n = 0; a + 8 <= TRAM::kMaxCount; ++n) {
        const auto setze = [&inhalt, &a](int wert, bool befehl) {
            inhalt.zellen[static_cast<std::size_t>(a++)] = {wert, befehl};
        };
        setze(65, true);
        setze(n % 65536, false);
        setze(67, true);
        setze(n % 127, false);
        setze(325, true);
        setze((n * 37) % 3992 / 8 * 8, false);
        setze(n, false);
        setze(451, true);
    }
    return inhalt;
}

void BM_AssembliereVollenSpeicher(benchmark::State& state) {
    const std::string text = Disassembliere(VollerSpeicher());
    for (auto _ : state) {
        benchmark::DoNotOptimize(Assembliere(text));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_DisassembliereVollenSpeicher(benchmark::State& state) {
    const Programminhalt inhalt = VollerSpeicher();
    for (auto _ : state) {
        benchmark::DoNotOptimize(Disassembliere(inhalt));
    }
}

} // namespace

BENCHMARK(BM_AssembliereVollenSpeicher)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DisassembliereVollenSpeicher)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
