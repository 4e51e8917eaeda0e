// The base grid's cell storage against Qt's QStandardItemModel, in the same run, at
// 100,000 rows x 20 columns: filling every cell, reading every cell, inserting and
// removing 1,000 rows in the middle, and the memory each filled cell takes; for the grid
// alone, jumping the current cell across all rows. After the
// benchmarks the ratios (peer time / grid time, peer bytes / grid bytes) are printed.

#include "grid/core/base_grid.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStandardItemModel>
#include <malloc.h>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Rows = 100000;
constexpr int Cols = 20;
constexpr int MiddleRow = Rows / 2;
constexpr int Block = 1000;

// A thousand distinct texts, shared by the cells, so that both sides store the same
// strings and the timings measure the storage.
const std::vector<QString>& Texts() {
    static const std::vector<QString> texts = [] {
        std::vector<QString> t;
        for (int i = 0; i < 1000; ++i) t.push_back(QStringLiteral("cell %1").arg(i));
        return t;
    }();
    return texts;
}

const QString& TextOf(int c, int r) { return Texts()[std::size_t((r * Cols + c) % 1000)]; }

std::unique_ptr<TBaseGrid> MakeGrid() {
    auto grid = std::make_unique<TBaseGrid>(nullptr);
    grid->SetColCount(Cols);
    grid->SetRowCount(Rows);
    return grid;
}

void FillGrid(TBaseGrid& grid) {
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c) grid.SetCells(c, r, TextOf(c, r));
}

std::unique_ptr<QStandardItemModel> MakeModel() { return std::make_unique<QStandardItemModel>(Rows, Cols); }

void FillModel(QStandardItemModel& model) {
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c) model.setItem(r, c, new QStandardItem(TextOf(c, r)));
}

void BM_Fill_Grid(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = MakeGrid();
        state.ResumeTiming();
        FillGrid(*grid);
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
}

void BM_Fill_Model(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto model = MakeModel();
        state.ResumeTiming();
        FillModel(*model);
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
}

void BM_Read_Grid(benchmark::State& state) {
    auto grid = MakeGrid();
    FillGrid(*grid);
    for (auto _ : state) {
        qsizetype total = 0;
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c) total += grid->Cells(c, r).size();
        benchmark::DoNotOptimize(total);
    }
}

void BM_Read_Model(benchmark::State& state) {
    auto model = MakeModel();
    FillModel(*model);
    for (auto _ : state) {
        qsizetype total = 0;
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c) total += model->item(r, c)->text().size();
        benchmark::DoNotOptimize(total);
    }
}

void BM_InsertRemove_Grid(benchmark::State& state) {
    auto grid = MakeGrid();
    FillGrid(*grid);
    for (auto _ : state) {
        grid->InsertRowsAt(MiddleRow, Block);
        grid->DeleteRowsAt(MiddleRow, Block);
    }
}

void BM_InsertRemove_Model(benchmark::State& state) {
    auto model = MakeModel();
    FillModel(*model);
    for (auto _ : state) {
        model->insertRows(MiddleRow, Block);
        model->removeRows(MiddleRow, Block);
    }
}

// Moving the current cell from the first row to the last and back scrolls the view each
// time; the cost must not grow with the rows jumped over. Qt's model has no current cell,
// so this line has no peer.
void BM_JumpEnds_Grid(benchmark::State& state) {
    auto grid = MakeGrid();
    grid->resize(800, 600);
    for (auto _ : state) {
        grid->SetRow(Rows - 1);
        grid->SetRow(1);
    }
}

BENCHMARK(BM_Fill_Grid)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Fill_Model)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Read_Grid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read_Model)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertRemove_Grid)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InsertRemove_Model)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_JumpEnds_Grid)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's time per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) Times[run.run_name.function_name] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> Times;
};

std::size_t HeapInUse() {
    malloc_trim(0);
    return mallinfo2().uordblks;
}

// Heap bytes one filled cell takes, each cell with a text of its own.
template <class Make, class Fill>
double BytesPerCell(Make make, Fill fill) {
    const std::size_t before = HeapInUse();
    auto container = make();
    fill(*container);
    const std::size_t after = HeapInUse();
    return double(after - before) / (double(Rows) * Cols);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nQStandardItemModel time / base grid time (above 1: the grid is faster)\n");
    for (const char* operation : {"Fill", "Read", "InsertRemove"}) {
        const std::string grid = std::string("BM_") + operation + "_Grid";
        const std::string model = std::string("BM_") + operation + "_Model";
        if (reporter.Times.count(grid) && reporter.Times.count(model))
            std::printf("  %-13s %6.2f\n", operation, reporter.Times[model] / reporter.Times[grid]);
    }

    const double gridBytes = BytesPerCell(MakeGrid, [](TBaseGrid& grid) {
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c) grid.SetCells(c, r, QString::number(r * Cols + c));
    });
    const double modelBytes = BytesPerCell(MakeModel, [](QStandardItemModel& model) {
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c) model.setItem(r, c, new QStandardItem(QString::number(r * Cols + c)));
    });
    std::printf("\nHeap bytes per filled cell: base grid %.1f, QStandardItemModel %.1f, ratio %.2f\n", gridBytes,
                modelBytes, modelBytes / gridBytes);
    benchmark::Shutdown();
    return 0;
}
