// What the grid does while the mouse moves over it: MouseMove runs its steps in a fixed
// order around the base control's own handling (sizing, moving, range selection).
//
//   MouseMove                 the order of the steps; hover and links are grid_hover.cpp,
//                             the select modes and cursors grid_cursors.cpp
//   TrackHeaderDragSelection  rows or columns selected by dragging over the headers
//   TrackFixedBorders         the borders of the fixed lines that MouseActions lets size
//   IsOnSelectionResizer      the handle at the selection's corner
//   StartDragWhenMoved        the drag of the selection (grid_drag_drop_source.cpp)
//   TrackMoveFeedback         (grid_mouse_move_feedback.cpp) a column or row being moved
//   ReportSizing, ShowSizingHint  OnColumnSizing/OnRowSizing and the "cw=" hint

#include "grid/core/string_grid.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <algorithm>
#include <cstdlib>

namespace {

// How far the mouse moves from the press before a drag of the selection starts.
constexpr int kDragThreshold = 3;
// Within this distance of a fixed line's border the border can be sized.
constexpr int kFixedBorderReach = 3;
constexpr int kResizerSize = 6;
constexpr int kSizingHintMaxWidth = 200;

}  // namespace

void TExStringGrid::MouseMove(TShiftState Shift, int X, int Y) {
    int col = -1;
    int row = -1;
    MouseToCell(X, Y, col, row);
    const bool valid = col >= 0 && row >= 0;
    const bool designing = InDesignMode();

    // 1. A drag that started on the current cell becomes a range selection.
    if (FMouseDownMove && FMouseActions->RangeSelectAndEdit() && Options().Contains(goEditing) && !EditorMode())
        SetOptions(Options().Exclude(goEditing));
    // 2.
    const TGridRect selectionBefore = Selection();
    if (FSelectionRectangle && GridState() == gsSelecting && !(FSizeSelection == selectionBefore))
        FSizeSelection = selectionBefore;
    // 3.-7. Hover looks and the shared cell scroll bar.
    if (valid && !designing) TrackHoverRow(col, row);
    TrackCellScrollBar(col, row);
    TrackHoverFixedCell(col, row);
    TrackHoverButton(col, row, X, Y);
    // 8.-12.
    const bool aboveHeader = TrackHeaderDragSelection(col, row, Y);
    TrackFixedBorders(valid && !designing, X, Y);
    const bool onResizer = IsOnSelectionResizer(X, Y);
    StartDragWhenMoved(valid, X, Y, onResizer);
    if (!designing) TrackMoveFeedback(col, row, X, Y);
    // 13.-15. The cursors go on the viewport (WMSetCursor below); the grid's own cursor is
    // never replaced, so there is nothing to put back (step 15).
    if (!designing) UpdateSelectMode(col, row, X, Y, onResizer, aboveHeader);
    FLinkUnderMouse = false;
    if (valid) TrackLinks(col, row, X, Y);
    // 16. A hint or balloon of another cell goes.
    int baseCol = col;
    int baseRow = row;
    if (valid) ResolveBaseCell(col, row, baseCol, baseRow);
    const TPoint baseCell{valid ? baseCol : -1, valid ? baseRow : -1};
    if (FLastHintPos.X != -1 && !(baseCell == FLastHintPos)) {
        CancelShownHint();
        FLastHintPos = {-1, -1};
    }
    if (FBalloonSettings->Enable && !(baseCell == FLastBalloonPos)) {
        CancelShownHint();
        FLastBalloonPos = {-1, -1};
    }
    // 17.
    if (GridState() == gsSelecting && FSelectionRectangle && !(Selection() == FMoveSelection)) {
        InvalidateGrid();
        FMoveSelection = Selection();
    }
    // 18.
    TBaseGrid::MouseMove(Shift, X, Y);
    // 19. A drag in a row-select grid keeps the columns where the press found them.
    if (FNavigation->KeepHorizScroll() && FMouseKeepDown && GridState() != gsColMoving &&
        LeftCol() != FOldKeepLeftCol) {
        StartUpdate();
        SetLeftCol(FOldKeepLeftCol);
        ResetUpdate();
    }
    WMSetCursor();
    // 20.-22.
    ReportSizing(X, Y);
    ShowSizingHint(X, Y);
    if (FEnhRowColMove && (GridState() == gsColMoving || GridState() == gsRowMoving)) Surface()->repaint();
    // 23.
    const TGridRect selection = Selection();
    if (!(selection == selectionBefore))
        SelectionChanged(selection.Left, selection.Top, selection.Right, selection.Bottom);
}

bool TExStringGrid::TrackHeaderDragSelection(int ACol, int ARow, int Y) {
    const int fixedRows = TStringGrid::FixedRows();
    const int fixedCols = TStringGrid::FixedCols();
    bool aboveHeader = false;
    if (FMouseSelectMode == msRow && FMouseSelectStart.Y != -1 && FMouseActions->RowSelect()) {
        if (ARow >= fixedRows && ARow <= RowCount() - FFixedFooters) {
            const int top = std::max(fixedRows, std::min(FMouseSelectStart.Y, ARow));
            const int bottom = std::max(FMouseSelectStart.Y, ARow);
            const TGridRect rows{fixedCols, top, ColCount() - 1, bottom};
            SetSelection(rows);
            if (FSelectionRectangle && !(rows == FSizeSelection)) {
                for (int r = top; r <= bottom; ++r) InvalidateRow(r);
                FSizeSelection = rows;
            }
        }
        if (Y > Surface()->height() - 4) SetTopRow(TopRow() + 1);
        else if (fixedRows > 0 && Y < RowHeights(0) && TopRow() > fixedRows) {
            SetTopRow(TopRow() - 1);
            aboveHeader = true;
        }
    } else if (FMouseSelectMode == msColumn && FMouseSelectStart.X != -1 && FMouseActions->ColSelect() && ACol >= 0) {
        const int left = std::max(fixedCols, std::min(FMouseSelectStart.X, ACol));
        const int right = std::max(FMouseSelectStart.X, ACol);
        const TGridRect columns{left, fixedRows, right, RowCount() - 1};
        SetSelection(columns);
        if (FSelectionRectangle && !(columns == FSizeSelection)) {
            InvalidateGrid();
            FSizeSelection = columns;
        }
    }
    return aboveHeader;
}

