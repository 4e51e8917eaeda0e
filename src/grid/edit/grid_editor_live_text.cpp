// The cell following the typing in the spin edit and the edit with button.
#include "grid/core/string_grid.h"

void TExStringGrid::FollowEditorText(const QString& Text) {
    // Texts the grid itself puts into an editor while opening it pass under FNoEditChange.
    if (FNoEditChange || !FShowEditProcess || FEditStart || !FEditMode) return;
    if (!IsSpinKind(EditControl) && !IsEditBtnKind(EditControl)) return;
    if (Text != CurrentCell()) SetEditText(Col(), Row(), Text);
}
