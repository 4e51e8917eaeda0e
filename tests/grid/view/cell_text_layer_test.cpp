// The text layer of a cell on offscreen renders of the shared fixture.

#include "grid/view/cell_layers_fixture.h"
#include "grid/view/rich_text_plain.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

namespace {

TColor At(const QImage& image, int x, int y) { return FromQColor(image.pixelColor(x, y)); }

// The rightmost and leftmost x in the box holding a pixel close to colour.
std::pair<int, int> InkSpan(const QImage& image, const TRect& box, TColor colour, int tolerance = 200) {
    const QColor want = ToQColor(colour);
    int first = INT_MAX, last = -1;
    for (int y = box.Top; y < box.Bottom; ++y)
        for (int x = box.Left; x < box.Right; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - want.red()) + qAbs(c.green() - want.green()) + qAbs(c.blue() - want.blue()) <= tolerance &&
                c != QColor(Qt::white)) {
                first = qMin(first, x);
                last = qMax(last, x);
            }
        }
    return {first, last};
}

// The width the canvas measures for a line of text in the fixture's font.
int MeasuredWidth(const QString& text) {
    QImage image = CellLayersGrid::Blank();
    QPainter painter(&image);
    TCanvas canvas(&painter);
    canvas.Font.Name = QStringLiteral("DejaVu Sans");
    canvas.Font.Size = 8;
    TRect r = Rect(0, 0, 400, 40);
    canvas.DrawText(text, r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    return r.Width();
}

TEST(CellTextLayer, FilterGlyphEndsTheText16PixelsEarlier) {
    CellLayersGrid grid;
    grid.SetCells(3, 1, QStringLiteral("abc"));
    grid.SetAlignments(3, 1, taRightJustify);
    grid.OnGetAlignment = [](TObject*, int, int, TAlignment& HAlign, TVAlignment&) { HAlign = taRightJustify; };
    grid.TextColor = clRed;
    QImage plain = CellLayersGrid::Blank(), filtered = CellLayersGrid::Blank();
    grid.Paint(plain, 2, 1);
    grid.Paint(filtered, 2, 1, {}, true);
    const TRect cell = CellLayersGrid::CellBox(2, 1);
    const int endPlain = InkSpan(plain, cell, clRed).second;
    const int endFiltered = InkSpan(filtered, Rect(cell.Left, cell.Top, cell.Right - 16, cell.Bottom), clRed).second;
    EXPECT_EQ(endPlain - endFiltered, 16);
    // The glyph sits in the 16-pixel strip at the right edge.
    EXPECT_NE(filtered.copy(cell.Right - 16, cell.Top, 16, 20), plain.copy(cell.Right - 16, cell.Top, 16, 20));
}

TEST(CellTextLayer, SortIndicatorSitsBesideTheHeaderText) {
    CellLayersGrid grid;
    grid.SortSettings()->Show = true;
    grid.SortSettings()->Row = 0;
    grid.SortSettings()->Column = 3;
    grid.SetColWidths(2, 80);
    QImage image = CellLayersGrid::Blank();
    // A wide header cell of real column 3 (displayed 2), rows of 20.
    const TRect cell = Rect(82, 0, 162, 20);
    grid.SetCells(3, 0, QStringLiteral("Name"));
    // Run the text layer on the header cell, then look for the indicator's gray outline.
    TCellDrawWork work = [&] {
        QPainter painter(&image);
        TCanvas canvas(&painter);
        canvas.Font.Name = QStringLiteral("DejaVu Sans");
        canvas.Font.Size = 8;
        canvas.Font.Color = clBlack;
        TCellDrawWork w;
        w.Canvas = &canvas;
        w.ACol = 2;
        w.RCol = 3;
        w.ARow = 0;
        w.Rect = cell;
        w.IsFixed = true;
        w.HA = taLeftJustify;
        w.VA = vtaTop;
        grid.RunTextLayer(w);
        w.Canvas = nullptr;
        return w;
    }();
    // The text starts at Left + GridLineWidth + XYOffset.X; the indicator at Left + 1 +
    // text width + 2 + 10, 8 below the top.
    const int x = cell.Left + 1 + work.TextWidth + 10;
    EXPECT_EQ(work.TextWidth, MeasuredWidth(QStringLiteral("Name")) + 2);
    EXPECT_EQ(At(image, x - 2, 1 + 8), TColor(0x808080));  // on the gray edge of the upward triangle
    const auto [first, last] = InkSpan(image, cell, TColor(0x808080), 0);
    EXPECT_GE(first, x - 4);
    EXPECT_LE(last, x + 4);
    // Not sorted on this column: no indicator.
    grid.SortSettings()->Column = 1;
    QImage other = CellLayersGrid::Blank();
    QPainter painter(&other);
    TCanvas canvas(&painter);
    TCellDrawWork w = work;
    w.Canvas = &canvas;
    w.TextWidth = 0;
    grid.RunTextLayer(w);
    EXPECT_EQ(InkSpan(other, cell, TColor(0x808080), 0).second, -1);
}

TEST(CellTextLayer, BackgroundPictureTilesWithoutSeamsAndNeverOverAColouredOrSelectedCell) {
    QImage tile(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) tile.setPixelColor(x, y, QColor(200 + x * 5, y * 40, 10));
    CellLayersGrid grid;
    grid.BackGround()->Bitmap.LoadFromImage(tile);
    grid.BackGround()->Display = bdTile;
    grid.BackGround()->Cells = bcNormal;
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c) grid.SetCells(grid.RealColIndex(c), r, QString());
    for (int r = 4; r <= 5; ++r)
        for (int c = 1; c <= 3; ++c) grid.SetCells(grid.RealColIndex(c), r, QString());
    // Rows 4 and 5, away from the merged area; displayed column 3, row 5 has its own colour.
    grid.SetColors(4, 5, clLime);
    QImage image = CellLayersGrid::Blank();
    for (int r = 4; r <= 5; ++r)
        for (int c = 2; c <= 3; ++c) grid.Paint(image, c, r);
    // The first normal cell (1, 1) starts at x 41, y 21: the pattern's origin is one
    // pixel left of and above it, so every covered pixel continues one pattern.
    for (int r = 4; r <= 5; ++r)
        for (int c = 2; c <= 3; ++c) {
            if (c == 3 && r == 5) continue;
            const TRect box = CellLayersGrid::CellBox(c, r);
            for (int y = box.Top; y < box.Bottom; ++y)
                for (int x = box.Left; x < box.Right; ++x)
                    ASSERT_EQ(image.pixelColor(x, y), tile.pixelColor((x - 40) % 7, (y - 20) % 5)) << x << "," << y;
        }
    const TRect coloured = CellLayersGrid::CellBox(3, 5);
    for (int y = coloured.Top + 1; y < coloured.Bottom; ++y)
        for (int x = coloured.Left + 1; x < coloured.Right; ++x) ASSERT_EQ(At(image, x, y), clWhite) << x << "," << y;
    QImage selected = CellLayersGrid::Blank();
    grid.Paint(selected, 2, 4, TGridDrawState{gdSelected});
    const TRect box = CellLayersGrid::CellBox(2, 4);
    for (int y = box.Top + 1; y < box.Bottom; ++y)
        for (int x = box.Left + 1; x < box.Right; ++x) ASSERT_EQ(At(selected, x, y), clWhite) << x << "," << y;
}

