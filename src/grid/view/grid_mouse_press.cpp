// The left button press of the grid: the target under the mouse is decided in a fixed
// order (selection-resize handle, fixed-cell sizing, pushed fixed cells, radio groups,
// cell buttons, links and controls, header selection, check boxes, direct editing)
// before the base control moves the current cell. Qt's button events enter here and
// in grid_mouse_release.cpp / grid_double_click.cpp; the base control's handling
// (MouseDown, MouseUp, DblClick) is what the steps call "inherited".
//
// Sections: Qt entry and inherited handling; the press (WMLButtonDown); its steps.

#include "grid/core/string_grid.h"

#include <QGuiApplication>
#include <QMouseEvent>

namespace {

constexpr int SelectionHandleSize = 6;
constexpr int FixedSizingMargin = 3;
constexpr int DirectEditMargin = 4;

TShiftState KeysHeld() { return ShiftStateOf(QGuiApplication::queryKeyboardModifiers()); }

}  // namespace

// ---- Qt entry and inherited handling -----------------------------------------------

void TExStringGrid::mousePressEvent(QMouseEvent* event) {
    FButtonEvent = event;
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton) {
        int result = 0;
        WMLButtonDown(p.x(), p.y(), result);
    } else if (event->button() == Qt::RightButton) {
        WMRButtonDown(p.x(), p.y());
    } else {
        TStringGrid::mousePressEvent(event);
    }
    FButtonEvent = nullptr;
}

void TExStringGrid::InheritedButtonEvent(QEvent::Type Type, Qt::MouseButton Button, int X, int Y) {
    if (FButtonEvent && FButtonEvent->type() == Type && FButtonEvent->position().toPoint() == QPoint(X, Y)) {
        if (Type == QEvent::MouseButtonPress) TStringGrid::mousePressEvent(FButtonEvent);
        else if (Type == QEvent::MouseButtonRelease) TStringGrid::mouseReleaseEvent(FButtonEvent);
        else TStringGrid::mouseDoubleClickEvent(FButtonEvent);
        return;
    }
    // Moved to another point (or simulated): the same event there.
    const QPointF local(X, Y);
    const Qt::MouseButtons buttons = Type == QEvent::MouseButtonRelease ? Qt::MouseButtons() : Qt::MouseButtons(Button);
    QMouseEvent moved(Type, local, Surface()->mapToGlobal(local), Button, buttons,
                      FButtonEvent ? FButtonEvent->modifiers() : Qt::NoModifier);
    if (Type == QEvent::MouseButtonPress) TStringGrid::mousePressEvent(&moved);
    else if (Type == QEvent::MouseButtonRelease) TStringGrid::mouseReleaseEvent(&moved);
    else TStringGrid::mouseDoubleClickEvent(&moved);
}

void TExStringGrid::SimulatePress(int X, int Y) { MouseDown(mbLeft, TShiftState(), X, Y); }

void TExStringGrid::SimulateRelease(int X, int Y) { MouseUp(mbLeft, TShiftState(), X, Y); }

// ---- the press -----------------------------------------------------------------------

