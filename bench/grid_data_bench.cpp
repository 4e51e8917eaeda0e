// The string grid's data features against Qt's models, in the same run, at 100,000 rows x
// 20 columns: sorting by a text and by a number column (the grid detecting the kind from
// the texts) against std::stable_sort of the same keys in a vector (the numbers read
// from the texts inside the timing, as the grid must) and against a
// QSortFilterProxyModel over a QStandardItemModel holding the same data (numbers as
// numbers); filtering by a wildcard and by a comparison against the proxy with the same
// filter; finding a text only the last cell holds against QAbstractItemModel::match over
// the same columns; and painting a view whose 20 columns carry automatic filter lists
// against one without. After the runs the ratios are printed.

#include "bench_cell_texts.h"
#include "grid/core/string_grid.h"
#include "ratio_reporter.h"

#include <QImage>
#include <QRegularExpression>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <algorithm>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int Rows = 100000;
constexpr int Cols = 20;
constexpr int TextCol = 1;
constexpr int NumberCol = 2;
constexpr int ViewWidth = 1000;
constexpr int ViewHeight = 700;
const QString Needle = QStringLiteral("only the last cell");
const QString Wildcard = QStringLiteral("k*a*");
constexpr double Threshold = 500000;

// Data rows 1..Rows (row 0 is the header): column 1 random words, column 2 random numbers
// with decimals, the others the shared cell texts; the last cell alone holds Needle.
struct TData {
    std::vector<QString> Words;
    std::vector<QString> Numbers;
    TData() {
        std::mt19937 random(2024);
        Words.reserve(Rows);
        Numbers.reserve(Rows);
        for (int i = 0; i < Rows; ++i) {
            QString word = QStringLiteral("k");
            for (int k = 0; k < 6; ++k) word += QChar('a' + int(random() % 26));
            Words.push_back(word);
            Numbers.push_back(QString::number(double(random() % 100000000) / 100.0, 'f', 2));
        }
    }
    QString Text(int c, int r) const {
        if (r == Rows && c == Cols - 1) return Needle;
        if (c == TextCol) return Words[std::size_t(r - 1)];
        if (c == NumberCol) return Numbers[std::size_t(r - 1)];
        return BenchCellText(c, r, Cols);
    }
};

const TData& Data() {
    static const TData data;
    return data;
}

std::unique_ptr<TExStringGrid> MakeGrid(bool autoFilterLists) {
    auto grid = std::make_unique<TExStringGrid>(nullptr);
    grid->SetColCount(Cols);
    grid->SetRowCount(Rows + 1);
    for (int c = 0; c < Cols; ++c) grid->SetCells(c, 0, QStringLiteral("column %1").arg(c));
    for (int r = 1; r <= Rows; ++r)
        for (int c = 0; c < Cols; ++c) grid->SetCells(c, r, Data().Text(c, r));
    grid->SetFixedRowAlways(true);
    grid->SetFilterDropDownAuto(autoFilterLists);
    grid->SetFilterDropDownColumns(fdAll);
    grid->InitSortXRef();
    grid->resize(ViewWidth, ViewHeight);
    return grid;
}

// The model holds the header row too, so both sides hold the same rows.
std::unique_ptr<QStandardItemModel> MakeModel() {
    auto model = std::make_unique<QStandardItemModel>(Rows + 1, Cols);
    for (int c = 0; c < Cols; ++c) model->setItem(0, c, new QStandardItem(QStringLiteral("column %1").arg(c)));
    for (int r = 1; r <= Rows; ++r)
        for (int c = 0; c < Cols; ++c) {
            auto* item = new QStandardItem;
            if (c == NumberCol) item->setData(Data().Text(c, r).toDouble(), Qt::DisplayRole);
            else item->setData(Data().Text(c, r), Qt::DisplayRole);
            model->setItem(r, c, item);
        }
    return model;
}

// The same filters as the grid's: a whole-text wildcard on the text column, or numbers
// above the threshold in the number column.
class TSameFilterProxy : public QSortFilterProxyModel {
public:
    enum TKind { None, ByWildcard, ByComparison };
    void SetKind(TKind kind) {
        FKind = kind;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        if (FKind == None || row == 0) return true;
        if (FKind == ByWildcard)
            return FPattern.match(sourceModel()->index(row, TextCol, parent).data().toString()).hasMatch();
        return sourceModel()->index(row, NumberCol, parent).data().toDouble() > Threshold;
    }

private:
    TKind FKind = None;
    const QRegularExpression FPattern{QRegularExpression::anchoredPattern(
        QRegularExpression::wildcardToRegularExpression(Wildcard, QRegularExpression::UnanchoredWildcardConversion))};
};

struct TSubjects {
    std::unique_ptr<TExStringGrid> Grid = MakeGrid(false);
    std::unique_ptr<TExStringGrid> FilterListGrid = MakeGrid(true);
    std::unique_ptr<QStandardItemModel> Model = MakeModel();
    std::unique_ptr<TSameFilterProxy> Proxy = [this] {
        auto proxy = std::make_unique<TSameFilterProxy>();
        proxy->setSourceModel(Model.get());
        return proxy;
    }();
    QImage Image{ViewWidth, ViewHeight, QImage::Format_ARGB32_Premultiplied};
};

std::unique_ptr<TSubjects> Subjects;
TSubjects& Get() {
    if (!Subjects) Subjects = std::make_unique<TSubjects>();
    return *Subjects;
}

void BM_SortText_Grid(benchmark::State& state) {
    TExStringGrid& grid = *Get().Grid;
    const int col = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        grid.QUnSort();
        state.ResumeTiming();
        grid.SortSettings()->Column = col;
        grid.SortSettings()->Direction = sdAscending;
        grid.QSort();
    }
    grid.QUnSort();
}

