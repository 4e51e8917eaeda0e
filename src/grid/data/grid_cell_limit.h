#pragma once
// How far data from outside (pasted text and cell blocks, files being read) may grow a
// grid. A paste or a file that would pass either limit is refused whole with
// EExGridError, before any cell changes: an hostile or broken source must not make the
// program allocate without bound.

#include <QtGlobal>

// Cells of the grid after the growth (columns × rows, fixed lines included); far above
// the 100,000 × 20 tables the grid is built for.
inline constexpr qint64 kMaxGridCells = 20'000'000;
// Columns of the grid after the growth, as spreadsheets allow; every column carries a
// width and a display slot, so a line of a million fields must not make a million.
inline constexpr int kMaxGridColumns = 16'384;

// True when a grid of Columns × Rows stays within both limits.
inline bool GridSizeWithinLimit(qint64 Columns, qint64 Rows) {
    return Columns >= 0 && Rows >= 0 && Columns <= kMaxGridColumns && Columns * Rows <= kMaxGridCells;
}
