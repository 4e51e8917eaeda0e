// The grid's hands at two sizes in the same run: End, Ctrl+End, PgDn, a Tab and a wheel
// notch, sent as real Qt events to a shown grid of 1,000 and of 1,000,000 rows. Each
// step starts from the same cell near the top. A step should cost the same whatever
// the number of rows, so after the runs the time at 1,000,000 rows over the time at
// 1,000 rows is printed per step (close to 1 is the aim).

#include "grid/core/string_grid.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <cstdio>
#include <map>
#include <memory>

namespace {

constexpr int Cols = 8;

// The grids of the run by row count; emptied before the application goes.
std::map<int, std::unique_ptr<TExStringGrid>>& Grids() {
    static std::map<int, std::unique_ptr<TExStringGrid>> grids;
    return grids;
}

TExStringGrid& GridOf(int rows) {
    auto& grid = Grids()[rows];
    if (!grid) {
        grid = std::make_unique<TExStringGrid>(nullptr);
        grid->resize(600, 400);
        grid->SetColCount(Cols);
        grid->SetRowCount(rows);
        grid->SetOptions(grid->Options().Include(goTabs));
        for (int r = 0; r < rows; r += 97) grid->SetCells(1, r, QString::number(r));
        grid->show();
    }
    return *grid;
}

void StartCell(TExStringGrid& grid) {
    grid.SetTopRow(1);
    grid.SetLeftCol(1);
    grid.SetCol(2);
    grid.SetRow(5);
}

void RunKey(benchmark::State& state, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    TExStringGrid& grid = GridOf(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        StartCell(grid);
        state.ResumeTiming();
        QKeyEvent press(QEvent::KeyPress, key, modifiers);
        QApplication::sendEvent(&grid, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers);
        QApplication::sendEvent(&grid, &release);
        benchmark::DoNotOptimize(grid.Row());
    }
}

void BM_End(benchmark::State& state) { RunKey(state, Qt::Key_End, Qt::NoModifier); }
void BM_CtrlEnd(benchmark::State& state) { RunKey(state, Qt::Key_End, Qt::ControlModifier); }
void BM_PgDn(benchmark::State& state) { RunKey(state, Qt::Key_PageDown, Qt::NoModifier); }
void BM_Tab(benchmark::State& state) { RunKey(state, Qt::Key_Tab, Qt::NoModifier); }

void BM_WheelNotch(benchmark::State& state) {
    TExStringGrid& grid = GridOf(int(state.range(0)));
    QWidget* view = grid.viewport();
    for (auto _ : state) {
        state.PauseTiming();
        StartCell(grid);
        state.ResumeTiming();
        QWheelEvent event(QPointF(100, 100), view->mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view, &event);
        benchmark::DoNotOptimize(grid.Row());
    }
}

BENCHMARK(BM_End)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CtrlEnd)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PgDn)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Tab)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WheelNotch)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv, [&](RatioReporter& reporter) {

        std::printf("\nTime at 1,000,000 rows / time at 1,000 rows (close to 1: independent of the rows)\n");
        for (const char* step : {"BM_End", "BM_CtrlEnd", "BM_PgDn", "BM_Tab", "BM_WheelNotch"}) {
            const std::string small = std::string(step) + "/1000";
            const std::string large = std::string(step) + "/1000000";
            if (reporter.Times.count(small) && reporter.Times.count(large))
                std::printf("  %-14s %8.2f\n", step + 3, reporter.Times[large] / reporter.Times[small]);
        }
        Grids().clear();
        benchmark::Shutdown();
    });
}