void TExStringGrid::WMLButtonDown(int XPos, int YPos, int& Result) {
    int X = XPos;
    int Y = YPos;
    FDoOnClick = FMouseDownMove = FMouseKeepDown = true;
    FSpinUpClick = FSpinDnClick = false;
    int ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    const TGridRect oldSel = Selection();

    if (PressOnSelectionHandle(X, Y)) {
        Result = 1;
        return;
    }

    // With range selection and editing, a click only edits inside a larger selection.
    if (Options().Contains(goEditing) && FMouseActions->RangeSelectAndEdit()) {
        const TGridRect s = Selection();
        if (!(ACol >= s.Left && ACol < s.Right && ARow >= s.Top && ARow < s.Bottom))
            SetOptions(Options() - TGridOptions{goEditing});
    }

    bool allow = true;
    if (OnCanClickCell) OnCanClickCell(this, ARow, ACol, allow);
    if (!allow) return;
    const int OCol = ACol, ORow = ARow;

    if (FMouseSelectMode == msResize) {
        PressResizeSelection(X, Y, false);
        return;
    }
    if (FMouseActions->DisjunctCellSelect() && !KeysHeld().Contains(ssCtrl) && ACol >= 0 && ARow >= 0 &&
        !IsFixed(ACol, ARow)) {
        FSelectedCells.clear();
        InvalidateGrid();
    }

    FSelectionClick = false;
    FPushedCellButton = {-1, -1};
    const int oldLeft = LeftCol();
    const int oldTop = TopRow();
    FOldTopRow = oldTop;
    FOldKeepLeftCol = oldLeft;

    // The cell whose right or bottom border a sizing press may grab.
    MouseToCell(ACol == 0 ? X : X - 5, ARow == 0 ? Y : Y - 4, Colclicked, Rowclicked);
    if (FLook == glListView && FHotFixedCell.X >= 0 && FHotFixedCell.Y >= 0) RepaintCell(FHotFixedCell.X, FHotFixedCell.Y);
    if (Colclicked >= 0 && Rowclicked >= 0) {
        Colclickedsize = ColWidths(Colclicked);
        Rowclickedsize = RowHeights(Rowclicked);
    }
    Clickposx = X;
    Clickposy = Y;
    const bool isCell = ACol >= 0 && ARow >= 0;
    const bool fixed = isCell && (ARow < FixedRows() || ACol < FixedCols());

    if (!isCell) {
        HideInplaceEdit();
        if (!FFixedRowAlways) InheritedButtonEvent(QEvent::MouseButtonPress, Qt::LeftButton, X, Y);
        return;
    }

    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    ACol = DisplColIndex(base.X);
    ARow = base.Y;
    const TRect CR = CellRect(ACol, ARow);
    if (FMouseActions->CaretPositioning()) LButFlg = true;

    if (PressOnFixedSizing(X, Y)) return;

    const bool innerFixed = IsFixed(ACol, ARow) && !fixed;
    if (fixed || IsFixed(ACol, ARow)) HideInplaceEdit();
    bool node = IsNode(ARow);
    if ((fixed || innerFixed) && FFixedAsButtons && Options().Contains(goFixedVertLine) &&
        Options().Contains(goFixedHorzLine) && !(node && IsOnNodeGlyph(ARow, X))) {
        FPushedFixedCell = {ACol, ARow};
        FPushedCellButton = {ACol, ARow};
        FFixedCellPushed = true;
        RepaintCell(ACol, ARow);
        node = false;
    }

    const int RCol = RealColIndex(ACol);
    if (!InDesignMode() && PressOnCellObject(ACol, ARow, RCol, X, Y, CR, node)) return;

    // A press on a merged area goes to its base cell when nobody watches the point.
    if (IsMergedCell(RCol, ARow) && !fixed && !OnMouseDown) {
        Y = CR.Top + 2;
        X = CR.Left + 2;
    }

    if (ACol >= ColCount()) {
        InheritedButtonEvent(QEvent::MouseButtonPress, Qt::LeftButton, X, Y);
        return;
    }

    if (Colclicked >= 0 && Rowclicked >= 0) {
        const TRect clicked = CellRect(Colclicked, Rowclicked);
        Clickposdx = Clickposx - clicked.Right;
        Clickposdy = Clickposy - clicked.Bottom;
    } else {
        Clickposdx = Clickposx;
        Clickposdy = Clickposy;
    }

    // Disjunct row and column selection.
    const TShiftState held = KeysHeld();
    if (FMouseActions->DisjunctRowSelect() && ARow >= FixedRows() &&
        !(ACol == 0 && FMouseActions->HotmailRowSelect())) {
        if (held.Contains(ssShift)) {
            InheritedButtonEvent(QEvent::MouseButtonPress, Qt::LeftButton, X, Y);
            SetSelection({std::min(ACol, oldSel.Left), std::min(ARow, oldSel.Top), std::max(ACol, oldSel.Left),
                          std::max(ARow, oldSel.Top)});
            return;
        }
        if (held.Contains(ssCtrl) || FMouseActions->DisjunctRowSelectNoCtrl()) {
            FDeselectState = RowSelect(ARow);
        } else {
            FMouseDown = true;
            if (!held.Contains(ssAlt)) ClearRowSelect();
        }
    }
    if (FMouseActions->DisjunctColSelect() && ACol >= FixedCols()) {
        if (held.Contains(ssCtrl)) {
            FDeselectState = ColSelect(ACol);
        } else {
            FMouseDown = true;
            ClearColSelect();
        }
    }

    if (PressOnLink(ACol, ARow, RCol, OCol, ORow, X, Y, CR)) return;

    Movecell = -1;
    PressOnHeaderSelection(ACol, ARow);
    if (ARow < FixedRows() && ACol >= FixedCols()) Movecell = ACol;
    else if (ACol < FixedCols() && ARow >= FixedRows()) Movecell = ARow;
    MoveOfsX = X - CR.Left;
    MoveOfsY = Y - CR.Top;

    bool canEdit = Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit();
    CanEditBaseCell(RealCol(RCol), DisplRow(ARow), canEdit);
    if (PressOnCheckGlyph(ACol, ARow, RCol, X, Y, canEdit)) return;

    const bool dataCell = !fixed && !innerFixed;
    const bool dropCombo = FControlLook->DropDownAlwaysVisible && dataCell && CellHasComboBox(RealCol(RCol), DisplRow(ARow));
    if (dataCell && (canEdit || (FMouseActions->EditOnDblClickOnly() && dropCombo)) &&
        (FMouseActions->DirectEdit() || dropCombo)) {
        HideInplaceEdit();
        SetFocus();
    }

    const TGridRect sel = Selection();
    const bool onSel = sel.Left == ACol && sel.Right == ACol && sel.Top == ARow && sel.Bottom == ARow &&
                       X >= CR.Left && X < CR.Right && Y >= CR.Top && Y < CR.Bottom;
    bool selectAtEnd = false;
    if (!onSel && FMouseActions->RangeSelectAndEdit() && !fixed && !canEdit) {
        SetOptions(Options() - TGridOptions{goEditing});
        selectAtEnd = true;
    }

    if (innerFixed) {
        const bool footer = FFloatingFooter->Visible && FFloatingFooter->FooterStyle == fsFixedLastRow &&
                            ARow == RowCount() - 1;
        if (!footer && OnClickCell) OnClickCell(this, ARow, ACol);
        return;
    }
    PressInheritedAndEdit(ACol, ARow, OCol, ORow, X, Y, CR, canEdit, dropCombo, selectAtEnd, onSel);
}