TEST(CellTextLayer, TextForms) {
    struct Case {
        QString text;
        bool password, urlShow, multiline;
        QString shown;  // what must come out, drawn alone in the same place
    };
    const Case cases[] = {
        {QStringLiteral("first\r\nsecond"), false, false, false, QStringLiteral("first")},
        {QStringLiteral("secret"), true, false, false, QStringLiteral("******")},
        {QStringLiteral("http://knx.org"), false, true, false, QStringLiteral("knx.org")},
    };
    for (const Case& c : cases) {
        CellLayersGrid grid;
        grid.SetColWidths(2, 120);
        grid.SetCells(3, 1, c.text);
        grid.SetURLShow(c.urlShow);
        grid.OnIsPasswordCell = [&](TObject*, int, int, bool& IsPassword) { IsPassword = c.password; };
        QImage image = CellLayersGrid::Blank();
        TCellDrawWork work;
        QPainter painter(&image);
        TCanvas canvas(&painter);
        canvas.Font.Name = QStringLiteral("DejaVu Sans");
        canvas.Font.Size = 8;
        canvas.Font.Color = clBlack;
        work.Canvas = &canvas;
        work.ACol = 2;
        work.RCol = 3;
        work.ARow = 1;
        work.Rect = Rect(82, 21, 202, 41);
        grid.RunTextLayer(work);
        EXPECT_EQ(work.TextWidth, MeasuredWidth(c.shown) + 2) << c.text.toStdString();
    }
}

