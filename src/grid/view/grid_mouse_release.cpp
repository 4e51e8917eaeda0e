// The left button release: it ends what the press began (fixed-cell sizing, a pushed
// fixed cell or cell button, an enhanced row or column move, the selection-resize
// gesture, disjunct selection) and sorts when the header of the sort row was clicked
// (grid_mouse_release_sort.cpp).

#include "grid/core/string_grid.h"

#include <QLabel>
#include <QMouseEvent>

void TExStringGrid::mouseReleaseEvent(QMouseEvent* event) {
    FButtonEvent = event;
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton) WMLButtonUp(p.x(), p.y());
    else if (event->button() != Qt::RightButton || WMRButtonUp(p.x(), p.y())) TStringGrid::mouseReleaseEvent(event);
    FButtonEvent = nullptr;
}

void TExStringGrid::WMLButtonUp(int XPos, int YPos) {
    ColMoveFlg = ColSizeFlg = FMouseDown = FMouseKeepDown = false;
    FMouseSelectMode = msNormal;
    if (FCtrlDown) {
        FCtrlDown = false;
        RepaintCell(DisplColIndex(FCtrlXY.X), FCtrlXY.Y);
    }
    FMouseDownMove = false;
    if (FLook == glListView) {
        RepaintRow(0);
        if (FixedCols() > 0) RepaintCol(0);
    }
    FMouseSelectStart = {-1, -1};
    if (!InDesignMode())
        for (QWidget* arrow : FArrowWindows)
            if (arrow) arrow->hide();

    ReleaseFixedSizing(XPos, YPos);
    if (FFixedCellPushed) {
        FFixedCellPushed = false;
        const TPoint pushed = FPushedFixedCell;
        FPushedFixedCell = {-1, -1};
        if (pushed.X >= 0) RepaintCell(pushed.X, pushed.Y);
    }

    int ACol = -1, ARow = -1;
    MouseToCell(XPos, YPos, ACol, ARow);
    const bool onButton = FPushedCellButton.X >= 0;
    ReleaseCellButton(XPos, YPos);
    if (FScrollHintShow) {
        if (FScrollHintWindow) FScrollHintWindow->hide();
        FScrollHintShow = false;
    }
    if (onButton && ACol >= 0 && ARow >= 0 && HasCellObject(RealColIndex(ACol), ARow, {ctButton, ctBitButton, ctExpand})) {
        // Graphic rectangles are asked by displayed column.
        const TRect g = GetCellGraphicRect(ACol, ARow);
        if (XPos >= g.Left && XPos < g.Right && YPos >= g.Top && YPos < g.Bottom) return;
    }

    // OnClick of a click comes once, from the base control's release after the press it
    // handled (the check-box press fires it itself).
    FDoOnClick = false;

    const bool dataCell = ACol >= FixedCols() && ARow >= FixedRows();
    // An armed drag of the selection that never started: the release selects.
    if (FSelectionClick && dataCell) {
        FSelectionClick = false;
        RepaintCell(0, Row());
        if (Options().Contains(goRowSelect)) SetSelection({FixedCols(), ARow, ColCount() - 1, ARow});
        else SetSelection({ACol, ARow, ACol, ARow});
        RepaintCell(0, ARow);
    }

    // The end of an enhanced move: a drop on another data line moves it there.
    bool moved = false;
    const TGridState state = GridState();
    if (FEnhRowColMove && (state == gsColMoving || state == gsRowMoving) && Movecell >= 0) {
        if (Surface()->cursor().shape() == Qt::ForbiddenCursor) {
            if (state == gsColMoving) RepaintRow(0);
            else RepaintCol(0);
        } else if (state == gsColMoving && ACol >= FixedCols() && ACol != Movecell) {
            MoveColumn(Movecell, ACol);
        } else if (state == gsRowMoving && ARow >= FixedRows() && ARow != Movecell) {
            MoveRow(Movecell, ARow);
        }
        Surface()->unsetCursor();
        SetGridState(gsNormal);
        moved = true;
    }

    ColMoveFlg = GridState() == gsColMoving;
    ColSizeFlg = GridState() == gsColSizing;
    InheritedButtonEvent(QEvent::MouseButtonRelease, Qt::LeftButton, XPos, YPos);

    if (FMouseActions->DisjunctRowSelect() && ACol >= 0 && ARow >= 0) {
        if (!(ACol == 0 && FMouseActions->HotmailRowSelect())) SelectionToRowSelect(false);
        if (ARow >= FixedRows() && FDeselectState) {
            SetRowSelect(RowSelectIndex(ARow), false);
            FSelChange = false;
        }
        if (FMouseActions->HotmailRowSelect()) RepaintCell(0, 0);
        FDeselectState = false;
    }
    if (FMouseActions->DisjunctColSelect()) {
        SelectionToColSelect(false);
        if (ACol >= FixedCols() && ACol < ColCount() - FFixedRightCols && FDeselectState) SetColSelect(ACol, false);
        FDeselectState = false;
    }

    if (FMouseResize) {
        if (OnSelectionResize) OnSelectionResize(this, FDropSelection, Selection());
        FEditDisable = true;
        try {
            PasteSelectionFromClipboard();
        } catch (const EExGridError&) {
            // The fill was refused whole; the cells are as they were.
        }
        FEditDisable = false;
        FMouseResize = false;
        if (OnSelectionResized) OnSelectionResized(this, FDropSelection, Selection());
    }
    if (ColMoveFlg || ColSizeFlg || ACol < 0 || ARow < 0) return;

    const int RCol = RealColIndex(ACol);
    if (ACol >= FixedCols() || FSortSettings->FixedCols) {
        bool state = false;
        if (HasCheckBox(RCol, ARow) && GetCheckBoxState(RCol, RealRowIndex(ARow), state) && OnCheckBoxMouseUp)
            OnCheckBoxMouseUp(this, RCol, ARow, state);
        int index = -1;
        if (GetRadioIdx(RCol, ARow, index) && OnRadioMouseUp) OnRadioMouseUp(this, RCol, ARow, index);
    }
    ReleaseSortClick(ACol, ARow, XPos, YPos, moved);
}