// ---- steps of the press --------------------------------------------------------------

bool TExStringGrid::PressOnSelectionHandle(int X, int Y) {
    if (!FSelectionResizer || !FSelectionRectangle) return false;
    const TGridRect s = Selection();
    const TRect r = CellRect(s.Right, s.Bottom);
    if (r.Right <= r.Left) return false;
    const bool rightToLeft = BiDiMode() != bdLeftToRight;
    const int left = rightToLeft ? r.Left : r.Right - SelectionHandleSize;
    if (!(X >= left && X < left + SelectionHandleSize && Y >= r.Bottom - SelectionHandleSize && Y < r.Bottom))
        return false;
    PressResizeSelection(X, Y, true);
    return true;
}

void TExStringGrid::PressResizeSelection(int X, int Y, bool FromHandle) {
    FDropSelection = Selection();
    CopySelectionToClipboard();
    FMouseResize = true;
    const TGridRect kept = Selection();
    const int keptCol = Col(), keptRow = Row();
    if (FromHandle ? !(Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit())
                   : !Options().Contains(goEditing))
        InheritedButtonEvent(QEvent::MouseButtonPress, Qt::LeftButton, X, Y);
    TStringGrid::SetCol(keptCol);
    TStringGrid::SetRow(keptRow);
    SetSelection(kept);
    // The handle's drag is a range selection also where the inherited press did not run
    // (with editing on) and so did not start one.
    if (FromHandle) SetGridState(gsSelecting);
    MouseMove(TShiftState(), X, Y);
}

bool TExStringGrid::PressOnFixedSizing(int X, int Y) {
    if (FSizeFixed) {
        FSizingFixed = true;
        FSizeFixedX = X;
        FSizingLinesX = {X};
        int edge = 0;
        for (int c = 0; c < FixedCols(); ++c) {
            edge += ColWidths(c) + 1;
            if (std::abs(edge - X) < FixedSizingMargin && !InDesignMode()) FSizingFixedCol = c;
        }
        InvalidateGrid();
        return true;
    }
    if (FSizeFixedR) {
        FSizingFixedR = true;
        FSizeFixedY = Y;
        FSizingLinesY = {Y};
        int edge = 0;
        for (int r = 0; r < FixedRows(); ++r) {
            edge += RowHeights(r) + 1;
            if (std::abs(edge - Y) < FixedSizingMargin && !InDesignMode()) FSizingFixedRow = r;
        }
        InvalidateGrid();
        return true;
    }
    return false;
}

