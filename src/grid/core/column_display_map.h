#pragma once
// Which real columns of a grid are hidden, the widths they had when they were hidden,
// and the mapping between real and displayed column indexes. Only real columns 0 to
// 511 take part in hiding; a column from 512 on is always shown and both mappings give
// its index back unchanged (so they disagree with each other for such columns while
// columns are hidden, as the grid's callers expect). Both mappings read a table that is
// rebuilt whenever a column is hidden or shown, and no index, however large or
// negative, reads past the stored flags and widths.

#include "grid/core/grid_index.h"

#include <array>
#include <cstdint>
#include <vector>

class TColumnDisplayMap {
public:
    // Real columns below this one can be hidden.
    static constexpr int HideableColumns = 512;
    // Flags and kept widths are stored for real columns 0 to 512.
    static constexpr int StoredColumns = HideableColumns + 1;

    TColumnDisplayMap();

    bool IsHidden(RealCol ACol) const;
    int NumHidden() const { return FNumHidden; }
    // ACol minus the hidden columns below it (for a hidden column: the place the next
    // shown column takes).
    DisplCol DisplIndex(RealCol ACol) const;
    // The shown real column with exactly ACol shown columns before it; 0 when no
    // hideable column is shown at ACol.
    RealCol RealIndex(DisplCol ACol) const;

    // The width a column had when it was hidden (0 for a column outside the store).
    int KeptWidth(RealCol ACol) const;
    // Stored as a signed 16-bit width, kept within that range.
    void SetKeptWidth(RealCol ACol, int Width);

    // Marks a hideable column hidden, keeping its width; false when it already was or
    // cannot be hidden.
    bool Hide(RealCol ACol, int Width);
    // Marks a hidden column shown; false when it was not hidden.
    bool Show(RealCol ACol);
    // Count new shown columns at ACol: later columns keep their flags and kept widths at
    // their new places. A hidden column pushed past the hideable columns is shown from
    // then on; the answer is how many were, so the grid can show them.
    int InsertColumns(RealCol ACol, int Count);
    // Count columns from ACol go: later columns' flags and kept widths move down, and
    // new columns at the end of the store are shown. Answers how many hidden columns went.
    int RemoveColumns(RealCol ACol, int Count);

private:
    void Rebuild();

    std::array<bool, StoredColumns> FVisibleCol;
    std::array<std::int16_t, StoredColumns> FAllColWidths{};
    int FNumHidden = 0;
    // Shown hideable columns in order, and every stored column's displayed index.
    std::vector<int> FDisplayedToReal;
    std::array<int, StoredColumns> FRealToDisplayed{};
};
