// RTF cells are measured formatted: a large font makes the cell taller, and the RTF
// source's own characters take no width; auto-sizing a column follows.
#include "grid/core/string_grid.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

namespace {

TEST(RichCellMeasuring, RtfCellsAreMeasuredAsTheirFormattedText) {
    TExStringGrid grid(nullptr);
    grid.SetColCount(4);
    grid.SetRowCount(3);
    const QString big = "{\\rtf1\\ansi{\\fonttbl{\\f0 DejaVu Sans;}}\\f0\\fs72 Big}";
    const QString small = "{\\rtf1\\ansi{\\fonttbl{\\f0 DejaVu Sans;}}\\f0\\fs16 Big}";
    grid.SetCells(1, 1, big);
    grid.SetCells(2, 1, small);
    const TSize bigSize = grid.GetCellTextSize(1, 1, false, false);
    const TSize smallSize = grid.GetCellTextSize(2, 1, false, false);
    const QFontMetrics plain(grid.font());
    EXPECT_GT(bigSize.cy, 2 * smallSize.cy);
    EXPECT_GT(bigSize.cx, 2 * smallSize.cx);
    // The source would be far wider than the word it shows.
    EXPECT_LT(bigSize.cx, plain.horizontalAdvance(big) / 2);
    EXPECT_GT(smallSize.cx, 0);

    // Wrapped in a width, the height grows with the lines.
    grid.SetCells(3, 2, "{\\rtf1\\ansi one two three four five six seven eight nine ten}");
    const TSize wrapped = grid.GetCellTextSize(3, 2, true, false);
    const TSize single = grid.GetCellTextSize(3, 2, false, false);
    EXPECT_GT(wrapped.cy, single.cy);

    grid.AutoSizeColumns(false, 0);
    EXPECT_GE(grid.ColWidths(1), bigSize.cx);
    EXPECT_LT(grid.ColWidths(1), plain.horizontalAdvance(big));
}

}  // namespace
