// Cost of the grid writes the machine makes: a full memory refill on load and single cells
// after every micro-step. Runs offscreen unless a platform is chosen.
#include "machine/Befehle.h"
#include "machine/RAM.h"
#include "widgets/OroGrid.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <vector>

namespace {

using tovak::TOroGrid;

struct ShownGrid {
    ShownGrid() {
        grid.SetColCount(3);
        grid.SetRowCount(4001);
        grid.SetDefaultRowHeight(20);
        grid.resize(301, 400);
        grid.show();
        QApplication::processEvents();
    }
    TOroGrid grid;
};

// Two sets of texts, so every cell really changes on each refill.
std::array<std::vector<std::string>, 2> MakeTexts() {
    std::array<std::vector<std::string>, 2> texts;
    for (int set = 0; set < 2; ++set) {
        for (int r = 0; r < 4000; ++r) {
            texts[set].push_back(" " + std::to_string(r + set));
            texts[set].push_back(" 0x" + std::to_string(1000 + r + set));
            texts[set].push_back(set == 0 ? "Move Akku, Register" : std::to_string(r));
        }
    }
    return texts;
}

void BM_RefillAllCells(benchmark::State& state) {
    ShownGrid shown;
    tovak::Grid& g = shown.grid.Adapter();
    const auto texts = MakeTexts();
    int set = 0;
    for (auto _ : state) {
        const auto& t = texts[static_cast<std::size_t>(set)];
        g.BeginUpdate();
        g.SetRowCount(4001);
        for (int r = 0; r < 4000; ++r) {
            for (int c = 0; c < 3; ++c) {
                g.SetCell(c, r + 1, t[static_cast<std::size_t>(r * 3 + c)]);
            }
        }
        g.EndUpdate();
        set = 1 - set;
    }
}
BENCHMARK(BM_RefillAllCells)->Unit(benchmark::kMillisecond);

// The memory's own refill, text formatting included, then the repaint it causes.
void BM_MemoryFillGridAndPaint(benchmark::State& state) {
    tovak::BefehlstabellenFuellen();
    ShownGrid shown;
    tovak::TRAM ram(tovak::TRAM::kMaxCount, shown.grid.Adapter());
    int value = 0;
    for (auto _ : state) {
        ram.SetCell(0, 0, ++value, false);
        ram.FillGrid();
        shown.grid.viewport()->repaint();
    }
}
BENCHMARK(BM_MemoryFillGridAndPaint)->Unit(benchmark::kMillisecond);

void BM_SingleCellWrite(benchmark::State& state) {
    ShownGrid shown;
    tovak::Grid& g = shown.grid.Adapter();
    int n = 0;
    for (auto _ : state) {
        g.SetCell(1, 5, std::to_string(++n));
    }
}
BENCHMARK(BM_SingleCellWrite);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
