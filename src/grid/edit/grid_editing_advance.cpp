// The move after an edit (Enter, cursor walking out of an editor): the next cell by
// AdvanceDirection, appending a row or column at the end when asked, stepping over
// read-only cells, and opening the editor there with AdvanceAutoEdit.

#include "grid/core/string_grid.h"

#include <set>
#include <utility>

// The cell after (ACol, ARow) in the advance direction; false when the advance ends
// without a move (a row was appended with no editable cell in it).
bool TExStringGrid::AdvanceTarget(int ACol, int ARow, bool Forward, int& NewCol, int& NewRow) {
    NewCol = ACol;
    NewRow = ARow;
    const TAdvanceDirection direction = FNavigation->AdvanceDirection();
    const int lastDataRow = RowCount() - FixedFooters() - 1;
    const int lastCol = ColCount() - FixedRightCols() - 1;
    const TPoint span = CellSpan(RealColIndex(ACol), ARow);
    if (!Forward) {
        if (direction == adLeftRight) {
            if (ACol > FirstDataCol()) {
                NewCol = ACol - 1;
            } else {
                NewRow = ARow > FixedRows() ? ARow - 1 : lastDataRow;
                NewCol = lastCol;
            }
        } else if (direction == adTopBottom) {
            if (ARow > FixedRows()) {
                NewRow = ARow - 1;
            } else {
                NewCol = ACol > FirstDataCol() ? ACol - 1 : lastCol;
                NewRow = lastDataRow;
            }
        }
        return true;
    }
    if (direction == adLeftRight || direction == adLeftRightInRow) {
        if (ACol + span.X < ColCount() - 1 - VisibleFixedRightCols()) {
            NewCol = ACol + span.X + 1;
        } else if (direction == adLeftRightInRow) {
            if (FNavigation->AdvanceOnEnterLoop()) NewCol = FirstDataCol();
        } else if (ARow + 1 != RowCount() - FixedFooters()) {
            NewRow = ARow + 1;
            NewCol = FirstDataCol();
        } else if (FNavigation->AdvanceInsert()) {
            bool canAdd = true;
            DoCanAddRow(canAdd);
            NewCol = FirstDataCol();
            if (canAdd) {
                AddRow();
                NewRow = ARow + 1;
                if (OnAutoAddRow) OnAutoAddRow(this, RowCount() - FixedFooters() - 1);
                bool anyEditable = false;
                for (int c = FixedCols(); c < ColCount() && !anyEditable; ++c)
                    anyEditable = IsEditable(RealColIndex(c), NewRow);
                if (!anyEditable) return false;
            }
        } else if (FNavigation->AdvanceOnEnterLoop()) {
            NewRow = FixedRows();
            NewCol = FirstDataCol();
        }
    }
    if (direction == adTopBottom || direction == adTopBottomInCol) {
        if (NewRow + 1 != RowCount() - FixedFooters()) {
            NewRow = NewRow + 1;
        } else if (direction == adTopBottomInCol) {
            NewRow = FixedRows();
        } else {
            if (NewCol + 1 != ColCount() - FixedRightCols()) {
                NewRow = FixedRows();
                NewCol = NewCol + 1;
                if (NewCol >= ColCount()) NewCol = FirstDataCol();
            } else if (FNavigation->AdvanceInsert()) {
                SetColCount(ColCount() + 1);
                NewCol = NewCol + span.X + 1;
                NewRow = FixedRows();
                if (OnAutoInsertCol) OnAutoInsertCol(this, ColCount() - FixedRightCols() - 1);
            } else {
                NewRow = FixedRows();
                NewCol = FirstDataCol();
            }
            Invalidate();
        }
    }
    return true;
}

void TExStringGrid::AdvanceAfterEdit(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Recursive,
                                     bool WasEditing) {
    if (!FNavigation->AdvanceOnEnter() && !Force) return;
    if (FMouseActions->RangeSelectAndEdit() && !Options().Contains(goEditing))
        SetOptions(Options() + TGridOptions{goEditing});
    if (!Recursive) {
        FAECol = ACol;
        FAERow = ARow;
    }
    const int startCol = ACol;
    const int startRow = ARow;
    FStartEditChar = QChar();

    // Read-only cells are stepped over in a loop that ends where it started or at a cell
    // it saw before: a table without an editable cell keeps its current cell.
    std::set<std::pair<int, int>> visited{{ACol, ARow}};
    int fromCol = ACol;
    int fromRow = ARow;
    int newCol = ACol;
    int newRow = ARow;
    int RCol = RealColIndex(ACol);
    for (;;) {
        if (!AdvanceTarget(fromCol, fromRow, Forward, newCol, newRow)) return;
        RCol = RealColIndex(newCol);
        bool canEdit = true;
        CanEditBaseCell(RealCol(RCol), DisplRow(newRow), canEdit);
        if (canEdit) {
            bool allow = true;
            if (OnAutoAdvance) OnAutoAdvance(this, FAERow, FAECol, newRow, newCol, allow);
            RCol = RealColIndex(newCol);
            if (allow) {
                if (OnCellChanging) OnCellChanging(this, FAERow, FAECol, newRow, newCol, allow);
                FDisableChange = true;
                if (allow) {
                    SetCol(newCol);
                    // A refused edit keeps the current cell on the edited one.
                    if (Col() == newCol) SetRow(newRow);
                } else {
                    SelectCell(startCol, startRow);
                }
            } else {
                SelectCell(startCol, startRow);
            }
            FDisableChange = false;
            break;
        }
        if (!FNavigation->AdvanceSkipReadOnlyCells()) {
            SetCol(newCol);
            if (Col() == newCol) SetRow(newRow);
            break;
        }
        if (!visited.insert({newCol, newRow}).second) return;
        fromCol = newCol;
        fromRow = newRow;
    }
    if (!WasEditing) return;
    const bool clickable = HasClickableObject(RCol, newRow);
    if ((AutoEdit && FNavigation->AdvanceAutoEdit()) || clickable) {
        if (!IsEditable(RCol, newRow)) return;
        ShowEditor();
        if (clickable) {
            // No click is synthesized on the landing cell: it would toggle a check box or
            // radio button the user only moved to.
            bool allow = true;
            if (OnCellChanging) OnCellChanging(this, startRow, startCol, Row(), Col(), allow);
            if (!IsPlainEditorKind(CellEditorKind(RealColIndex(startCol), startRow))) HideInplaceEdit();
        }
    }
    if (FMouseActions->DisjunctRowSelect()) {
        ClearRowSelect();
        SetRowSelect(Row(), true);
    }
}