void TExStringGrid::TrackFixedBorders(bool ValidCell, int X, int Y) {
    FSizeFixed = false;
    int border = 0;
    for (int i = 0; i < TStringGrid::FixedCols(); ++i) {
        border += ColWidths(i);
        // One pixel of grid line per column.
        if (std::abs(border + i - X) < kFixedBorderReach && ValidCell) FSizeFixed = FMouseActions->SizeFixedCol();
    }
    if (FSizingFixed) {
        DrawColSizingLine(FSizeFixedX);
        FSizeFixedX = X;
        DrawColSizingLine(X);
    }
    FSizeFixedR = false;
    border = 0;
    for (int i = 0; i < TStringGrid::FixedRows(); ++i) {
        border += RowHeights(i);
        if (std::abs(border + i - Y) < kFixedBorderReach && ValidCell) FSizeFixedR = FMouseActions->SizeFixedRow();
    }
    if (FSizingFixedR) {
        DrawRowSizingLine(FSizeFixedY);
        FSizeFixedY = Y;
        DrawRowSizingLine(Y);
    }
}

bool TExStringGrid::IsOnSelectionResizer(int X, int Y) {
    if (!FSelectionResizer || !FSelectionRectangle) return false;
    const TGridRect selection = Selection();
    const TRect corner = CellRect(selection.Right, selection.Bottom);
    if (corner.IsEmpty()) return false;
    const int left = UseRightToLeftAlignment() ? corner.Left : corner.Right - kResizerSize;
    return TRect{left, corner.Bottom - kResizerSize, left + kResizerSize, corner.Bottom}.Contains({X, Y});
}

void TExStringGrid::StartDragWhenMoved(bool ValidCell, int X, int Y, bool OnResizer) {
    if (!FSelectionClick || !ValidCell) return;
    const bool leftDown = (QGuiApplication::mouseButtons() & Qt::LeftButton) != 0;
    const bool moved = std::abs(Clickposx - X) > kDragThreshold || std::abs(Clickposy - Y) > kDragThreshold;
    if (!leftDown || !moved || !FDragDropSettings->OleDropSource || GridState() == gsColSizing || OnResizer) return;
    if (!StartSelectionDrag(X, Y) && GridState() == gsNormal) SetGridState(gsSelecting);
}

void TExStringGrid::ReportSizing(int X, int Y) {
    if (GridState() == gsColSizing || FSizingFixed) {
        if (OnColumnSizing) {
            if (FSizingFixed) OnColumnSizing(this, 0, FSizeFixedX);
            else OnColumnSizing(this, Colclicked, X - CellRect(Colclicked, 0).Left - Clickposdx);
        }
    }
    if (GridState() == gsRowSizing || FSizingFixedR) {
        if (OnRowSizing) {
            if (FSizingFixedR) OnRowSizing(this, 0, FSizeFixedY);
            else OnRowSizing(this, Rowclicked, Y - CellRect(0, Rowclicked).Top - Clickposdy);
        }
    }
}

void TExStringGrid::ShowSizingHint(int X, int Y) {
    if (!InDesignMode() && !FHintShowSizing) return;
    QString text;
    TGridCoord anchor{0, 0};
    if (FSizingFixed) {
        text = QStringLiteral("cw=<b>%1</b>").arg(FSizeFixedX);
    } else if (FSizingFixedR) {
        text = QStringLiteral("rh=<b>%1</b>").arg(FSizeFixedY);
    } else if (GridState() == gsColSizing) {
        anchor = Colclicked == -1 ? TGridCoord{ColCount() - 1, 0} : TGridCoord{Colclicked, Rowclicked};
        text = QStringLiteral("cw=<b>%1</b>").arg(X - CellRect(anchor.X, anchor.Y).Left - Clickposdx);
    } else if (GridState() == gsRowSizing) {
        anchor = Rowclicked == -1 ? TGridCoord{0, RowCount() - 1} : TGridCoord{Colclicked, Rowclicked};
        text = QStringLiteral("rh=<b>%1</b>").arg(Y - CellRect(anchor.X, anchor.Y).Top - Clickposdy);
    } else {
        return;
    }
    if (!FScrollHintWindow) {
        FScrollHintWindow = new QLabel(this, Qt::ToolTip);
        FScrollHintWindow->setAutoFillBackground(true);
    }
    FScrollHintWindow->setMaximumWidth(kSizingHintMaxWidth);
    QPalette palette = FScrollHintWindow->palette();
    palette.setColor(QPalette::Window, ToQColor(FHintColor));
    FScrollHintWindow->setPalette(palette);
    FScrollHintWindow->setText(text);
    FScrollHintWindow->adjustSize();
    const TRect cell = CellRect(anchor.X, anchor.Y);
    FScrollHintWindow->move(Surface()->mapToGlobal(QPoint(cell.Left, cell.Top)));
    FScrollHintWindow->show();
    FScrollHintShow = true;
}
