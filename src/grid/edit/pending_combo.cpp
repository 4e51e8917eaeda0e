// Least forms of the in-place editing members the editing core brings.
#include "grid/core/string_grid.h"
#include "grid/view/grid_edit_done_event.h"

#include <QCoreApplication>

bool TExStringGrid::ValidateCell(const QString& NewValue) {
    QString value = NewValue;
    bool valid = true;
    if (OnCellValidate) OnCellValidate(this, RealColIndex(Col()), Row(), value, valid);
    FNewCellText = valid ? value : (value != NewValue ? value : FOldCellText);
    SetCurrentCell(FNewCellText);
    FLastValidation = valid;
    return valid;
}

void TExStringGrid::DoneInplaceEdit(WORD Key, TShiftState Shift) {
    FEditing = false;
    HideInplaceEdit();
    if (Key == VK_TAB || Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN) EditorKeyToGrid(Key, Shift);
    setFocus(Qt::OtherFocusReason);
    if (Key == VK_RETURN) AdvanceAfterEdit(Col(), Row(), false, true, true, false, false);
}

void TExStringGrid::AdvanceAfterEdit(int ACol, int ARow, bool, bool, bool Forward, bool, bool) {
    if (!FNavigation->AdvanceOnEnter() && !Forward) return;
    const int step = Forward ? 1 : -1;
    if (FNavigation->AdvanceDirection() == adTopBottom) {
        const int row = ARow + step;
        if (row >= TStringGrid::FixedRows() && row < RowCount()) SetRow(row);
    } else {
        const int col = ACol + step;
        if (col >= TStringGrid::FixedCols() && col < ColCount()) SetCol(col);
    }
}

void TExStringGrid::StoreEditText(int ACol, int ARow, const QString& Value) {
    if (OnSetEditText) OnSetEditText(this, DisplColIndex(ACol), ARow, Value);
    SetCells(ACol, ARow, Value);
}

void TExStringGrid::DoEditingDone(int ACol, int ARow) {
    if (OnEditingDone) OnEditingDone(this);
    EditMode = false;
    QCoreApplication::postEvent(this, new TGridEditDoneEvent(ACol, ARow));
}
