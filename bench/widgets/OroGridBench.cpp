// Cost of the memory grid: a full refill on load, single cells the machine writes, and the
// repaint that builds the visible texts. Runs offscreen unless a platform is chosen.
#include "machine/Befehle.h"
#include "machine/RAM.h"
#include "widgets/OroGrid.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

using tovak::TOroGrid;
using tovak::TRAM;

// The memory shown in a grid that reads its texts when it paints.
struct ShownMemory {
    ShownMemory() {
        tovak::BefehlstabellenFuellen();
        grid.SetColCount(3);
        grid.SetDefaultRowHeight(20);
        grid.resize(301, 400);
        grid.SetSource([this](int col, int row) { return ram.Zellentext(col, row); });
        ram.FillGrid();
        grid.show();
        QApplication::processEvents();
    }
    TOroGrid grid;
    TRAM ram{TRAM::kMaxCount, &grid.Adapter()};
};

// A file load: every cell changes, the grid is refilled and repaints.
void BM_MemoryFillGridAndPaint(benchmark::State& state) {
    ShownMemory shown;
    int value = 0;
    for (auto _ : state) {
        ++value;
        for (int a = 0; a < TRAM::kMaxCount; ++a) {
            shown.ram.LoadCell(a, a % 2 == 0 ? 65 : value, a % 2 == 0 ? 65 : 0, a % 2 == 0);
        }
        shown.ram.FillGrid();
        shown.grid.viewport()->repaint();
    }
}
BENCHMARK(BM_MemoryFillGridAndPaint)->Unit(benchmark::kMillisecond);

// A micro-step's memory write: one row told, nothing formatted until the next paint.
void BM_SingleCellWrite(benchmark::State& state) {
    ShownMemory shown;
    int n = 0;
    for (auto _ : state) {
        shown.ram.SetValue(5, ++n);
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
