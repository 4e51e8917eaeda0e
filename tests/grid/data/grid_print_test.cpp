// Printing grids to PDF, read back with poppler's tools: page counts, page numbers, the
// header texts on an injected clock, the refused and narrowed page ranges, and jobs that
// must end (a row taller than a page, a very wide grid).

#include "grid/core/string_grid.h"
#include "grid/data/grid_print.h"
#include "grid/data/print_settings.h"
#include "platform/format_settings.h"
#include "platform/wall_clock.h"

#include "../../platform/pdf_tools.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

struct PrintFixture : ::testing::Test {
    void SetUp() override {
        if (!PopplerToolsInstalled()) GTEST_SKIP() << "poppler-utils (pdfinfo, pdftotext, pdftoppm) is not installed";
        printer.SetOutputFileName(pdf);
        keepSettings = FormatSettings();
        FormatSettings().DateSeparator = QLatin1Char('.');
        SetWallClock([] { return QDateTime(QDate(2026, 3, 7), QTime(14, 5, 30)); });
    }
    void TearDown() override {
        SetWallClock({});
        FormatSettings() = keepSettings;
    }
    void Fill(int cols, int rows) {
        grid.SetColCount(cols);
        grid.SetRowCount(rows);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) grid.SetCells(c, r, QStringLiteral("c%1r%2").arg(c).arg(r));
    }
    TGridRect All() const { return {0, 0, grid.ColCount() - 1, grid.RowCount() - 1}; }
    QStringList Pages() { return PdfText(pdf).split(QLatin1Char('\f')); }

    QTemporaryDir dir;
    QString pdf = dir.filePath(QStringLiteral("grid.pdf"));
    TPrinter printer;
    TExStringGrid grid{nullptr};
    TFormatSettings keepSettings;
};

TEST_F(PrintFixture, CountsPagesAndNumbersThemWithHeaderTexts) {
    Fill(3, 150);
    TPrintSettings& s = *grid.PrintSettings();
    s.PageNr = ppBottomRight;
    s.Date = ppTopLeft;
    s.Time = ppTopRight;
    s.Title = ppTopCenter;
    s.TitleText = QStringLiteral("Monthly report");
    const int count = PrintGridRect(grid, printer, All());
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
    const int count = PrintGridRect(grid, printer, All(), [&](int pages, int& from, int& to) {
        seen = pages;
        from = 0;
        to = 0;
    });
    EXPECT_EQ(seen, count);
    EXPECT_FALSE(QFile::exists(pdf));

    ASSERT_GE(count, 3);
    PrintGridRect(grid, printer, All(), [](int, int& from, int& to) {
        from = 2;
        to = 3;
    });
    EXPECT_EQ(PdfPageCount(pdf), 2);
    const QStringList pages = Pages();
    EXPECT_TRUE(pages[0].contains(QStringLiteral("2/%1").arg(count))) << pages[0].toStdString();
    EXPECT_TRUE(pages[1].contains(QStringLiteral("3/%1").arg(count))) << pages[1].toStdString();
}

TEST_F(PrintFixture, JobsEndForTallRowsAndWideGrids) {
    Fill(2, 3);
    QStringList lines;
    for (int i = 0; i < 300; ++i) lines << QStringLiteral("line %1").arg(i);
    grid.SetCells(1, 1, lines.join(QLatin1Char('\r')));
    const int tall = PrintGridRect(grid, printer, All());
    // The tall row stands alone on its page between the two short ones.
    EXPECT_EQ(tall, 3);
    EXPECT_EQ(PdfPageCount(pdf), 3);

    Fill(600, 2);
    grid.PrintSettings()->PageNr = ppBottomLeft;
    const int wide = PrintGridRect(grid, printer, All());
    EXPECT_GT(wide, 10);
    EXPECT_EQ(PdfPageCount(pdf), wide);
    // Pages of several blocks are numbered within their block.
    EXPECT_TRUE(Pages()[1].contains(QLatin1String("1-2")));
}

}  // namespace

namespace {

// The x of the first dark pixel on a line of an image, -1 when there is none.
int FirstDark(const QImage& image, int y) {
    for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, y)) < 128) return x;
    return -1;
}

TEST_F(PrintFixture, PreviewAgreesWithThePrintedPage) {
    Fill(3, 150);
    grid.PrintSettings()->PageNr = ppBottomRight;
    printer.Handle()->setFullPage(true);
    const int count = PrintGridRect(grid, printer, All());
    const QImage printed = PdfPageImage(pdf, 2);
    ASSERT_FALSE(printed.isNull());

    // An A4 page at 96 pixels per inch, drawn 30 pixels in from the image's corner.
    const int offset = 30;
    QImage preview(printed.width() + offset, printed.height() + offset, QImage::Format_RGB32);
    preview.fill(Qt::white);
    {
        QPainter painter(&preview);
        TCanvas canvas(&painter);
        const TRect display = Rect(offset, offset, offset + printed.width(), offset + printed.height());
        EXPECT_EQ(PreviewGridRect(grid, canvas, display, All(), 2), count);
        EXPECT_EQ(canvas.MapMode(), mmText);
    }
    // The left edge of the grid and the frame lines sit at the same places, within a pixel
    // or two of rounding between the two resolutions.
    for (int y : {PixelsOf(300), PixelsOf(1200), PixelsOf(2000)}) {
        const int edge = FirstDark(printed, y);
        ASSERT_GT(edge, 0) << y;
        EXPECT_NEAR(FirstDark(preview, y + offset) - offset, edge, 2) << y;
    }
    // Nothing is drawn above or left of the display rectangle.
    for (int x = 0; x < preview.width(); x += 7) EXPECT_EQ(qGray(preview.pixel(x, offset / 2)), 255);
}

}  // namespace
