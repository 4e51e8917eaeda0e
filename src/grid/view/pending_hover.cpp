#include "grid/core/string_grid.h"

// Stands in for the editing test of the keyboard work: editing on and the cell editable.
bool TExStringGrid::IsEditable(int ACol, int ARow) {
    bool canEdit = Options().Contains(goEditing) || MouseActions()->RangeSelectAndEdit();
    CanEditBaseCell(RealCol(ACol), DisplRow(ARow), canEdit);
    return canEdit;
}

// Stands in for the keyboard work's editor opening: the base control's editor.
void TExStringGrid::ShowInplaceEdit() { ShowEditor(); }

// Stands in for the keyboard work's start-of-focus-block notice.
void TExStringGrid::DoStartBlockFocus() {}

// Stands in for the mouse press work's fixed-cell editor.
void TExStringGrid::ShowFixedCellEditor(int, int) {}
