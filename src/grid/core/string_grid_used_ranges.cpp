// The rectangle of cells that hold text, and the ranges the import and export services
// save: every line when fixed cells are saved, else the normal lines only.

#include "grid/core/string_grid.h"

TGridRect TExStringGrid::GetUsedCells() {
    TGridRect used{-1, -1, -1, -1};
    for (int r = 0; r < RowCount(); ++r) {
        for (int c = 0; c < ColCount(); ++c) {
            if (Cells(RealColIndex(c), r).isEmpty()) continue;
            if (used.Left < 0) used = {c, r, c, r};
            used.Left = std::min(used.Left, c);
            used.Right = std::max(used.Right, c);
            used.Bottom = r;
        }
    }
    return used.Left < 0 ? TGridRect{} : used;
}

int TExStringGrid::SaveStartCol() const { return FSaveFixedCells || FSaveFixedCols ? 0 : TStringGrid::FixedCols(); }

int TExStringGrid::SaveStartRow() const { return FSaveFixedCells || FSaveFixedRows ? 0 : TStringGrid::FixedRows(); }

int TExStringGrid::SaveEndCol() const {
    return FSaveFixedCells || FSaveFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
}

int TExStringGrid::SaveEndRow() const {
    return FSaveFixedCells || FSaveFixedRows ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
}

int TExStringGrid::SaveColCount() const { return SaveEndCol() - SaveStartCol() + 1; }

int TExStringGrid::SaveRowCount() const { return SaveEndRow() - SaveStartRow() + 1; }
