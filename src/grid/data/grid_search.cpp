// The incremental search of the grid's key press: the first row whose text in the sort
// column starts with the typed text.

#include "grid/core/string_grid.h"

int TExStringGrid::Search(const QString& S) {
    int column = FixedCols();
    if (FSortIndexes->Count() > 0) column = FSortIndexes->SortColumns(0);
    else if (FSortSettings->Column >= 0) column = FSortSettings->Column;
    if (column < 0 || column >= ColCount()) return -1;
    const QString wanted = S.toUpper();
    const int realColumn = RealColIndex(column);
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (Cells(realColumn, r).toUpper().startsWith(wanted)) return r;
    return -1;
}
