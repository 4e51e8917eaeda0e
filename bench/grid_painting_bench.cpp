// Painting and scrolling of a KNX-rule-like table (19 columns, Y/N check-box columns,
// combo columns, coloured columns) on the string grid of the rule tables against a
// QTableView over a QStandardItemModel with the same texts, colours and check states,
// in the same run.
// (a) One full view (1205 x 337 pixels) rendered offscreen through each widget's own
//     paint path: the grid at 1,000 and 1,000,000 rows (rows outside the view stay
//     empty), the view at 1,000 rows and at 100,000 rows, the most it holds in memory
//     here (19 items a row).
// (b) Scrolling by one row and by a page in a shown window, through the event loop until
//     the paint is done; the median of repetitions.
// Afterwards the ratios are printed: peer time / grid time (above 1: the grid is ahead)
// and grid time at 1,000,000 rows / at 1,000 rows.

#include "grid/core/string_grid.h"

#include "../tests/grid/view/knx_rule_table_fixture.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <cstdio>
#include <memory>

namespace {

constexpr int ViewWidth = 1205;
constexpr int ViewHeight = 337;
constexpr int FilledRows = 400;

std::unique_ptr<TExStringGrid> MakeGrid(int rows) {
    auto grid = std::make_unique<TExStringGrid>(nullptr);
    BuildKnxRuleTable(*grid, rows, FilledRows);
    grid->resize(ViewWidth, ViewHeight);
    return grid;
}

struct PeerView {
    QStandardItemModel model;
    QTableView view;
};

std::unique_ptr<PeerView> MakePeer(int rows) {
    auto peer = std::make_unique<PeerView>();
    const auto& columns = KnxRuleColumns();
    peer->model.setColumnCount(int(columns.size()));
    peer->model.setRowCount(rows);
    for (int c = 0; c < int(columns.size()); ++c)
        peer->model.setHorizontalHeaderItem(c, new QStandardItem(QString::fromLatin1(columns[std::size_t(c)].Header)));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < int(columns.size()); ++c) {
            auto* item = new QStandardItem;
            const QString text = KnxRuleText(c, r + 1);
            if (columns[std::size_t(c)].Editor == TKnxRuleColumn::Check) {
                item->setCheckable(true);
                item->setCheckState(text == QLatin1String("Y") ? Qt::Checked : Qt::Unchecked);
            } else {
                item->setText(text);
            }
            if (columns[std::size_t(c)].Color != clWindow) item->setBackground(ToQColor(columns[std::size_t(c)].Color));
            peer->model.setItem(r, c, item);
        }
    }
    peer->view.setModel(&peer->model);
    peer->view.verticalHeader()->setDefaultSectionSize(22);
    peer->view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    for (int c = 0; c < int(columns.size()); ++c) peer->view.setColumnWidth(c, columns[std::size_t(c)].Width);
    peer->view.resize(ViewWidth, ViewHeight);
    return peer;
}

// A hidden widget gets its pending resize with its first render; before that its
// viewport has the default size, and an image sized from it would cut the view.
QImage ImageForViewport(QWidget* viewport) {
    QImage settle(1, 1, QImage::Format_ARGB32_Premultiplied);
    viewport->render(&settle);
    return QImage(viewport->size(), QImage::Format_ARGB32_Premultiplied);
}

void BM_PaintView_Grid(benchmark::State& state) {
    auto grid = MakeGrid(int(state.range(0)));
    QImage image = ImageForViewport(grid->viewport());
    for (auto _ : state) {
        grid->viewport()->render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_PaintView_Grid)->ArgName("rows")->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void BM_PaintView_View(benchmark::State& state) {
    auto peer = MakePeer(int(state.range(0)));
    QImage image = ImageForViewport(peer->view.viewport());
    for (auto _ : state) {
        peer->view.viewport()->render(&image);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_PaintView_View)->ArgName("rows")->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void Settle() {
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

// Scrolls down by a step and back to the top when the end comes near, each move
// painted through the event loop.
void BM_Scroll_Grid(benchmark::State& state) {
    auto grid = MakeGrid(1000);
    grid->show();
    Settle();
    const int step = state.range(0) == 0 ? 1 : grid->VisibleRowCount();
    for (auto _ : state) {
        int next = grid->TopRow() + step;
        if (next > 900) next = 1;
        grid->SetTopRow(next);
        Settle();
    }
}
BENCHMARK(BM_Scroll_Grid)->ArgName("page")->Arg(0)->Arg(1)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

void BM_Scroll_View(benchmark::State& state) {
    auto peer = MakePeer(1000);
    peer->view.show();
    Settle();
    QScrollBar* bar = peer->view.verticalScrollBar();
    const int step = state.range(0) == 0 ? 1 : bar->pageStep();
    for (auto _ : state) {
        int next = bar->value() + step;
        if (next > 900) next = 0;
        bar->setValue(next);
        Settle();
    }
}
BENCHMARK(BM_Scroll_View)->ArgName("page")->Arg(0)->Arg(1)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv, [&](RatioReporter& reporter) {
        std::printf("\nPeer time / grid time (above 1: the grid is ahead)\n");
        reporter.PrintRatio("BM_PaintView_View/rows:1000", "BM_PaintView_Grid/rows:1000",
                            "  paint one view, 1,000 rows each                 %6.2f\n");
        reporter.PrintRatio("BM_PaintView_View/rows:100000", "BM_PaintView_Grid/rows:1000000",
                            "  paint one view, view 100,000 / grid 1,000,000   %6.2f\n");
        reporter.PrintRatio("BM_Scroll_View/page:0/repeats:9_median", "BM_Scroll_Grid/page:0/repeats:9_median",
                            "  scroll one row (median)                         %6.2f\n");
        reporter.PrintRatio("BM_Scroll_View/page:1/repeats:9_median", "BM_Scroll_Grid/page:1/repeats:9_median",
                            "  scroll one page (median)                        %6.2f\n");
        std::printf("\nGrid time at 1,000,000 rows / at 1,000 rows (flat: about 1)\n");
        reporter.PrintRatio("BM_PaintView_Grid/rows:1000000", "BM_PaintView_Grid/rows:1000",
                            "  paint one view                                  %6.2f\n");
        benchmark::Shutdown();
    });
}
