// Zooming the string grid: every column and row grows or shrinks by the same pixels and
// the cells' fonts by the same points, within a sum of -10 .. 10 steps.

#include "grid/core/string_grid.h"

void TExStringGrid::Zoom(int x) {
    if (FZoomFactor + x < -10 || FZoomFactor + x > 10) return;
    FScrollLock = true;
    FZoomFactor += x;
    BeginUpdate();
    // A line that would reach 0 keeps its size, so zooming back out cannot revive it.
    for (int c = 0; c < ColCount(); ++c)
        if (const int w = ColWidths(c); w > 0 && w + x > 0) SetColWidths(c, w + x);
    for (int r = 0; r < RowCount(); ++r)
        if (const int h = RowHeights(r); h > 0 && h + x > 0) SetRowHeights(r, h + x);
    EndUpdate();
    FScrollLock = false;
}
