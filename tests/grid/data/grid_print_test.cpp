// Printing grids to PDF, read back with poppler's tools: page counts, page numbers, the
// header texts on an injected clock, the refused and narrowed page ranges, jobs that must
// end (a row taller than a page, a very wide grid), the print events, and pixels at
// places computed in 0.1 mm from the grid's print layout.

#include "grid/core/string_grid.h"
#include "grid/data/print_settings.h"
#include "platform/format_settings.h"
#include "platform/screen_resolution.h"
#include "platform/wall_clock.h"

#include "../../platform/pdf_tools.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

// 0.1 mm to pixels of a page rendered at 96 pixels per inch.
int PixelsOf(int tenths) { return qRound(tenths * 96 / 254.0); }

struct PrintFixture : ::testing::Test {
    void SetUp() override {
        if (!PopplerToolsInstalled()) GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext, pdftoppm) is not installed";
        grid.Printer().SetOutputFileName(pdf);
        grid.Printer().Handle()->setPageSize(QPageSize(QPageSize::A4));
        grid.Printer().Handle()->setFullPage(true);
        keepSettings = FormatSettings();
        FormatSettings().DateSeparator = QLatin1Char('.');
        SetWallClock([] { return QDateTime(QDate(2026, 3, 7), QTime(14, 5, 30)); });
        SetScreenPixelsPerInchX(96);
    }
    void TearDown() override {
        // GRID_PRINT_PAGES names a folder that keeps each test's last document to look at.
        const QString keep = qEnvironmentVariable("GRID_PRINT_PAGES");
        if (!keep.isEmpty() && QFile::exists(pdf)) {
            QDir().mkpath(keep);
            const QString name = QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name());
            QFile::remove(QDir(keep).filePath(name + QStringLiteral(".pdf")));
            QFile::copy(pdf, QDir(keep).filePath(name + QStringLiteral(".pdf")));
        }
        SetScreenPixelsPerInchX(0);
        SetWallClock({});
        FormatSettings() = keepSettings;
    }
    void Fill(int cols, int rows) {
        grid.SetColCount(cols);
        grid.SetRowCount(rows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) grid.SetCells(c, r, QStringLiteral("c%1r%2").arg(c).arg(r));
    }
    QStringList Pages() { return PdfText(pdf).split(QLatin1Char('\f')); }
    // Colours printed cells by their position through the print colour hook.
    void ColourCells(std::function<TColor(int col, int row)> colour) {
        grid.OnGetCellPrintColor = [colour](TObject*, int ARow, int ACol, TGridDrawState, TBrush* ABrush, TFont*) {
            const TColor c = colour(ACol, ARow);
            if (c != clNone) ABrush->Color = c;
        };
    }
    // The page point (x, y) in 0.1 mm, y negative below the page top.
    static QRgb At(const QImage& page, int x, int y) { return page.pixel(PixelsOf(x), PixelsOf(-y)); }
    // The darkest grey within a pixel of the point.
    static int DarkestNear(const QImage& page, int x, int y) {
        int darkest = 255;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                darkest = std::min(darkest, qGray(page.pixel(PixelsOf(x) + dx, PixelsOf(-y) + dy)));
        return darkest;
    }
    int Middle(int col) const { return grid.PrintColOffset(col) + grid.PrintColWidth(col) / 2; }

    QTemporaryDir dir;
    QString pdf = dir.filePath(QStringLiteral("grid.pdf"));
    TExStringGrid grid{nullptr};
    TFormatSettings keepSettings;
};

bool Near(QRgb a, TColor b) {
    const QColor want = ToQColor(b);
    return std::abs(qRed(a) - want.red()) < 40 && std::abs(qGreen(a) - want.green()) < 40 &&
           std::abs(qBlue(a) - want.blue()) < 40;
}

