// Insert and Delete as row keys: a row inserted before or after the current one, the
// current row deleted, each after the application's consent, with the filter switched
// off meanwhile and its state given back afterwards (also when refused).
//
// The keys act on the current displayed row; the events receive its real row. Rows the
// application hid itself stay hidden.

#include "grid/core/string_grid.h"

void TExStringGrid::AutoInsertRow(int ARow) {
    InsertRows(ARow, 1, true);
}

void TExStringGrid::AutoDeleteRow(int ARow) {
    const int displayed = DisplRowIndex(ARow);
    if (displayed < FixedRows() || displayed >= RowCount() - FFixedFooters) return;
    // The last data row is emptied rather than removed: a grid keeps one data row.
    if (RowCount() - FixedRows() - FFixedFooters > 1) RemoveRows(displayed, 1);
    else ClearRows(displayed, 1);
    if (OnAutoDeleteRow) OnAutoDeleteRow(this, ARow);
}

void TExStringGrid::InsertRowKey() {
    bool canInsert = true;
    DoCanInsertRow(Row(), canInsert);
    if (!canInsert) return;
    int newRow = Row();
    const bool filterWas = FFilterActive;
    SetFilterActive(false);
    int inserted = Row();
    if (FNavigation->InsertPosition() == pInsertAfter) {
        if (FFixedRowAlways && FixedRows() == RowCount()) {
            inserted = Row();
            newRow = 1;
        } else {
            inserted = Row() + 1;
        }
    }
    AutoInsertRow(inserted);
    if (FNavigation->InsertPosition() == pInsertAfter && inserted == Row() + 1 && newRow + 1 < RowCount()) ++newRow;
    if (OnAutoInsertRow) OnAutoInsertRow(this, RealRowIndex(inserted));
    FGridModified = true;
    SetFilterActive(filterWas);
    SetRow(newRow);
    CalcFooter(-1);
}

void TExStringGrid::DeleteRowKey() {
    const int real = RealRowIndex(Row());
    const bool filterWas = FFilterActive;
    SetFilterActive(false);
    bool canDelete = true;
    if (OnCanDeleteRow) OnCanDeleteRow(this, real, canDelete);
    if (!canDelete) {
        SetFilterActive(filterWas);
        return;
    }
    AutoDeleteRow(real);
    SetFilterActive(filterWas);
    if (FFloatingFooter->Visible && Row() == RowCount() - 1) SetRow(RowCount() - 2);
    RememberEditCell(Col(), Row());
    FGridModified = true;
    CalcFooter(-1);
}
