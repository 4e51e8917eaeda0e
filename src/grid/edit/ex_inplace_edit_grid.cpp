// What the grid gives its plain in-place edit: the edit itself, and the line count of a
// row that a line break typed into the edit is compared with.

#include "grid/core/string_grid.h"
#include "grid/edit/ex_inplace_edit.h"

#include "controls/text_utilities.h"

TInplaceEdit* TExStringGrid::CreateEditor() { return new TExInplaceEdit(this); }

TExInplaceEdit* TExStringGrid::NormalEdit() const { return static_cast<TExInplaceEdit*>(InplaceEditor()); }

int TExStringGrid::MaxCellLinesInRow(int ARow) {
    if (!Multilinecells()) return 1;
    int lines = 1;
    for (int c = 0; c < ColCount(); ++c) lines = qMax(lines, CountTextLines(Cells(c, ARow), true));
    return lines;
}
