// The printed layout without a printer: cell measuring and row heights on a canvas at a
// printer's resolution, fitting columns to the page, and page counts of a preview.

#include "grid/core/string_grid.h"
#include "grid/data/grid_print_job.h"
#include "grid/data/print_settings.h"
#include "platform/screen_resolution.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

namespace {

struct PrintLayout : ::testing::Test {
    PrintLayout() : image(1, 1, QImage::Format_RGB32) {
        // 600 pixels per inch, as a printer measures.
        image.setDotsPerMeterX(23622);
        image.setDotsPerMeterY(23622);
        painter.begin(&image);
        canvas.SetMapMode(mmLoMetric);
        SetScreenPixelsPerInchX(96);
        grid.SetColCount(3);
        grid.SetRowCount(3);
    }
    ~PrintLayout() override { SetScreenPixelsPerInchX(0); }
    TGridPrintJob Job() { return TGridPrintJob(grid, canvas, pmCountPrint, {0, 0, 2, 2}, false, 2000, -2800); }

    QImage image;
    QPainter painter;
    TCanvas canvas{&painter};
    TExStringGrid grid{nullptr};
};

TEST_F(PrintLayout, RowHeightsFollowTheSettings) {
    grid.SetCells(1, 1, QStringLiteral("text"));
    grid.SetRowHeights(1, 20);
    TPrintSettings& s = *grid.PrintSettings();
    const int measured = Job().RowContentHeight(1);
    // Measured: the "gh" height of the print font and an eighth more.
    canvas.Font = s.Font;
    const int line = canvas.TextHeight(QStringLiteral("gh"));
    EXPECT_EQ(measured, line + line / 8);

    struct Case {
        bool noAutoSizeRow, useFixedHeight;
        int expected;
    } cases[] = {
        {true, false, 49},   // round(20 × 254 / 96) − 4
        {false, true, 321},  // FixedHeight
        {true, true, 49},    // the screen height wins
    };
    for (const Case& c : cases) {
        s.NoAutoSizeRow = c.noAutoSizeRow;
        s.UseFixedHeight = c.useFixedHeight;
        s.FixedHeight = 321;
        EXPECT_EQ(Job().RowContentHeight(1), c.expected) << c.noAutoSizeRow << c.useFixedHeight;
    }
    s.NoAutoSizeRow = s.UseFixedHeight = false;
    grid.OnPrintSetRowHeight = [](TObject*, int ARow, int& Height) {
        if (ARow == 1) Height = 500;
    };
    EXPECT_EQ(Job().RowContentHeight(1), 500);
}

TEST_F(PrintLayout, CellsMeasureByTheirTextAndGraphic) {
    grid.PrintSettings()->UseDisplayFont = false;
    canvas.Font = grid.PrintSettings()->Font;
    const int gh = canvas.TextWidth(QStringLiteral("gh"));
    const int line = canvas.TextHeight(QStringLiteral("gh"));
    grid.SetMultilinecells(true);
    grid.SetCells(1, 1, QStringLiteral("short\rmuch longer line\rx"));
    TGridPrintJob job = Job();
    EXPECT_EQ(job.MeasureCell(2, 2), (TPoint{gh, line}));  // an empty cell measures as "gh"
    EXPECT_EQ(job.MeasureCell(1, 1), (TPoint{canvas.TextWidth(QStringLiteral("much longer line")), 3 * line}));

    // A cell turned by 90 degrees swaps its sides.
    grid.SetCells(2, 1, QStringLiteral("turned"));
    const TPoint flat = Job().MeasureCell(2, 1);
    grid.SetRotated(2, 1, 90);
    const TPoint turned = Job().MeasureCell(2, 1);
    EXPECT_NEAR(turned.X, flat.Y, 1);
    EXPECT_NEAR(turned.Y, flat.X, 1);

    // A check box counts only when graphics print.
    grid.AddCheckBox(2, 2, true, false);
    EXPECT_EQ(Job().MeasureCell(2, 2), (TPoint{gh, line}));
    grid.PrintSettings()->PrintGraphics = true;
    const TPoint withBox = Job().MeasureCell(2, 2);
    EXPECT_GT(withBox.X, gh);

    grid.OnCustomCellSize = [](TObject*, TCanvas*, int, int, TPoint& size, bool printing) {
        if (printing) size = {777, 888};
    };
    EXPECT_EQ(Job().MeasureCell(0, 0), (TPoint{777, 888}));
}

TEST_F(PrintLayout, FitToPageScalesColumnsAsAllowed) {
    auto blockWidth = [&](int columns, int width, TFitToPage fit) {
        grid.SetColCount(columns);
        TPrintSettings& s = *grid.PrintSettings();
        s.UseFixedWidth = true;
        s.FixedWidth = width;
        s.FitToPage = fit;
        TGridPrintJob job(grid, canvas, pmCountPreview, {0, 0, columns - 1, 2}, false, 2000, -2800);
        job.Run();
        return job.BlockWidth();
    };
    struct Case {
        TFitToPage fit;
        int columns, width;
        int expected;  // the block's width
    } cases[] = {
        {fpNever, 4, 100, 400},  {fpShrink, 4, 100, 400},  {fpGrow, 4, 100, 2000},  {fpAlways, 4, 100, 2000},
        // Ten columns of 300 need two blocks, the last one of four columns, unless shrunk.
        {fpShrink, 10, 300, 2000}, {fpGrow, 10, 300, 1200}, {fpAlways, 10, 300, 2000}, {fpNever, 10, 300, 1200},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(blockWidth(c.columns, c.width, c.fit), c.expected, c.columns) << c.fit << " " << c.columns;

    // A custom fit asks, and a refusal keeps the widths.
    grid.OnFitToPage = [](TObject*, double& factor, bool& allow) {
        EXPECT_NEAR(factor, 5.0, 0.01);
        allow = false;
    };
    EXPECT_EQ(blockWidth(4, 100, fpCustom), 400);
}

TEST_F(PrintLayout, PreviewCountsPagesAndKeepsTheLayout) {
    grid.SetRowCount(120);
    for (int r = 0; r < 120; ++r) grid.SetCells(1, r, QStringLiteral("row %1").arg(r));
    QImage page(794, 1123, QImage::Format_RGB32);  // A4 at 96 pixels per inch
    page.fill(Qt::white);
    QPainter onPage(&page);
    TCanvas previewCanvas(&onPage);
    int starts = 0;
    grid.OnPrintStart = [&](TObject*, int pages, int& from, int& to) {
        ++starts;
        EXPECT_EQ(from, 1);
        EXPECT_EQ(to, pages);
    };
    grid.PrintPreview(previewCanvas, Rect(0, 0, 794, 1123));
    EXPECT_EQ(starts, 1);
    EXPECT_GT(grid.PrintNrOfPages(), 1);
    EXPECT_EQ(grid.PrintPageRect().Right, 2101);
    EXPECT_EQ(grid.PrintColStart(), 0);
    EXPECT_EQ(grid.PrintColEnd(), 2);
    EXPECT_GT(grid.PrintColOffset(1), grid.PrintColOffset(0));

    // A refused preview draws nothing.
    QImage untouched = page.copy();
    page.fill(Qt::white);
    untouched.fill(Qt::white);
    grid.OnPrintStart = [](TObject*, int, int& from, int&) { from = 0; };
    grid.PrintPreview(previewCanvas, Rect(0, 0, 794, 1123));
    EXPECT_EQ(page, untouched);
}

TEST_F(PrintLayout, MergedCellsLeaveColumnWidthsAlone) {
    grid.PrintSettings()->UseDisplayFont = false;
    canvas.Font = grid.PrintSettings()->Font;
    const QString wide = QStringLiteral("a text far wider than either of the two columns");
    grid.SetCells(1, 2, QStringLiteral("one"));
    grid.SetCells(2, 2, QStringLiteral("two"));
    grid.SetCells(1, 1, wide);
    grid.MergeCells(1, 1, 2, 1);
    TGridPrintJob job = Job();
    job.Run();
    EXPECT_LT(job.ColWidths()[1], canvas.TextWidth(wide) / 2);
    EXPECT_LT(job.ColWidths()[2], canvas.TextWidth(wide) / 2);
    EXPECT_GE(job.ColWidths()[1], canvas.TextWidth(QStringLiteral("one")));
}

// Records the export notices a print sends.
class NoticedGrid : public TExStringGrid {
public:
    using TExStringGrid::TExStringGrid;
    void ExportNotification(TGridExportState state, int row) override { Notices.push_back({state, row}); }
    std::vector<std::pair<TGridExportState, int>> Notices;
};

TEST_F(PrintLayout, EveryPrintedRowIsNoticedBetweenStartAndEnd) {
    QImage page(794, 1123, QImage::Format_RGB32);
    QPainter onPage(&page);
    TCanvas previewCanvas(&onPage);
    struct Case {
        TGridRect cells;
        TGridExportState perRow;  // a part of the grid is a selection
    } cases[] = {{{0, 0, 2, 4}, esExportNewRow}, {{0, 2, 2, 3}, esExportSelRow}, {{0, 0, 2, 2}, esExportSelRow}};
    for (const Case& c : cases) {
        NoticedGrid noticed(nullptr);
        noticed.SetColCount(3);
        noticed.SetRowCount(5);
        noticed.PrintPreviewRect(previewCanvas, Rect(0, 0, 794, 1123), c.cells);
        ASSERT_GE(noticed.Notices.size(), 2u);
        EXPECT_EQ(noticed.Notices.front(), std::make_pair(esExportStart, -1));
        EXPECT_EQ(noticed.Notices.back(), std::make_pair(esExportDone, -1));
        // Counted, then drawn: each row of the rectangle twice, in order.
        std::vector<std::pair<TGridExportState, int>> rows;
        for (int pass = 0; pass < 2; ++pass)
            for (int r = c.cells.Top; r <= c.cells.Bottom; ++r) rows.push_back({c.perRow, r});
        EXPECT_EQ(std::vector(noticed.Notices.begin() + 1, noticed.Notices.end() - 1), rows) << c.cells.Top;
    }
}

}  // namespace