bool TExStringGrid::PressOnCellObject(int ACol, int ARow, int RCol, int X, int Y, TRect CR, bool Node) {
    if (FControlLook->SpinButtonsAlwaysVisible && CellHasSpinEdit(RealCol(RCol), DisplRow(ARow)) && X >= CR.Right - 18) {
        const int middle = (CR.Top + CR.Bottom) / 2;
        FSpinUpClick = Y <= middle;
        FSpinDnClick = Y > middle;
    }
    if (PressOnNodeGlyph(ACol, ARow, X, Y, Node)) return true;
    bool editable = Options().Contains(goEditing);
    CanEditBaseCell(RealCol(RCol), DisplRow(ARow), editable);
    if (IsRadio(RCol, ARow) && (editable || FControlLook->RadioAlwaysActive)) {
        HideInplaceEdit();
        RadioGroupClick(RCol, ARow, X - CR.Left, Y - CR.Top);
        SetFocus();
        return true;
    }
    // Column 0 of a node grid belongs to the tree: outside the glyph a press only reports.
    if (ACol == 0 && HasNodes() && ARow >= FixedRows() && !FMouseActions->RowSelect() &&
        !Options().Contains(goRowSizing)) {
        if (OnMouseDown) OnMouseDown(this, mbLeft, KeysHeld(), X, Y);
        if (OnClickCell) OnClickCell(this, ARow, ACol);
        return true;
    }
    if (ArmsSelectionDrag(ACol, ARow, RCol, X, CR)) {
        SetFocus();
        if (OnMouseDown) OnMouseDown(this, mbLeft, KeysHeld(), X, Y);
        FSelectionClick = true;
        if (OnClickCell) OnClickCell(this, ARow, ACol);
        return true;
    }
    if (HasCellObject(RCol, ARow, {ctRating}) && editable) {
        HideInplaceEdit();
        // Half a star per 9 pixels.
        double newRate = double((X - CR.Left) / 9) / 2;
        bool allow = true;
        if (OnRatingChange) OnRatingChange(this, RCol, ARow, newRate, allow);
        if (allow) {
            SetFloats(RCol, ARow, newRate);
            RepaintCell(ACol, ARow);
        }
        return true;
    }
    if (HasCellObject(RCol, ARow, {ctButton, ctBitButton, ctExpand})) {
        HideInplaceEdit();
        if (!IsFixed(ACol, ARow)) {
            FForceSel = true;
            MoveColRow(ACol, ARow, true, true);
            FForceSel = false;
        }
        const TRect g = GetCellGraphicRect(ACol, ARow);
        if (X >= g.Left && X < g.Right && Y >= g.Top && Y < g.Bottom) {
            FPushedCellButton = {ACol, ARow};
            RepaintCell(ACol, ARow);
            if (OnClickCell) OnClickCell(this, ARow, ACol);
            return true;
        }
    }
    return false;
}

// The header's glyph folds or unfolds every node, a row's glyph its own node, asking
// the before-events first.
bool TExStringGrid::PressOnNodeGlyph(int ACol, int ARow, int X, int Y, bool Node) {
    if (ACol != 0 || !IsNode(ARow) || !IsOnNodeGlyph(ARow, X)) return false;
    if (ARow < FixedRows()) {
        if (FMouseActions->NodeAllExpandContract()) {
            TCellGraphic* header = NodeObject(ARow);
            if (header->CellBoolean())
                ExpandAll();
            else
                ContractAll();
            header->SetCellBoolean(!header->CellBoolean());
        }
        return false;
    }
    if (!Node) return false;
    if (OnMouseDown) OnMouseDown(this, mbLeft, KeysHeld(), X, Y);
    if (OnClickCell) OnClickCell(this, ARow, ACol);
    const int realRow = RealRowIndex(ARow);
    bool allow = true;
    if (GetNodeState(ARow)) {
        if (OnBeforeExpandNode) OnBeforeExpandNode(this, ARow, realRow, allow);
        if (allow) {
            ExpandNode(realRow);
            if (OnExpandNode) OnExpandNode(this, ARow, realRow);
        }
    } else {
        if (OnBeforeContractNode) OnBeforeContractNode(this, ARow, realRow, allow);
        if (allow) {
            ContractNode(realRow);
            if (OnContractNode) OnContractNode(this, ARow, realRow);
        }
    }
    if (FMouseActions->MoveRowOnNodeClick()) SetRow(ARow);
    return true;
}