TEST_F(PrintFixture, CountsPagesAndNumbersThemWithHeaderTexts) {
    Fill(3, 150);
    TPrintSettings& s = *grid.PrintSettings();
    s.PageNr = ppBottomRight;
    s.Date = ppTopLeft;
    s.Time = ppTopRight;
    s.Title = ppTopCenter;
    s.TitleText = QStringLiteral("Monthly report");
    grid.Print();
    const int count = grid.PrintNrOfPages();
    ASSERT_GT(count, 1);
    EXPECT_EQ(PdfPageCount(pdf), count);
    const QStringList pages = Pages();
    ASSERT_GE(pages.size(), count);
    for (int page = 1; page <= count; ++page) {
        const QString& text = pages[page - 1];
        EXPECT_TRUE(text.contains(QStringLiteral("%1/%2").arg(page).arg(count))) << page;
        EXPECT_TRUE(text.contains(QLatin1String("07.03.2026"))) << page;
        EXPECT_TRUE(text.contains(QLatin1String("14:05"))) << page;
        EXPECT_TRUE(text.contains(QLatin1String("Monthly report"))) << page;
    }
    // Every row is printed once, in order.
    const QString all = pages.join(QString());
    int at = 0;
    for (int r = 0; r < 150; ++r) {
        const int found = all.indexOf(QStringLiteral("c1r%1 ").arg(r), at);
        ASSERT_GE(found, 0) << r;
        at = found;
    }
}

TEST_F(PrintFixture, PrintStartDecidesThePagesBeforeAnyDocument) {
    Fill(3, 150);
    grid.PrintSettings()->PageNr = ppBottomCenter;
    int seen = 0;
    grid.OnPrintStart = [&](TObject*, int pages, int& from, int& to) {
        seen = pages;
        from = 0;
        to = 0;
    };
    grid.Print();
    EXPECT_GT(seen, 0);
    EXPECT_FALSE(QFile::exists(pdf));

    const int count = seen;
    ASSERT_GE(count, 3);
    grid.OnPrintStart = [](TObject*, int, int& from, int& to) {
        from = 2;
        to = 3;
    };
    grid.Print();
    EXPECT_EQ(PdfPageCount(pdf), 2);
    const QStringList pages = Pages();
    EXPECT_TRUE(pages[0].contains(QStringLiteral("2/%1").arg(count))) << pages[0].toStdString();
    EXPECT_TRUE(pages[1].contains(QStringLiteral("3/%1").arg(count))) << pages[1].toStdString();
}

TEST_F(PrintFixture, JobsEndForTallRowsAndWideGrids) {
    Fill(2, 3);
    QStringList lines;
    for (int i = 0; i < 300; ++i) lines << QStringLiteral("line %1").arg(i);
    grid.SetMultilinecells(true);
    grid.SetCells(1, 1, lines.join(QLatin1Char('\r')));
    grid.Print();
    // The tall row stands alone on its page between the two short ones.
    EXPECT_EQ(grid.PrintNrOfPages(), 3);
    EXPECT_EQ(PdfPageCount(pdf), 3);

    // Column widths and edges are kept for every column of a wide print.
    Fill(600, 2);
    grid.PrintSettings()->PageNr = ppBottomLeft;
    grid.Print();
    const int wide = grid.PrintNrOfPages();
    EXPECT_GT(wide, 10);
    EXPECT_EQ(PdfPageCount(pdf), wide);
    EXPECT_GT(grid.PrintColWidth(599), 0);
    EXPECT_EQ(grid.PrintColEnd(), 599);
    EXPECT_GT(grid.PrintColOffset(599), grid.PrintColOffset(grid.PrintColStart()));
    // Pages of several blocks are numbered within their block.
    EXPECT_TRUE(Pages()[1].contains(QLatin1String("1-2")));

    // Margins wider than the page and a fit to nothing still end.
    grid.PrintSettings()->LeftSize = 30000;
    grid.PrintSettings()->FitToPage = fpAlways;
    grid.Print();
    EXPECT_GT(PdfPageCount(pdf), 0);
}

TEST_F(PrintFixture, TwoBlocksOfTwoPagesAreNumberedWithinTheirBlock) {
    Fill(4, 2);
    TPrintSettings& s = *grid.PrintSettings();
    s.UseFixedWidth = true;
    s.FixedWidth = 1200;  // two columns per block, however wide
    s.UseFixedHeight = true;
    s.FixedHeight = 1600;  // one row per page
    s.PageNr = ppBottomRight;
    grid.Print();
    ASSERT_EQ(PdfPageCount(pdf), 4);
    const QStringList pages = Pages();
    const char* expected[] = {"1-1", "2-1", "1-2", "2-2"};
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(pages[i].contains(QLatin1String(expected[i]))) << i << pages[i].toStdString();
    EXPECT_TRUE(pages[2].contains(QLatin1String("c2r0")));
}

