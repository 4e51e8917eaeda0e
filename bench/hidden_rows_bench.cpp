// Holding rows out of the string grid against Qt's QSortFilterProxyModel over a
// QStandardItemModel, in the same run, at 100,000 rows x 20 filled columns: half of the
// rows (every other one) are held out and put back, by a row list (HideRowList /
// UnHideRowList) and by the disjunct row selection (HideSelectedRows / UnHideRowsAll),
// against the proxy filtering the same rows out and in again; and with those rows out,
// every displayed row is mapped to its real row and back (RealRowIndex / DisplRowIndex
// against mapToSource / mapFromSource). After the benchmarks the ratios (peer time /
// grid time; above 1 the grid is faster) are printed.

#include "grid/core/string_grid.h"
#include "bench_cell_texts.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int Rows = 100000;
constexpr int Cols = 20;

const QString& TextOf(int c, int r) { return BenchCellText(c, r, Cols); }

// Every other row below the fixed row: 1, 3, 5, ... (50,000 rows).
bool HeldOut(int row) { return row % 2 == 1; }

std::unique_ptr<TExStringGrid> MakeGrid() {
    auto grid = std::make_unique<TExStringGrid>(nullptr);
    grid->SetColCount(Cols);
    grid->SetRowCount(Rows);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c) grid->SetCells(c, r, TextOf(c, r));
    return grid;
}

TIntList& HeldOutList() {
    static TIntList list(0, 0);
    if (list.Count() == 0)
        for (int r = 0; r < Rows; ++r)
            if (HeldOut(r)) list.Add(r);
    return list;
}

// The peer: a proxy whose filter drops the same rows while Filtering is on. It maps
// lazily, so asking its row count makes it do the work the grid does at once.
class TFilterProxy : public QSortFilterProxyModel {
public:
    void SetFiltering(bool value) {
        FFiltering = value;
        invalidateFilter();
        benchmark::DoNotOptimize(rowCount());
    }

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex&) const override {
        return !FFiltering || !HeldOut(sourceRow);
    }

private:
    bool FFiltering = false;
};

struct TPeer {
    QStandardItemModel Model{Rows, Cols};
    TFilterProxy Proxy;
    TPeer() {
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c) Model.setItem(r, c, new QStandardItem(TextOf(c, r)));
        Proxy.setSourceModel(&Model);
    }
};

void BM_HideShowList_Grid(benchmark::State& state) {
    auto grid = MakeGrid();
    const TIntList& list = HeldOutList();
    for (auto _ : state) {
        grid->HideRowList(list);
        grid->UnHideRowList();  // the level the list took; the next list takes a new one
    }
}

void BM_HideShowSelected_Grid(benchmark::State& state) {
    auto grid = MakeGrid();
    grid->MouseActions()->SetDisjunctRowSelect(true);
    for (int r = 1; r < Rows; ++r)
        if (HeldOut(r)) grid->SetRowSelect(r, true);
    for (auto _ : state) {
        grid->HideSelectedRows();
        grid->UnHideRowsAll();
    }
}

void BM_HideShow_Proxy(benchmark::State& state) {
    TPeer peer;
    for (auto _ : state) {
        peer.Proxy.SetFiltering(true);
        peer.Proxy.SetFiltering(false);
    }
}

void BM_MapBothWays_Grid(benchmark::State& state) {
    auto grid = MakeGrid();
    grid->HideRowList(HeldOutList());
    for (auto _ : state) {
        long long total = 0;
        for (int d = 0; d < grid->RowCount(); ++d) total += grid->DisplRowIndex(grid->RealRowIndex(d));
        benchmark::DoNotOptimize(total);
    }
}

void BM_MapBothWays_Proxy(benchmark::State& state) {
    TPeer peer;
    peer.Proxy.SetFiltering(true);
    for (auto _ : state) {
        long long total = 0;
        for (int d = 0; d < peer.Proxy.rowCount(); ++d) {
            const QModelIndex source = peer.Proxy.mapToSource(peer.Proxy.index(d, 0));
            total += peer.Proxy.mapFromSource(source).row();
        }
        benchmark::DoNotOptimize(total);
    }
}

BENCHMARK(BM_HideShowList_Grid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HideShowSelected_Grid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HideShow_Proxy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapBothWays_Grid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MapBothWays_Proxy)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv, [&](RatioReporter& reporter) {

        reporter.PrintPeerOverOurs("QSortFilterProxyModel time / grid time (above 1: the grid is faster)", {
            {"BM_HideShowList_Grid", "BM_HideShow_Proxy"},
            {"BM_HideShowSelected_Grid", "BM_HideShow_Proxy"},
            {"BM_MapBothWays_Grid", "BM_MapBothWays_Proxy"},
        });
        benchmark::Shutdown();
    });
}