void TExStringGrid::PressOnHeaderSelection(int ACol, int ARow) {
    const bool shift = KeysHeld().Contains(ssShift);
    const TGridRect sel = Selection();
    const int oldCol = Col(), oldRow = Row();
    const auto afterSelect = [&]() {
        FSelHidden = false;
        if (FActiveCellShow) RepaintHeaderCells(oldCol, oldRow, Col(), Row());
    };
    if (ARow < FixedRows() && ACol < FixedCols()) {
        if (FMouseActions->AllSelect() && Options().Contains(goRangeSelect) && FMouseSelectMode == msAll) {
            SetFocus();
            SetSelection({FixedCols(), FixedRows(), ColCount() - 1, RowCount() - 1});
            afterSelect();
        }
    } else if (ACol < FixedCols() && ARow >= FixedRows()) {
        if (FMouseActions->RowSelect() && FMouseSelectMode == msRow) {
            if (EditorMode()) SetFocus();
            if (FMouseActions->DisjunctCellSelect()) FSelectedCells.clear();
            const int from = shift ? sel.Top : ARow;
            SetSelection({FixedCols(), std::min(from, ARow), ColCount() - 1, std::max(from, ARow)});
            FMouseSelectStart = {ACol, ARow};
            afterSelect();
            RepaintCol(0);
        }
    } else if (ARow < FixedRows() && ACol >= FixedCols()) {
        if (FMouseActions->ColSelect() && Options().Contains(goRangeSelect) && FMouseSelectMode == msColumn) {
            SetFocus();
            if (FMouseActions->DisjunctCellSelect()) FSelectedCells.clear();
            int left = ACol, right = ACol;
            if (shift) {
                if (ACol < sel.Left) right = sel.Right;
                else left = sel.Left;
            }
            SetSelection({left, FixedRows(), right, RowCount() - 1});
            FMouseSelectStart = {ACol, ARow};
            afterSelect();
        }
    }
}

bool TExStringGrid::PressOnCheckGlyph(int ACol, int ARow, int RCol, int X, int Y, bool CanEdit) {
    const bool hotmailColumn = ACol == 0 && FMouseActions->HotmailRowSelect();
    if (!(CanEdit || FControlLook->CheckAlwaysActive || hotmailColumn)) return false;
    const bool radioButton = HasRadioButton(RCol, ARow);
    if (!(HasCheckBox(RCol, ARow) || radioButton) || !IsInCheckBox(RCol, ARow, X, Y)) return false;

    HideInplaceEdit();
    SetFocus();
    const int realRow = RealRowIndex(ARow);
    if (radioButton) {
        ToggleRadioButton(RCol, ARow, true);
        if (OnRadioButtonClick) OnRadioButtonClick(this, RCol, ARow);
    } else {
        ToggleCheck(RCol, ARow, true);
    }
    if (FShowModified->Enabled) {
        SetRowModified(ARow, true);
        RepaintCell(0, ARow);
    }
    if (hotmailColumn) {
        SetSelection({FixedCols(), ARow, ColCount() - 1, ARow});
        SetRowSelect(realRow, !RowSelect(realRow));
        if (realRow != ARow) RepaintCell(0, ARow);
        if (Row() == ARow && !RowSelect(realRow)) FSelHidden = false;
    }
    bool state = false;
    GetCheckBoxState(RCol, realRow, state);
    if (!FNavigation->AlwaysEdit() && ARow >= FixedRows() && ACol >= FixedCols()) MoveColRow(ACol, ARow, true, true);
    // The real column, as the Space key reports it: the rule editors address cells by it.
    if (OnCheckBoxClick) OnCheckBoxClick(this, RCol, ARow, state);
    if (FHideFocusRect) RepaintCell(ACol, ARow);
    if (ARow < FixedRows() && FMouseActions->CheckAllCheck()) {
        for (int r = FixedRows(); r < RowCount(); ++r) {
            if (FMouseActions->HotmailRowSelect()) SetRowSelect(RealRowIndex(r), state);
            else SetCheckBoxState(RCol, RealRowIndex(r), state);
        }
        InvalidateGrid();
    }
    if (OnMouseDown) OnMouseDown(this, mbLeft, KeysHeld(), X, Y);
    Click();
    return true;
}

