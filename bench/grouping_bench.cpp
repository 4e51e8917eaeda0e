// Group then UnGroup of a table whose column 2 holds 1,000 runs of equal values, at 10,000
// and at 100,000 rows (5 filled columns, rows already in key order, no automatic sort), to
// show how the time grows with the rows. The ratio is printed after the benchmarks.

#include "grid/core/grid_feature_settings.h"
#include "grid/core/string_grid.h"
#include "bench_cell_texts.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

namespace {

constexpr int Cols = 5;
constexpr int Groups = 1000;

std::unique_ptr<TExStringGrid> MakeGrid(int rows) {
    auto grid = std::make_unique<TExStringGrid>(nullptr);
    grid->SetColCount(Cols);
    grid->SetRowCount(rows + 1);
    const int perGroup = rows / Groups;
    for (int r = 1; r <= rows; ++r) {
        for (int c = 0; c < Cols; ++c) grid->SetCells(c, r, BenchCellText(c, r, Cols));
        grid->SetCells(2, r, QString("key %1").arg((r - 1) / perGroup, 5, 10, QChar('0')));
    }
    grid->SortSettings()->AutoSortForGrouping = false;
    return grid;
}

void BM_GroupUnGroup(benchmark::State& state) {
    const int rows = int(state.range(0));
    auto grid = MakeGrid(rows);
    for (auto _ : state) {
        grid->Group(2);
        grid->UnGroup();
    }
    if (grid->RowCount() != rows + 1 || grid->NumNodes() != 0) state.SkipWithError("rows lost");
}

BENCHMARK(BM_GroupUnGroup)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv, [&](RatioReporter& reporter) {
        reporter.PrintRatio("BM_GroupUnGroup/100000", "BM_GroupUnGroup/10000",
                            "Group and UnGroup at 100,000 rows take %.2f times as long as at 10,000 rows.\n");
        benchmark::Shutdown();
    });
}
