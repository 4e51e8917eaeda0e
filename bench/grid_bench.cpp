// The base grid's cell storage against Qt's QStandardItemModel, in the same run, at
// 100,000 rows x 20 columns: filling every cell, reading every cell, inserting and
// removing 1,000 rows in the middle, and the memory each filled cell takes; for the grid
// alone, jumping the current cell across all rows. Painting and scrolling are measured
// against a QTableView over a QStandardItemModel holding the same texts: one full view
// (1000 x 700 pixels, rendered offscreen into an image through the widget's own paint
// path) at the top, the middle and the end, a page and a row of scrolling each with its
// paint, at 1,000 and at 100,000 rows (the cost must not depend on the rows), and a
// view with merged areas and coloured cells; for the grid alone, recolouring cells of a
// tall merged area. Every grid line runs on the base grid (_Grid) and on the string grid
// of the rule tables (_ExGrid). After the benchmarks the ratios (peer time / grid time,
// grid time at 100,000 / at 1,000 rows, peer bytes / grid bytes) are printed.

#include "grid/core/base_grid.h"
#include "grid/core/string_grid.h"
#include "bench_cell_texts.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <malloc.h>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

namespace {

constexpr int Rows = 100000;
constexpr int Cols = 20;
constexpr int MiddleRow = Rows / 2;
constexpr int Block = 1000;

const QString& TextOf(int c, int r) { return BenchCellText(c, r, Cols); }

template <class G>
std::unique_ptr<TBaseGrid> MakeGrid() {
    std::unique_ptr<TBaseGrid> grid = std::make_unique<G>(nullptr);
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

template <class G>
void BM_Fill_Grid(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = MakeGrid<G>();
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

template <class G>
void BM_Read_Grid(benchmark::State& state) {
    auto grid = MakeGrid<G>();
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

template <class G>
void BM_InsertRemove_Grid(benchmark::State& state) {
    auto grid = MakeGrid<G>();
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
    auto grid = MakeGrid<TBaseGrid>();
    grid->resize(800, 600);
    for (auto _ : state) {
        grid->SetRow(Rows - 1);
        grid->SetRow(1);
    }
}

// ---- painting and scrolling

constexpr int ViewWidth = 1000;
constexpr int ViewHeight = 700;
constexpr int SmallRows = 1000;

// Where a paint shows the rows: at the top, the middle or the end.
enum TViewAt { AtTop, AtMiddle, AtEnd };

// A grid as the product's grids derive it: the cells take their brush colour from their
// properties, which the base grid leaves to the derived grid.
class TColouredGrid : public TBaseGrid {
public:
    using TBaseGrid::TBaseGrid;
    void GetVisualProperties(int ACol, int ARow, TGridDrawState&, bool, bool, bool, TBrush& ABrush, TColor&, TColor&,
                             TColor&, TFont&, TAlignment&, TVAlignment&, bool&, TCellGradientDirection&) override {
        if (!CellPropsAssigned(ACol, ARow)) return;
        const auto* props = dynamic_cast<const TCellProperties*>(GetGridObject(ACol, ARow));
        if (props && props->BrushColor() != clNone) ABrush.Color = props->BrushColor();
    }
};

// A filled grid and its peer view, both shown (offscreen) at the same size and built
// once per row count; Decorated adds merged areas and colours on many cells.
struct TPaintPair {
    std::unique_ptr<TBaseGrid> Grid;
    std::unique_ptr<QStandardItemModel> Model;
    std::unique_ptr<QTableView> View;
    QImage Image{ViewWidth, ViewHeight, QImage::Format_ARGB32_Premultiplied};
};

// Column 1 is one area over all scrolled rows, as a grouping column; every third row
// holds 2 x 2 areas; every other row's cells are coloured.
void Decorate(TPaintPair& pair, int rows) {
    pair.Grid->MergeCells(1, 1, 1, rows - 1);
    pair.View->setSpan(1, 1, rows - 1, 1);
    for (int r = 1; r + 1 < rows; r += 3)
        for (int c = 2; c + 1 < Cols; c += 4) {
            pair.Grid->MergeCells(c, r, 2, 2);
            pair.View->setSpan(r, c, 2, 2);
        }
    for (int r = 0; r < rows; r += 2)
        for (int c = 0; c < Cols; ++c) {
            const TColor color = (c % 2) ? TColor(0xC0FFC0) : TColor(0xFFE0C0);
            pair.Grid->CellProperties(c, r)->SetBrushColor(color);
            pair.Model->item(r, c)->setBackground(ToQColor(color));
        }
}

// By row count and decoration; emptied before the application goes, as widgets must.
// The string grid colours its cells from their properties itself.
std::map<std::tuple<int, bool, bool>, TPaintPair> PaintPairs;

template <class G = TBaseGrid>
TPaintPair& PaintPair(int rows, bool decorated) {
    constexpr bool stringGrid = std::is_same_v<G, TExStringGrid>;
    auto [it, added] = PaintPairs.try_emplace({rows, decorated, stringGrid});
    TPaintPair& pair = it->second;
    if (!added) return pair;
    if (stringGrid) pair.Grid = std::make_unique<TExStringGrid>(nullptr);
    else if (decorated) pair.Grid = std::make_unique<TColouredGrid>(nullptr);
    else pair.Grid = std::make_unique<TBaseGrid>(nullptr);
    pair.Grid->SetColCount(Cols);
    pair.Grid->SetRowCount(rows);
    pair.Model = std::make_unique<QStandardItemModel>(rows, Cols);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < Cols; ++c) {
            pair.Grid->SetCells(c, r, TextOf(c, r));
            pair.Model->setItem(r, c, new QStandardItem(TextOf(c, r)));
        }
    pair.View = std::make_unique<QTableView>();
    pair.View->setModel(pair.Model.get());
    // Cells of the grid's default size, so that both show the same cells.
    for (QHeaderView* header : {pair.View->horizontalHeader(), pair.View->verticalHeader()})
        header->setMinimumSectionSize(0);
    pair.View->horizontalHeader()->setDefaultSectionSize(pair.Grid->DefaultColWidth());
    pair.View->verticalHeader()->setDefaultSectionSize(pair.Grid->DefaultRowHeight());
    if (decorated) Decorate(pair, rows);
    for (QWidget* widget : {static_cast<QWidget*>(pair.Grid.get()), static_cast<QWidget*>(pair.View.get())}) {
        widget->resize(ViewWidth, ViewHeight);
        widget->show();
    }
    QApplication::processEvents();
    return pair;
}

int FirstRowAt(TViewAt at, int rows) { return at == AtTop ? 1 : at == AtMiddle ? rows / 2 : rows - 1; }

void PaintGrid(TPaintPair& pair) {
    pair.Grid->render(&pair.Image);
    benchmark::DoNotOptimize(pair.Image.constBits());
}

void PaintView(TPaintPair& pair) {
    pair.View->render(&pair.Image);
    benchmark::DoNotOptimize(pair.Image.constBits());
}

// Both keep the last rows in view when asked for a row near the end.
void ShowGridAt(TBaseGrid& grid, int row) { grid.SetTopRow(row); }

void ShowViewAt(QTableView& view, int row) { view.verticalScrollBar()->setValue(row); }

template <class G>
void BM_Paint_Grid(benchmark::State& state) {
    const int rows = int(state.range(0));
    TPaintPair& pair = PaintPair<G>(rows, false);
    ShowGridAt(*pair.Grid, FirstRowAt(TViewAt(state.range(1)), rows));
    for (auto _ : state) PaintGrid(pair);
}

void BM_Paint_View(benchmark::State& state) {
    const int rows = int(state.range(0));
    TPaintPair& pair = PaintPair(rows, false);
    ShowViewAt(*pair.View, FirstRowAt(TViewAt(state.range(1)), rows));
    for (auto _ : state) PaintView(pair);
}

// Scrolling down by a page (by_row 0) or by a row (by_row 1) and painting the new view,
// starting over at the top when the end is reached.
template <class G>
void BM_Scroll_Grid(benchmark::State& state) {
    const int rows = int(state.range(0));
    TPaintPair& pair = PaintPair<G>(rows, false);
    TBaseGrid& grid = *pair.Grid;
    const int step = state.range(1) == 0 ? grid.VisibleRowCount() : 1;
    ShowGridAt(grid, 1);
    for (auto _ : state) {
        const int top = grid.TopRow();
        ShowGridAt(grid, top + step);
        if (grid.TopRow() == top) ShowGridAt(grid, 1);
        PaintGrid(pair);
    }
}

void BM_Scroll_View(benchmark::State& state) {
    const int rows = int(state.range(0));
    TPaintPair& pair = PaintPair(rows, false);
    QScrollBar& bar = *pair.View->verticalScrollBar();
    const int step = state.range(1) == 0 ? bar.pageStep() : 1;
    bar.setValue(0);
    for (auto _ : state) {
        bar.setValue(bar.value() == bar.maximum() ? 0 : bar.value() + step);
        PaintView(pair);
    }
}

template <class G>
void BM_PaintDecorated_Grid(benchmark::State& state) {
    const int rows = int(state.range(0));
    TPaintPair& pair = PaintPair<G>(rows, true);
    ShowGridAt(*pair.Grid, rows / 2);
    for (auto _ : state) PaintGrid(pair);
}

void BM_PaintDecorated_View(benchmark::State& state) {
    const int rows = int(state.range(0));
    TPaintPair& pair = PaintPair(rows, true);
    ShowViewAt(*pair.View, rows / 2);
    for (auto _ : state) PaintView(pair);
}

// Changing the colour of cells of the tall area in view repaints its part on the
// screen; the cost must not grow with the rows the area spans. No peer: the view
// repaints the whole viewport on any change of its model.
void BM_RecolourArea_Grid(benchmark::State& state) {
    const int rows = int(state.range(0));
    TPaintPair& pair = PaintPair(rows, true);
    ShowGridAt(*pair.Grid, rows / 2);
    TColor color = 0xC0C0FF;
    for (auto _ : state) {
        color ^= 0x3F;
        for (int r = 1; r < SmallRows; ++r) pair.Grid->CellProperties(1, r)->SetBrushColor(color);
    }
}

void PaintArgs(benchmark::internal::Benchmark* b) {
    b->ArgNames({"rows", "at"});
    for (int rows : {SmallRows, Rows})
        for (int at : {AtTop, AtMiddle, AtEnd}) b->Args({rows, at});
}

void ScrollArgs(benchmark::internal::Benchmark* b) {
    b->ArgNames({"rows", "by_row"});
    for (int rows : {SmallRows, Rows})
        for (int byRow : {0, 1}) b->Args({rows, byRow});
}

// Every grid line twice: on the base grid and on the string grid.
#define GRID_BENCHMARK(name) \
    BENCHMARK(name<TBaseGrid>)->Name(#name)
#define EX_GRID_BENCHMARK(name, exName) \
    BENCHMARK(name<TExStringGrid>)->Name(exName)

GRID_BENCHMARK(BM_Fill_Grid)->Unit(benchmark::kMillisecond)->Iterations(3);
EX_GRID_BENCHMARK(BM_Fill_Grid, "BM_Fill_ExGrid")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Fill_Model)->Unit(benchmark::kMillisecond)->Iterations(3);
GRID_BENCHMARK(BM_Read_Grid)->Unit(benchmark::kMillisecond);
EX_GRID_BENCHMARK(BM_Read_Grid, "BM_Read_ExGrid")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read_Model)->Unit(benchmark::kMillisecond);
GRID_BENCHMARK(BM_InsertRemove_Grid)->Unit(benchmark::kMicrosecond);
EX_GRID_BENCHMARK(BM_InsertRemove_Grid, "BM_InsertRemove_ExGrid")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InsertRemove_Model)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_JumpEnds_Grid)->Unit(benchmark::kMicrosecond);
GRID_BENCHMARK(BM_Paint_Grid)->Apply(PaintArgs)->Unit(benchmark::kMicrosecond);
EX_GRID_BENCHMARK(BM_Paint_Grid, "BM_Paint_ExGrid")->Apply(PaintArgs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Paint_View)->Apply(PaintArgs)->Unit(benchmark::kMicrosecond);
GRID_BENCHMARK(BM_Scroll_Grid)->Apply(ScrollArgs)->Unit(benchmark::kMicrosecond);
EX_GRID_BENCHMARK(BM_Scroll_Grid, "BM_Scroll_ExGrid")->Apply(ScrollArgs)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Scroll_View)->Apply(ScrollArgs)->Unit(benchmark::kMicrosecond);
GRID_BENCHMARK(BM_PaintDecorated_Grid)->ArgName("rows")->Arg(SmallRows)->Arg(Rows)->Unit(benchmark::kMicrosecond);
EX_GRID_BENCHMARK(BM_PaintDecorated_Grid, "BM_PaintDecorated_ExGrid")
    ->ArgName("rows")
    ->Arg(SmallRows)
    ->Arg(Rows)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintDecorated_View)->ArgName("rows")->Arg(SmallRows)->Arg(Rows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecolourArea_Grid)->ArgName("rows")->Arg(SmallRows)->Arg(Rows)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's time per iteration for the ratios; with repetitions, the median.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "median") continue;
            const std::string& args = run.run_name.args;
            Times[run.run_name.function_name + (args.empty() ? "" : "/" + args)] = run.GetAdjustedRealTime();
        }
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
    PaintPairs.clear();

    const std::string large = "rows:" + std::to_string(Rows);
    const std::string small = "rows:" + std::to_string(SmallRows);
    for (const auto& [suffix, title] : {std::pair{std::string("_Grid"), "base grid"},
                                        std::pair{std::string("_ExGrid"), "string grid"}}) {
        std::printf("\nPeer time / %s time (QStandardItemModel, or QTableView over it; above 1: the grid is "
                    "faster)\n",
                    title);
        for (const auto& [name, time] : reporter.Times) {
            const std::size_t at = name.find(suffix);
            if (at == std::string::npos) continue;
            const std::string rest = name.substr(at + suffix.size());
            for (const char* peerSuffix : {"_Model", "_View"}) {
                const std::string peer = name.substr(0, at) + peerSuffix + rest;
                if (reporter.Times.count(peer))
                    std::printf("  %-34s %6.2f\n", (name.substr(3, at - 3) + rest).c_str(),
                                reporter.Times[peer] / time);
            }
        }
        std::printf("\n%s time at 100,000 rows / at 1,000 rows (flat: about 1)\n", title);
        for (const auto& [name, time] : reporter.Times) {
            const std::size_t at = name.find(large);
            if (name.find(suffix) == std::string::npos || at == std::string::npos) continue;
            const std::string smallName = name.substr(0, at) + small + name.substr(at + large.size());
            if (reporter.Times.count(smallName))
                std::printf("  %-34s %6.2f\n", (name.substr(3, at - 4) + name.substr(at + large.size())).c_str(),
                            time / reporter.Times[smallName]);
        }
    }

    auto fillNumbers = [](TBaseGrid& grid) {
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c) grid.SetCells(c, r, QString::number(r * Cols + c));
    };
    const double gridBytes = BytesPerCell(MakeGrid<TBaseGrid>, fillNumbers);
    const double exGridBytes = BytesPerCell(MakeGrid<TExStringGrid>, fillNumbers);
    const double modelBytes = BytesPerCell(MakeModel, [](QStandardItemModel& model) {
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c) model.setItem(r, c, new QStandardItem(QString::number(r * Cols + c)));
    });
    std::printf("\nHeap bytes per filled cell: base grid %.1f, string grid %.1f, QStandardItemModel %.1f, ratios "
                "%.2f and %.2f\n",
                gridBytes, exGridBytes, modelBytes, modelBytes / gridBytes, modelBytes / exGridBytes);
    benchmark::Shutdown();
    return 0;
}
