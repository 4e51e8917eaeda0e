// The Tab walk: the next or previous cell that takes the cursor, across the row or down
// the column, wrapping, appending a row at the end or handing the Tab on to the next
// control of the parent. With the tab-stop queries and the row appending of Down on the
// last data row.
//
// The walk runs on a cursor of its own and moves the current cell once, at its end: a
// step that lands on a cell that is not editable (goEditing) walks on from there, in a
// loop. A grid or row without any tab stop is left open by the rules; the walk then ends
// as soon as it would stand still or come back to a cell it has seen, with the current
// cell where it was.

#include "grid/core/string_grid.h"
#include "platform/dialog_keys.h"

#include <unordered_set>

// ---- tab-stop queries ----------------------------------------------------------------------

bool TExStringGrid::IsTabStopCell(int ACol, int ARow) {
    bool stop = Options().Contains(goEditing) ? IsEditable(RealColIndex(ACol), ARow) : !IsFixed(ACol, ARow);
    if (OnSelectCell) OnSelectCell(this, ACol, ARow, stop);
    return stop;
}

int TExStringGrid::FirstTabStopCol(int ARow) {
    for (int c = 0; c < ColCount(); ++c)
        if (IsTabStopCell(c, ARow)) return c;
    return -1;
}

int TExStringGrid::LastTabStopCol(int ARow) {
    for (int c = ColCount() - 1; c >= 0; --c)
        if (IsTabStopCell(c, ARow)) return c;
    return -1;
}

int TExStringGrid::FirstDataCol() {
    // Without fixed columns, column 0 of a grid with node rows holds the node buttons.
    if (FixedCols() == 0 && HasNodes()) return 1;
    return FixedCols();
}

int TExStringGrid::VisibleFixedRightCols() const {
    if (NumHiddenColumns() == 0) return FFixedRightCols;
    int shown = 0;
    for (int c = std::max(0, TotalColCount() - FFixedRightCols); c < TotalColCount(); ++c)
        if (!IsHiddenColumn(c)) ++shown;
    return shown;
}

bool TExStringGrid::IsLastDataRow() const {
    return Row() + 1 == RowCount() - FFixedFooters || (Row() + 2 == RowCount() && FFloatingFooter->Visible);
}

void TExStringGrid::GotoFirstRow() { SetRow(FixedRows()); }

bool TExStringGrid::TabGoesToParent() const { return parentWidget() != nullptr && FNavigation->TabToNextAtEnd(); }

void TExStringGrid::FocusNextControl(bool Backward) { ::FocusNextControl(this, Backward); }

// ---- the walk ------------------------------------------------------------------------------

bool TExStringGrid::TabToNextCell(bool Backward) {
    if (OnKeyDown) {
        WORD key = VK_TAB;
        OnKeyDown(this, key, Backward ? TShiftState{ssShift} : TShiftState{});
        if (key != VK_TAB) return true;
    }
    const bool editing = Options().Contains(goEditing);
    int c = Col();
    int r = Row();
    std::unordered_set<qint64> seen;
    const auto cellKey = [](int ACol, int ARow) { return (qint64(ARow) << 32) | quint32(ACol); };
    seen.insert(cellKey(c, r));
    bool accepted = false;
    bool post = false;
    for (;;) {
        const int beforeCol = c;
        const int beforeRow = r;
        bool again = false;
        if (Backward) TabStepBackward(c, r, post, again);
        else TabStepForward(c, r, post, again);
        if (post) break;
        if (c == beforeCol && r == beforeRow) break;     // the walk stands still
        if (!seen.insert(cellKey(c, r)).second) break;    // the walk came round
        if (again || (editing && !IsEditable(RealColIndex(c), r))) continue;
        accepted = true;
        break;
    }
    if (!accepted && editing && !IsEditable(RealColIndex(c), r)) {
        c = Col();
        r = Row();
    }
    if (c != Col() || r != Row()) {
        MoveColRow(c, r, true, true);
        MoveToBaseCell();
    }
    if (FNavigation->AdvanceAutoEdit() && !HasClickableObject(RealColIndex(Col()), Row()))
        SimulateCellClick(Col(), Row());
    FLastTabCol = -1;
    FLastTabRow = -1;
    if (FNavigation->AlwaysEdit()) setFocus(Qt::OtherFocusReason);
    if (post) {
        FocusNextControl(Backward);
        return false;
    }
    return true;
}
