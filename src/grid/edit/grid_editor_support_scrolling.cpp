// What follows the scrolling of the grid: the background picture and selection
// rectangle repaint, a special editor closes and commits, the controls placed in cells
// follow their cells, and the partner grid scrolls along.
#include "grid/core/string_grid.h"
#include "grid/core/grid_utility_lists.h"
#include "grid/core/scroll_control.h"

void TExStringGrid::TopLeftChanged() {
    const bool fixedPicture = !FBackGround->Bitmap.Empty() && FBackGround->Display == bdFixed;
    TBaseGrid::TopLeftChanged();
    const TGridRect selection = Selection();
    if (SelectionRectangle() && selection.Top != selection.Bottom) InvalidateGrid();
    // A fixed picture stays where it is while the cells under it move.
    if (fixedPicture)
        Surface()->update(FBackGround->Left, FBackGround->Top, FBackGround->Bitmap.Width(), FBackGround->Bitmap.Height());
    if ((!FBackGround->Bitmap.Empty() && FBackGround->Display == bdTile) ||
        (FBackGround->IsGradient() && FBackGround->ColorTo != clNone))
        InvalidateGrid();
    // The plain edit moves with its cell; a special editor closes and commits.
    if (FEditMode && EditControl != edNormal) HideInplaceEdit();
    CellControlsUpdate(false);
    // The shared cell scroll bar leaves its cell; the next mouse move brings it back.
    HideCellScrollBar();
    FOldLeftCol = LeftCol();
    FOldTopRow = TopRow();
    if (ComponentState().Contains(csDesigning)) InvalidateGrid();
    if (TExStringGrid* partner = FSyncGrid->Grid()) {
        if (FSyncGrid->ScrollVertical() && partner->TopRow() != TopRow()) partner->SetTopRow(TopRow());
        if (FSyncGrid->ScrollHorizontal() && partner->LeftCol() != LeftCol()) partner->SetLeftCol(LeftCol());
    }
    if (vscrlctrl) vscrlctrl->Invalidate();
    if (hscrlctrl) hscrlctrl->Invalidate();
}

void TExStringGrid::CellControlsUpdate(bool rebuildlist) {
    if (!testAttribute(Qt::WA_WState_Created)) return;
    if (rebuildlist) {
        // Every real column, hidden ones too, at the real row: as writing CellControls registers.
        while (FControlList->Count() > 0) FControlList->RemoveControl(FControlList->Count() - 1);
        for (int c = 0; c < TotalColCount(); ++c)
            for (int r = 0; r < RowCount(); ++r)
                if (TCellProperties* props = PropsOf(c, r); props && props->Control())
                    FControlList->AddControl(c, RealRowIndex(r), props->Control());
    }
    if (FNumCellControls == 0) return;

    const auto visibleCell = [this](const TControlItem* item, int& C, int& R) {
        if (IsHiddenColumn(item->X()) || IsHiddenRow(item->Y())) return false;
        C = DisplColIndex(item->X());
        R = DisplRowIndex(item->Y());
        return C >= LeftCol() && C <= LeftCol() + VisibleColCount() && R >= TopRow() &&
               R <= TopRow() + VisibleRowCount();
    };
    for (int i = 0; i < FControlList->Count(); ++i) {
        const TControlItem* item = FControlList->Control(i);
        QWidget* control = item->Control()->Widget();
        int C = -1, R = -1;
        if (IsHiddenColumn(item->X()) || IsHiddenRow(item->Y())) {
            control->hide();
            continue;
        }
        const bool inView = visibleCell(item, C, R);
        if (IsFixed(C, R)) continue;
        if (!inView) {
            control->hide();
            continue;
        }
        const TRect cell = CellRect(C, R);
        control->setGeometry(cell.Left - 1, cell.Top - 1, cell.Width() + 1, cell.Height() + 1);
        control->show();
    }
    // Each control lays itself out again.
    for (int i = 0; i < FControlList->Count(); ++i) {
        const TControlItem* item = FControlList->Control(i);
        int C = -1, R = -1;
        if (!visibleCell(item, C, R) || IsFixed(C, R)) continue;
        QWidget* control = item->Control()->Widget();
        if (!control->isVisible()) continue;
        control->update();
        control->resize(control->width() + 1, control->height());
        control->resize(control->width() - 1, control->height());
    }
}