void TExStringGrid::ReleaseFixedSizing(int X, int Y) {
    if (FSizingFixed) {
        FSizeFixed = FSizingFixed = false;
        FSizingLinesX.clear();
        if (FSizingFixedCol >= 0) {
            int before = 0;
            for (int c = 0; c < FSizingFixedCol; ++c) before += ColWidths(c);
            int width = std::max(0, X - before);
            SetColWidths(FSizingFixedCol, width);
            if (OnEndColumnSize) OnEndColumnSize(this, FSizingFixedCol);
            if (OnUpdateColumnSize) {
                const int asked = width;
                OnUpdateColumnSize(this, FSizingFixedCol, width);
                if (width != asked) SetColWidths(FSizingFixedCol, width);
            }
        }
        InvalidateGrid();
    }
    if (FSizingFixedR) {
        FSizeFixedR = FSizingFixedR = false;
        FSizingLinesY.clear();
        if (FSizingFixedRow >= 0) {
            int before = 0;
            for (int r = 0; r < FSizingFixedRow; ++r) before += RowHeights(r);
            SetRowHeights(FSizingFixedRow, std::max(0, Y - before));
            if (OnEndRowSize) OnEndRowSize(this, FSizingFixedRow);
        }
        InvalidateGrid();
    }
}

void TExStringGrid::ReleaseCellButton(int X, int Y) {
    const TPoint pushed = FPushedCellButton;
    if (pushed.X < 0 || pushed.Y < 0) return;
    const int pushedReal = RealColIndex(pushed.X);
    bool enabled = Options().Contains(goEditing);
    if (!FControlLook->NoDisabledButtonLook) CanEditBaseCell(RealCol(pushedReal), DisplRow(pushed.Y), enabled);
    const bool fixedColumn = pushed.X < FixedCols();
    const bool fixedRow = pushed.Y < FixedRows();
    if (enabled || FControlLook->NoDisabledButtonLook || fixedColumn || fixedRow) {
        RepaintCell(pushed.X, pushed.Y);
        int ACol = -1, ARow = -1;
        MouseToCell(X, Y, ACol, ARow);
        if (ACol >= 0 && ARow >= 0) {
            const TRect g = GetCellGraphicRect(pushed.X, pushed.Y);
            const bool onGraphic = ACol == pushed.X && ARow == pushed.Y && X >= g.Left && X < g.Right && Y >= g.Top &&
                                   Y < g.Bottom;
            if (HasCellObject(pushedReal, pushed.Y, {ctButton, ctBitButton}) &&
                (onGraphic || (fixedColumn && FFixedAsButtons) || fixedRow))
                DoButtonClick(RealCol(pushedReal), DisplRow(pushed.Y));
        }
    }
    FPushedCellButton = {-1, -1};
}