TEST(CellTextLayer, SelectedCellTakesTheSelectionColours) {
    CellLayersGrid grid;
    grid.SetSelectionTextColor(clRed);
    grid.SetCells(3, 1, QStringLiteral("HHH"));
    QImage image = CellLayersGrid::Blank();
    grid.Paint(image, 2, 1, TGridDrawState{gdSelected});
    EXPECT_NE(InkSpan(image, CellLayersGrid::CellBox(2, 1), clRed).second, -1);
    grid.SetShowSelection(false);
    QImage plain = CellLayersGrid::Blank();
    grid.Paint(plain, 2, 1, TGridDrawState{gdSelected});
    EXPECT_EQ(InkSpan(plain, CellLayersGrid::CellBox(2, 1), clRed).second, -1);
}

TEST(CellTextLayer, DisjunctSelectionColoursOnlyTheRowsAndColumnsItHolds) {
    const struct {
        bool rows;
        bool selected;
        bool red;
    } cases[] = {{true, false, false}, {true, true, true}, {false, false, false}, {false, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.rows ? "rows" : "columns") + (c.selected ? " selected" : " not selected"));
        CellLayersGrid grid;
        grid.SetSelectionTextColor(clRed);
        if (c.rows) {
            grid.MouseActions()->SetDisjunctRowSelect(true);
            grid.SetRowSelect(1, c.selected);
        } else {
            grid.MouseActions()->SetDisjunctColSelect(true);
            grid.SetColSelect(3, c.selected);
        }
        QImage image = CellLayersGrid::Blank();
        grid.Paint(image, 3, 1, TGridDrawState{gdSelected});
        EXPECT_EQ(InkSpan(image, CellLayersGrid::CellBox(3, 1), clRed).second != -1, c.red);
    }
}

TEST(CellTextLayer, PlainTextLeavesItsVerticalAlignmentForTheEditor) {
    const struct {
        TVAlignment va;
        unsigned flag;
    } cases[] = {{vtaTop, DT_TOP}, {vtaCenter, DT_VCENTER}, {vtaBottom, DT_BOTTOM}};
    for (const auto& c : cases) {
        CellLayersGrid grid;
        grid.OnGetAlignment = [&](TObject*, int, int, TAlignment&, TVAlignment& VAlign) { VAlign = c.va; };
        QImage image = CellLayersGrid::Blank();
        grid.Paint(image, 2, 1);
        EXPECT_EQ(grid.VAlign(), static_cast<int>(c.flag)) << c.va;
    }
}

TEST(RichTextToPlainText, DropsControlWordsAndDestinations) {
    const struct {
        const char* rtf;
        const char* plain;
    } cases[] = {
        {R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}{\colortbl;\red255\green0\blue0;}\f0 Hello\par World})", "Hello\nWorld"},
        {R"({\rtf1{\*\generator Riched20;}\b bold\b0  text})", "bold text"},
        {R"({\rtf1 caf\'e9 \u8364?\tab x})", "caf\xc3\xa9 \xe2\x82\xac\tx"},
        {R"({\rtf1 a\{b\}\\c})", "a{b}\\c"},
        {R"({\rtf1 unclosed {group)", "unclosed group"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(RichTextToPlainText(QString::fromUtf8(c.rtf)), QString::fromUtf8(c.plain)) << c.rtf;
    // Deep nesting is read in one pass without recursion.
    const QString deep = QString(100000, QLatin1Char('{')) + QStringLiteral("x") + QString(100000, QLatin1Char('}'));
    EXPECT_TRUE(RichTextToPlainText(deep).size() <= 1);
}

}  // namespace
