// Stand-ins for the editing core's validation, advance, done notice and editor gate.

#include "grid/core/string_grid.h"

bool TExStringGrid::CanEditShow() {
    if (FValidating || !TBaseGrid::CanEditShow()) return false;
    TEditorType kind = DefaultEditor();
    GetCellEditorTypeEx(RealCol(RealColIndex(Col())), DisplRow(Row()), kind);
    switch (kind) {
    case edNormal: case edNumeric: case edPositiveNumeric: case edFloat: case edCapital: case edMixedCase:
    case edPassword: case edLowerCase: case edUpperCase: case edValidChars: case edPositiveFloat: break;
    default: kind = edNormal;  // the other kinds' editors are not there yet: the plain edit serves
    }
    EditControl = kind;
    FCellCache = CurrentCell();
    EditMode = FEditing = true;
    return true;
}

bool TExStringGrid::ValidateCell(const QString& NewValue) {
    FNewCellText = NewValue;
    if (!FEditing) return true;
    FEditing = false;
    QString value = NewValue;
    bool valid = true;
    if (OnCellValidate) OnCellValidate(this, RealColIndex(Col()), Row(), value, valid);
    FNewCellText = value;
    if (valid) SetCurrentCell(value);
    else FEditing = true;
    return valid;
}

void TExStringGrid::AdvanceAfterEdit(int ACol, int ARow, bool, bool, bool Forward, bool, bool) {
    const int next = Forward ? ACol + 1 : ACol - 1;
    if (next >= FixedCols() && next < ColCount()) SetCol(next);
    else SetRow(ARow);
}

void TExStringGrid::DoEditingDone(int, int) {
    if (OnEditingDone) OnEditingDone(this);
    EditMode = false;
}

bool TExStringGrid::EditorWantsTab() { return Options().Contains(goTabs) || bool(OnCellValidate); }