void TExStringGrid::PressInheritedAndEdit(int ACol, int ARow, int OCol, int ORow, int X, int Y, TRect CR,
                                          bool CanEdit, bool DropCombo, bool SelectAtEnd, bool OnSel) {
    const bool edge = (Y < CR.Bottom && CR.Bottom > Surface()->height() && ARow == RowCount() - 1) ||
                      (CR.Right > Surface()->width() && ACol == ColCount() - 1) ||
                      (ACol == LeftCol() && LeftCol() > FixedCols() && CR.Left < 0);
    const int oldLeft = LeftCol();
    const int oldTop = TopRow();
    const bool keepLeft = Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll();
    if (keepLeft) BeginUpdate();
    if (!FSelHidden) {
        const bool alwaysEdit = FNavigation->AlwaysEdit();
        FNavigation->SetAlwaysEdit(false);
        InheritedButtonEvent(QEvent::MouseButtonPress, Qt::LeftButton, X, Y);
        FNavigation->SetAlwaysEdit(alwaysEdit);
    }
    if (GridState() == gsSelecting && edge && FMouseActions->NoAutoRangeScroll()) SetGridState(gsNormal);
    if (TopRow() != oldTop && FMouseActions->NoScrollOnPartialRow()) {
        SetTopRow(oldTop);
        WMLButtonUp(0, 0);
    }
    if (keepLeft) {
        SetLeftCol(oldLeft);
        EndUpdate();
    }
    const bool sizingGrip = ARow < FixedRows() && Options().Contains(goColSizing) &&
                            (X - CR.Left < FixedSizingMargin + 1 || CR.Right - X < FixedSizingMargin + 1);
    if (!sizingGrip && OnClickCell) OnClickCell(this, ARow, ACol);
    const bool dataCell = ARow >= FixedRows() && ACol >= FixedCols();
    if (IsMergedCell(RealColIndex(ACol), ARow) && dataCell && (OnSel || FMouseActions->DirectEdit()) && CanEdit) {
        ShowInplaceEdit();
    }
    if (X - CR.Left < DirectEditMargin || CR.Right - X < DirectEditMargin) return;
    if (dataCell && (CanEdit || (FMouseActions->EditOnDblClickOnly() && DropCombo)) &&
        (FMouseActions->DirectEdit() || (FControlLook->DropDownAlwaysVisible && DropCombo)) &&
        !HasClickableObject(RealColIndex(ACol), ARow)) {
        if (FMouseActions->EditOnDblClickOnly() && DropCombo && !Options().Contains(goEditing)) {
            SetOptions(Options() + TGridOptions{goEditing});
            SetFocus();
        }
        bool allow = true;
        if (Row() != ARow && OnRowChanging) OnRowChanging(this, Row(), ARow, allow);
        if (Col() != ACol && OnColChanging) OnColChanging(this, Col(), ACol, allow);
        if ((Row() != ARow || Col() != ACol) && OnCellChanging) OnCellChanging(this, Row(), Col(), ARow, ACol, allow);
        if (allow) {
            const bool baseHit = IsBaseCell(RealColIndex(OCol), ORow);
            const int c = baseHit ? OCol : ACol, r = baseHit ? ORow : ARow;
            if (Col() != c || Row() != r) MoveColRow(c, r, true, true);
            if (Col() == c && Row() == r && Options().Contains(goEditing)) ShowInplaceEdit();
        }
    }
    if (SelectAtEnd) SetGridState(gsSelecting);
}

// A press on the selection (or on a header that does not move columns) may become a drag
// of it; the mouse-move handling starts the drag once the mouse has moved away.
bool TExStringGrid::ArmsSelectionDrag(int ACol, int ARow, int RCol, int X, TRect CR) const {
    const bool header = ARow < FixedRows();
    if (!FDragDropSettings->OleDropSource || Options().Contains(goEditing)) return false;
    if (!IsSelected(ACol, ARow) && !(header && !EnhRowColMove())) return false;
    if (HasCellObject(RCol, ARow, {ctButton, ctBitButton}) || HasCheckBox(RCol, ARow)) return false;
    if ((FMouseActions->ColSelect() || FMouseActions->AllSelect()) && header) return false;
    const bool inside = X >= CR.Left + 4 && X <= CR.Right - 4;
    return ACol >= FixedCols() && (inside || !Options().Contains(goColSizing));
}
