// The editor buttons a normal cell shows without being edited: the drop-down button of
// a combo cell and the spin buttons of a spin cell, when the control look keeps them
// visible. Each takes 16 pixels off the right of the cell, so the text ends before it.

#include "controls/cell_control_drawing.h"
#include "grid/core/grid_feature_settings.h"
#include "grid/core/string_grid.h"

void TExStringGrid::DrawAlwaysVisibleEditorButtons(TCellDrawWork& W) {
    const RealCol col = RealCol(W.RCol);
    const DisplRow row = DisplRow(W.ARow);
    const bool combo = FControlLook->DropDownAlwaysVisible && CellHasComboBox(col, row);
    const bool spin = FControlLook->SpinButtonsAlwaysVisible && CellHasSpinEdit(col, row);
    if (!combo && !spin) return;
    // Visual styles count as active: the themed button unless flat or toned.
    int look = FControlLook->FlatButton ? 2 : 0;
    if (FFlat && HasColorTones()) look = 3;
    bool allow = true;
    CanEditBaseCell(col, row, allow);
    const int state = allow ? 0 : 3;
    TCanvas& canvas = *W.Canvas;
    const TBrush brush = canvas.Brush;
    const TPen pen = canvas.Pen;
    if (combo) {
        DrawComboDropButton(canvas, this, {W.Rect.Left - 2, W.Rect.Top - 1, W.Rect.Right + 1, W.Rect.Bottom}, look,
                            state, FTones);
        W.Rect.Right -= 16;
    }
    if (spin) {
        DrawSpinButtons(canvas, this, W.Rect, look, state, FTones);
        W.Rect.Right -= 16;
    }
    canvas.Brush = brush;
    canvas.Pen = pen;
}