void BM_SortText_StableSort(benchmark::State& state) {
    const int col = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<QString> texts;
        texts.reserve(Rows);
        for (int r = 1; r <= Rows; ++r) texts.push_back(Data().Text(col, r));
        state.ResumeTiming();
        if (col == NumberCol) {
            std::vector<double> keys;
            keys.reserve(texts.size());
            for (const QString& text : texts) keys.push_back(text.toDouble());
            std::stable_sort(keys.begin(), keys.end());
            benchmark::DoNotOptimize(keys.data());
        } else {
            std::stable_sort(texts.begin(), texts.end(), [](const QString& a, const QString& b) { return a < b; });
            benchmark::DoNotOptimize(texts.data());
        }
    }
}

void BM_SortText_ProxyModel(benchmark::State& state) {
    TSameFilterProxy& proxy = *Get().Proxy;
    const int col = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        proxy.sort(-1);
        state.ResumeTiming();
        proxy.sort(col);
        benchmark::DoNotOptimize(proxy.index(1, col));
    }
    proxy.sort(-1);
}

void BM_Filter_Grid(benchmark::State& state) {
    TExStringGrid& grid = *Get().Grid;
    const bool wildcard = state.range(0) == 0;
    grid.Filter()->Clear();
    TFilterData& item = grid.Filter()->Add();
    item.Column = wildcard ? TextCol : NumberCol;
    item.Condition = wildcard ? Wildcard : QStringLiteral(">%1").arg(Threshold);
    int shown = 0;
    for (auto _ : state) {
        grid.SetFilterActive(true);
        shown = grid.RowCount();
        state.PauseTiming();
        grid.SetFilterActive(false);
        state.ResumeTiming();
    }
    grid.Filter()->Clear();
    state.counters["rows"] = shown;
}

void BM_Filter_ProxyModel(benchmark::State& state) {
    TSameFilterProxy& proxy = *Get().Proxy;
    const auto kind = state.range(0) == 0 ? TSameFilterProxy::ByWildcard : TSameFilterProxy::ByComparison;
    int shown = 0;
    for (auto _ : state) {
        proxy.SetKind(kind);
        shown = proxy.rowCount();
        state.PauseTiming();
        proxy.SetKind(TSameFilterProxy::None);
        state.ResumeTiming();
    }
    state.counters["rows"] = shown;
}

void BM_Find_Grid(benchmark::State& state) {
    TExStringGrid& grid = *Get().Grid;
    for (auto _ : state) {
        const TPoint found = grid.Find({-1, -1}, Needle, {fnMatchCase, fnMatchFull, fnDirectionLeftRight});
        if (found.Y != Rows) state.SkipWithError("not found");
    }
}

void BM_Find_ModelMatch(benchmark::State& state) {
    QStandardItemModel& model = *Get().Model;
    for (auto _ : state) {
        QModelIndex found;
        for (int c = 0; c < Cols && !found.isValid(); ++c) {
            const QModelIndexList hits = model.match(model.index(1, c), Qt::DisplayRole, Needle, 1, Qt::MatchExactly);
            if (!hits.isEmpty()) found = hits.first();
        }
        if (found.row() != Rows) state.SkipWithError("not found");
    }
}

void Paint(benchmark::State& state, TExStringGrid& grid) {
    TSubjects& subjects = Get();
    grid.show();
    QApplication::processEvents();
    for (auto _ : state) {
        grid.render(&subjects.Image);
        benchmark::DoNotOptimize(subjects.Image.constBits());
    }
    grid.hide();
}

void BM_Paint_FilterLists(benchmark::State& state) { Paint(state, *Get().FilterListGrid); }
void BM_Paint_NoFilterLists(benchmark::State& state) { Paint(state, *Get().Grid); }

BENCHMARK(BM_SortText_Grid)->Name("BM_Sort_Grid")->ArgName("col")->Arg(TextCol)->Arg(NumberCol)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortText_StableSort)->Name("BM_Sort_StableSort")->ArgName("col")->Arg(TextCol)->Arg(NumberCol)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortText_ProxyModel)->Name("BM_Sort_ProxyModel")->ArgName("col")->Arg(TextCol)->Arg(NumberCol)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Filter_Grid)->ArgName("comparison")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Filter_ProxyModel)->ArgName("comparison")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Find_Grid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Find_ModelMatch)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paint_FilterLists)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Paint_NoFilterLists)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv, [](RatioReporter& reporter) {
        reporter.PrintRatio("BM_Sort_Grid/col:1", "BM_Sort_StableSort/col:1",
                            "\nSorting texts takes %.2f times as long as std::stable_sort of the keys.\n");
        reporter.PrintRatio("BM_Sort_Grid/col:2", "BM_Sort_StableSort/col:2",
                            "Sorting numbers takes %.2f times as long as std::stable_sort of the keys.\n");
        reporter.PrintPeerOverOurs("QSortFilterProxyModel's time over the grid's (above 1: the grid is ahead):",
                                   {{"BM_Sort_Grid/col:1", "BM_Sort_ProxyModel/col:1"},
                                    {"BM_Sort_Grid/col:2", "BM_Sort_ProxyModel/col:2"},
                                    {"BM_Filter_Grid/comparison:0", "BM_Filter_ProxyModel/comparison:0"},
                                    {"BM_Filter_Grid/comparison:1", "BM_Filter_ProxyModel/comparison:1"}});
        reporter.PrintRatio("BM_Find_Grid", "BM_Find_ModelMatch",
                            "\nFind takes %.2f times as long as QAbstractItemModel::match.\n");
        reporter.PrintRatio("BM_Paint_FilterLists", "BM_Paint_NoFilterLists",
                            "Painting with automatic filter lists takes %.2f times as long as without.\n");
        Subjects.reset();
    });
}
