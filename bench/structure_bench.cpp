// Inserting and removing rows of the string grid against Qt's QStandardItemModel, in the
// same run. The grid has 20 filled columns, modified rows shown (one flag per row) and a
// hidden column:
// - 1,000 rows inserted in the middle of 100,000 rows and removed again (InsertRows /
//   RemoveRows against insertRows / removeRows);
// - every other row removed by its check box (RemoveCheckedRows) against the model
//   removing the same rows one by one from the bottom (it has no call for rows apart).
//   The model's removals move its whole tail each time, so this pair runs at 20,000
//   rows; the grid's line at 100,000 rows shows it stays linear.
// - the same 1,000 rows on a TExColumnGrid laid out as the rule tables are (a Y/N column
//   of data check boxes answered by its column item, a hidden column).
// After the benchmarks the ratios (peer time / grid time; above 1 the grid is faster)
// are printed.

#include "grid/core/column_grid.h"
#include "grid/core/string_grid.h"
#include "bench_cell_texts.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStandardItemModel>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int Rows = 100000;
constexpr int CheckedPairRows = 20000;
constexpr int Cols = 20;
constexpr int Block = 1000;
constexpr int CheckColumn = 1;
constexpr int HiddenColumn = 5;

const QString& TextOf(int c, int r) { return BenchCellText(c, r, Cols); }

bool Checked(int row) { return row % 2 == 1; }

std::unique_ptr<TExStringGrid> MakeGrid(int rows, bool checkBoxes) {
    auto grid = std::make_unique<TExStringGrid>(nullptr);
    grid->SetColCount(Cols);
    grid->SetRowCount(rows);
    grid->ShowModified()->Enabled = true;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < Cols; ++c) grid->SetCells(c, r, TextOf(c, r));
        grid->SetRowModified(r, r % 7 == 0);
    }
    if (checkBoxes)
        for (int r = 1; r < rows; ++r) {
            grid->CreateCellGraphic(CheckColumn, r)->SetCellType(ctDataCheckBox);
            grid->SetCells(CheckColumn, r, Checked(r) ? "Y" : "N");
        }
    grid->HideColumn(HiddenColumn);
    return grid;
}

std::unique_ptr<TExColumnGrid> MakeColumnGrid(int rows) {
    auto grid = std::make_unique<TExColumnGrid>(nullptr);
    grid->SetColCount(Cols);
    grid->SetRowCount(rows);
    grid->ShowModified()->Enabled = true;
    grid->Columns()->Items(CheckColumn)->SetEditor(edDataCheckBox);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < Cols; ++c) grid->SetCells(c, r, c == CheckColumn ? (Checked(r) ? "Y" : "N") : TextOf(c, r));
        grid->SetRowModified(r, r % 7 == 0);
    }
    grid->HideColumn(HiddenColumn);
    return grid;
}

std::unique_ptr<QStandardItemModel> MakeModel(int rows) {
    auto model = std::make_unique<QStandardItemModel>(rows, Cols);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < Cols; ++c) model->setItem(r, c, new QStandardItem(TextOf(c, r)));
    return model;
}

void BM_InsertRemoveBlock_Grid(benchmark::State& state) {
    auto grid = MakeGrid(Rows, false);
    for (auto _ : state) {
        grid->InsertRows(Rows / 2, Block);
        grid->RemoveRows(Rows / 2, Block);
    }
}

void BM_InsertRemoveBlock_ColumnGrid(benchmark::State& state) {
    auto grid = MakeColumnGrid(Rows);
    for (auto _ : state) {
        grid->InsertRows(Rows / 2, Block);
        grid->RemoveRows(Rows / 2, Block);
    }
}

void BM_InsertRemoveBlock_Model(benchmark::State& state) {
    auto model = MakeModel(Rows);
    for (auto _ : state) {
        model->insertRows(Rows / 2, Block);
        model->removeRows(Rows / 2, Block);
    }
}

void RemoveCheckedOnGrid(benchmark::State& state, int rows) {
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = MakeGrid(rows, true);
        state.ResumeTiming();
        grid->RemoveCheckedRows(CheckColumn, true);
        benchmark::DoNotOptimize(grid->RowCount());
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
}

void BM_RemoveChecked_Grid(benchmark::State& state) { RemoveCheckedOnGrid(state, CheckedPairRows); }
void BM_RemoveChecked100k_Grid(benchmark::State& state) { RemoveCheckedOnGrid(state, Rows); }

void BM_RemoveChecked_Model(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto model = MakeModel(CheckedPairRows);
        state.ResumeTiming();
        for (int r = CheckedPairRows - 1; r >= 1; --r)
            if (Checked(r)) model->removeRows(r, 1);
        benchmark::DoNotOptimize(model->rowCount());
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_InsertRemoveBlock_Grid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertRemoveBlock_ColumnGrid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InsertRemoveBlock_Model)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveChecked_Grid)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_RemoveChecked_Model)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_RemoveChecked100k_Grid)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv, [&](RatioReporter& reporter) {

        reporter.PrintPeerOverOurs("QStandardItemModel time / grid time (above 1: the grid is faster)", {
            {"BM_InsertRemoveBlock_Grid", "BM_InsertRemoveBlock_Model"},
            {"BM_InsertRemoveBlock_ColumnGrid", "BM_InsertRemoveBlock_Model"},
            {"BM_RemoveChecked_Grid/iterations:5", "BM_RemoveChecked_Model/iterations:5"},
        });
        benchmark::Shutdown();
    });
}
