// Contracting and expanding node rows against Qt's QSortFilterProxyModel over a
// QStandardItemModel hiding and showing the same rows, in the same run: 100,000 rows x 20
// filled columns under 1,000 nodes of 100 rows each (ContractAll / ExpandAll against the
// proxy filtering the 99,000 child rows out and in again). The same at 10,000 rows
// shows how the time grows with the rows. After the benchmarks the ratios (peer time /
// grid time; above 1 the grid is faster) are printed.

#include "grid/core/string_grid.h"
#include "bench_cell_texts.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <memory>

namespace {

constexpr int Cols = 20;
constexpr int Nodes = 1000;

const QString& TextOf(int c, int r) { return BenchCellText(c, r, Cols); }

// Rows 1.. grouped into Nodes nodes; row 0 is fixed. A child is any row but a node row.
int NodeSpan(int rows) { return (rows - 1) / Nodes; }
bool IsChild(int row, int rows) { return row >= 1 && (row - 1) % NodeSpan(rows) != 0; }

std::unique_ptr<TExStringGrid> MakeGrid(int rows) {
    auto grid = std::make_unique<TExStringGrid>(nullptr);
    grid->SetColCount(Cols);
    grid->SetRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < Cols; ++c) grid->SetCells(c, r, TextOf(c, r));
    for (int n = 0; n < Nodes; ++n) grid->AddNode(1 + n * NodeSpan(rows), NodeSpan(rows));
    return grid;
}

class TChildProxy : public QSortFilterProxyModel {
public:
    explicit TChildProxy(int rows) : FRows(rows) {}
    void SetContracted(bool value) {
        FContracted = value;
        invalidateFilter();
        benchmark::DoNotOptimize(rowCount());
    }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex&) const override {
        return !FContracted || !IsChild(sourceRow, FRows);
    }

private:
    int FRows;
    bool FContracted = false;
};

void BM_ContractExpandAll_Grid(benchmark::State& state) {
    const int rows = int(state.range(0));
    auto grid = MakeGrid(rows);
    for (auto _ : state) {
        grid->ContractAll();
        grid->ExpandAll();
    }
    if (grid->RowCount() != rows) state.SkipWithError("rows lost");
}

void BM_ContractExpandAll_Proxy(benchmark::State& state) {
    const int rows = int(state.range(0));
    QStandardItemModel model(rows, Cols);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < Cols; ++c) model.setItem(r, c, new QStandardItem(TextOf(c, r)));
    TChildProxy proxy(rows);
    proxy.setSourceModel(&model);
    for (auto _ : state) {
        proxy.SetContracted(true);
        proxy.SetContracted(false);
    }
}

BENCHMARK(BM_ContractExpandAll_Grid)->Arg(10001)->Arg(100001)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContractExpandAll_Proxy)->Arg(10001)->Arg(100001)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv, [&](RatioReporter& reporter) {
        reporter.PrintPeerOverOurs("QSortFilterProxyModel time / grid time (above 1: the grid is faster)", {
            {"BM_ContractExpandAll_Grid/10001", "BM_ContractExpandAll_Proxy/10001"},
            {"BM_ContractExpandAll_Grid/100001", "BM_ContractExpandAll_Proxy/100001"},
        });
        reporter.PrintRatio("BM_ContractExpandAll_Grid/100001", "BM_ContractExpandAll_Grid/10001",
                            "Grid at 100,000 rows takes %.2f times as long as at 10,000 rows.\n");
        benchmark::Shutdown();
    });
}