TEST_F(PrintFixture, EventsBreakCancelSizeAndNumberPages) {
    Fill(3, 40);
    grid.PrintSettings()->PageNr = ppBottomCenter;
    std::vector<int> printedPages;
    grid.OnPrintPage = [&](TObject*, TCanvas*, int page, int width, int bottom) {
        EXPECT_GT(width, 0);
        EXPECT_LT(bottom, 0);
        printedPages.push_back(page);
    };
    grid.OnPrintNewPage = [](TObject*, int ARow, bool& NewPage) { NewPage = ARow == 5 || ARow == 9; };
    grid.OnPrintSetColumnWidth = [](TObject*, int ACol, int& Width) {
        if (ACol == 2) Width = 700;
    };
    grid.OnPrintGetPageNum = [](TObject*, int PageNum, int, QString& text) { text = QStringLiteral("Sheet %1").arg(PageNum); };
    grid.Print();
    ASSERT_EQ(PdfPageCount(pdf), 3);
    EXPECT_EQ(printedPages, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(grid.PrintColWidth(2), 700);
    const QStringList pages = Pages();
    EXPECT_TRUE(pages[0].contains(QLatin1String("c1r4 ")));
    EXPECT_FALSE(pages[0].contains(QLatin1String("c1r5 ")));
    EXPECT_TRUE(pages[1].contains(QLatin1String("c1r5 ")));
    EXPECT_TRUE(pages[2].contains(QLatin1String("c1r9 ")));
    EXPECT_TRUE(pages[1].contains(QLatin1String("Sheet 2")));

    // Cancelling after the first page keeps what was sent.
    grid.OnPrintCancel = [](TObject*, int PageNr, bool& Cancel) { Cancel = PageNr == 1; };
    grid.Print();
    EXPECT_EQ(PdfPageCount(pdf), 1);
}

TEST_F(PrintFixture, SelectedRowsPrintOnlyTheFlaggedRows) {
    Fill(3, 10);
    grid.MouseActions()->SetDisjunctRowSelect(true);
    grid.SetRowSelect(3, true);
    grid.SetRowSelect(7, true);
    grid.PrintSelectedRows();
    const QString text = PdfText(pdf);
    EXPECT_TRUE(text.contains(QLatin1String("c2r3")));
    EXPECT_TRUE(text.contains(QLatin1String("c2r7")));
    for (int r : {0, 1, 4, 9}) EXPECT_FALSE(text.contains(QStringLiteral("c1r%1 ").arg(r))) << r;
}

TEST_F(PrintFixture, TextKindsPrintAsTheyRead) {
    Fill(2, 4);
    grid.SetCells(1, 1, QStringLiteral("<b>Bold</b> and <i>slanted</i>"));
    grid.SetCells(1, 2, QStringLiteral("{\\rtf1\\ansi{\\fonttbl\\f0 Arial;}\\f0 Rich words\\par}"));
    grid.SetCells(1, 3, QStringLiteral("first line\rsecond line"));
    grid.SetMultilinecells(true);
    grid.Print();
    const QString text = PdfText(pdf);
    struct Case {
        const char* shown;
        const char* hidden;
    } cases[] = {{"Bold", "<b>"}, {"slanted", "</i>"}, {"Rich words", "rtf1"}, {"second line", "fonttbl"}};
    for (const Case& c : cases) {
        EXPECT_TRUE(text.contains(QLatin1String(c.shown))) << c.shown << "\n" << text.toStdString();
        EXPECT_FALSE(text.contains(QLatin1String(c.hidden))) << c.hidden;
    }
}

// Borders, backgrounds and frames at places computed from the print layout of row 0,
// whose top lies HeaderSize below the page top when no header text is printed.
TEST_F(PrintFixture, BordersAndBackgroundsSitWhereTheLayoutPutsThem) {
    Fill(3, 4);
    grid.SetCells(0, 0, QString());
    grid.SetCells(1, 0, QString());
    ColourCells([](int col, int row) { return col == 1 && row == 0 ? clYellow : clNone; });
    TPrintSettings& s = *grid.PrintSettings();
    s.Centered = false;
    s.LeftSize = 100;
    s.HeaderSize = 100;
    struct Case {
        TPrintBorders borders;
        bool between;  // the line between columns 0 and 1
        bool top;      // the top edge of row 0 over column 1
        bool left;     // the left edge of the block
    } cases[] = {
        {pbSingle, true, true, true},       {pbNoborder, false, false, false},  {pbAround, false, true, true},
        {pbVertical, true, false, true},    {pbHorizontal, false, true, false}, {pbAroundHorizontal, false, true, true},
        {pbDouble, true, true, true},       {pbCustom, false, false, false},
    };
    for (const Case& c : cases) {
        s.Borders = c.borders;
        grid.Print();
        const QImage page = PdfPageImage(pdf, 1);
        ASSERT_FALSE(page.isNull());
        const int y = -s.HeaderSize - 15;  // inside row 0
        EXPECT_TRUE(Near(At(page, Middle(1), y), clYellow)) << c.borders;
        EXPECT_EQ(DarkestNear(page, grid.PrintColOffset(1), y) < 128, c.between) << c.borders;
        EXPECT_EQ(DarkestNear(page, Middle(1), -s.HeaderSize) < 160, c.top) << c.borders;
        EXPECT_EQ(DarkestNear(page, grid.PrintColOffset(0), y) < 128, c.left) << c.borders;
    }
}

TEST_F(PrintFixture, FixedRowsAndColumnsRepeatWhenAsked) {
    struct Case {
        bool rows;
        bool repeat;
    } cases[] = {{true, true}, {true, false}, {false, true}, {false, false}};
    for (const Case& c : cases) {
        TPrintSettings& s = *grid.PrintSettings();
        s.Centered = false;
        s.HeaderSize = 100;
        s.RepeatFixedRows = c.rows && c.repeat;
        s.RepeatFixedCols = !c.rows && c.repeat;
        // The fixed cells are empty, so only their colour shows.
        if (c.rows) {
            Fill(3, 200);
            for (int col = 0; col < 3; ++col) grid.SetCells(col, 0, QString());
            ColourCells([](int, int row) { return row == 0 ? clAqua : clNone; });
        } else {
            Fill(40, 3);
            for (int row = 0; row < 3; ++row) grid.SetCells(0, row, QString());
            s.UseFixedWidth = true;
            s.FixedWidth = 300;
            ColourCells([](int col, int) { return col == 0 ? clLime : clNone; });
        }
        grid.Print();
        const int last = PdfPageCount(pdf);
        ASSERT_GT(last, 1);
        const QImage page = PdfPageImage(pdf, last);
        // The fixed row at the top of the last page, or the fixed column at its left.
        const QRgb probe = At(page, Middle(c.rows ? 1 : 0), -s.HeaderSize - 15);
        EXPECT_EQ(Near(probe, c.rows ? clAqua : clLime), c.repeat) << c.rows << c.repeat;
    }
}

TEST_F(PrintFixture, GraphicsPrintThroughTheScreenPaintersWhenAsked) {
    Fill(3, 2);
    grid.SetCells(2, 0, QString());
    grid.AddCheckBox(2, 0, true, false);
    grid.SetCells(1, 0, QString());
    grid.SetCells(1, 1, QStringLiteral("Turned text"));
    grid.SetRotated(1, 1, 90);
    for (bool graphics : {false, true}) {
        grid.PrintSettings()->PrintGraphics = graphics;
        grid.PrintSettings()->Borders = pbNoborder;
        grid.Print();
        const QImage page = PdfPageImage(pdf, 1);
        // Dark pixels of the check box in row 0 of column 2.
        int dark = 0;
        for (int x = grid.PrintColOffset(2) + 10; x < grid.PrintColOffset(2) + grid.PrintColWidth(2); x += 3)
            for (int y = -3; y > -30; y -= 3)
                if (qGray(At(page, x, y)) < 160) ++dark;
        EXPECT_EQ(dark > 0, graphics) << graphics;
    }
    // The turned text's ink is taller than it is wide.
    const QImage page = PdfPageImage(pdf, 1);
    int left = INT_MAX, right = -1, top = INT_MAX, bottom = -1;
    for (int x = PixelsOf(grid.PrintColOffset(1)); x < PixelsOf(grid.PrintColOffset(1) + grid.PrintColWidth(1)); ++x)
        for (int y = 0; y < page.height() / 2; ++y)
            if (qGray(page.pixel(x, y)) < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(right, 0);
    EXPECT_GT(bottom - top, 2 * (right - left));
}

TEST_F(PrintFixture, TitlesPrintEveryLineOrTheirMarkup) {
    Fill(2, 3);
    struct Case {
        TPrintPosition place;
        QStringList lines;
        QStringList shown;
        const char* hidden;
    } cases[] = {
        {ppTopLeft, {QStringLiteral("Plant one"), QStringLiteral("Second level")}, {"Plant one", "Second level"}, "<"},
        {ppBottomRight, {QStringLiteral("Plant one"), QStringLiteral("Second level")}, {"Plant one", "Second level"}, "<"},
        {ppTopCenter, {QStringLiteral("<b>Quarter</b> <i>report</i>")}, {"Quarter", "report"}, "<b>"},
        {ppBottomCenter, {QStringLiteral("<b>Quarter</b> <i>report</i>")}, {"Quarter", "report"}, "<i>"},
    };
    for (const Case& c : cases) {
        TPrintSettings& s = *grid.PrintSettings();
        s.Title = c.place;
        TStringList lines;
        for (const QString& line : c.lines) lines.Add(line);
        s.SetTitleLines(lines);
        grid.Print();
        const QString text = PdfText(pdf);
        for (const QString& shown : c.shown) EXPECT_TRUE(text.contains(shown)) << c.place << shown.toStdString();
        EXPECT_FALSE(text.contains(QLatin1String(c.hidden))) << c.place;
    }
}

// The x of the first dark pixel on a line of an image, -1 when there is none.
int FirstDark(const QImage& image, int y) {
    for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 128) return x;
    return -1;
}

TEST_F(PrintFixture, PreviewAgreesWithThePrintedPage) {
    Fill(3, 150);
    grid.PrintSettings()->PageNr = ppBottomRight;
    ColourCells([](int col, int row) { return col == 2 && row % 2 ? clYellow : clNone; });
    grid.Print();
    const int count = grid.PrintNrOfPages();
    const QImage printed = PdfPageImage(pdf, 2);
    ASSERT_FALSE(printed.isNull());

    // An A4 page at 96 pixels per inch, drawn 30 pixels in from the image's corner.
    const int offset = 30;
    QImage preview(printed.width() + offset, printed.height() + offset, QImage::Format_RGB32);
    preview.fill(Qt::white);
    {
        QPainter painter(&preview);
        TCanvas canvas(&painter);
        grid.SetPreviewPage(2);
        grid.PrintPreview(canvas, Rect(offset, offset, offset + printed.width(), offset + printed.height()));
        EXPECT_EQ(grid.PrintNrOfPages(), count);
        EXPECT_EQ(canvas.MapMode(), mmText);
        EXPECT_FALSE(grid.IsPrintPreview());
    }
    // The left edge of the grid, the frame lines and the coloured cells sit at the same
    // places, within a pixel or two of rounding between the two resolutions.
    for (int y : {PixelsOf(300), PixelsOf(1200), PixelsOf(2000)}) {
        const int edge = FirstDark(printed, y);
        ASSERT_GT(edge, 0) << y;
        EXPECT_NEAR(FirstDark(preview, y + offset) - offset, edge, 2) << y;
    }
    // Right of the text, in the column's spacing.
    const int x = PixelsOf(grid.PrintColOffset(2) + grid.PrintColWidth(2) + 10);
    for (int y = PixelsOf(200); y < PixelsOf(2000); y += 7) {
        const bool yellow = Near(printed.pixel(x, y), clYellow);
        if (yellow == Near(printed.pixel(x, y + 3), clYellow) && yellow == Near(printed.pixel(x, y - 3), clYellow))
            EXPECT_EQ(Near(preview.pixel(x + offset, y + offset), clYellow), yellow) << y;
    }
    // Nothing is drawn above or left of the display rectangle.
    for (int px = 0; px < preview.width(); px += 7) EXPECT_EQ(qGray(preview.pixel(px, offset / 2)), 255);
}

}  // namespace
