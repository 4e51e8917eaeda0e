// Key-down steps of the grid with their own rules: Home and End by the HomeEndKey
// setting, skipping cells reported fixed, the clipboard shortcuts, Ctrl+A and the
// disjunct row and column selection by keys.

#include "grid/core/string_grid.h"

#include <algorithm>

// ---- Home and End ------------------------------------------------------------------------

bool TExStringGrid::HomeEndKey(TWMKey& Message, int OldRow, int OldLeft) {
    const WORD key = Message.CharCode;
    const bool home = key == VK_HOME;
    const bool ctrl = Message.Shift.Contains(ssCtrl);
    const bool shift = Message.Shift.Contains(ssShift);
    const bool rowSelect = Options().Contains(goRowSelect);
    const THomeEndAction action = FNavigation->HomeEndKey();
    const auto finish = [&] {
        FireKeyDown(key, Message.Shift);
        Message.Result = 0;
    };
    // A grid of nothing but its fixed row leaves the key to the base grid.
    const auto onlyFixedRow = [&] {
        if (!(FFixedRowAlways && RowCount() == 1)) return false;
        InheritedKeyDown(Message);
        return true;
    };
    const auto keepHorizontalScroll = [&] {
        if (!rowSelect || !FNavigation->KeepHorizScroll()) return;
        StartUpdate();
        SetLeftCol(OldLeft);
        ResetUpdate();
    };
    // The selection of whole rows from OldRow to the new row (disjunct rows follow it).
    const auto rowBlock = [&] {
        if (FMouseActions->DisjunctRowSelect() && !shift) {
            ClearRowSelect();
            SelectionToRowSelect(true);
        }
        if (!shift) return;
        SetSelection({FixedCols(), std::min(OldRow, Row()), ColCount() - 1, std::max(OldRow, Row())});
        if (FMouseActions->DisjunctRowSelect()) SelectionToRowSelect(true);
    };

    if (action == heFirstLastCell && !ctrl) {
        if (home) {
            SetCol(FixedCols());
            SetRowSnapped(FixedRows());
        } else {
            SetCol(ColCount() - 1);
            SetRowSnapped(RowCount() - 1);
        }
        finish();
        return true;
    }
    if (action == heFirstLastRow && !ctrl) {
        if (onlyFixedRow()) return true;
        if (home) {
            SetRowSnapped(FixedRows());
        } else {
            const bool floating = FFloatingFooter->Visible;
            SetRowSnapped(floating && RowCount() > 2 ? RowCount() - 2 : RowCount() - FFixedFooters - 1);
            if (FFixedFooters > 0 || floating) SetTopRow(RowCount() - VisibleRowCount());
        }
        rowBlock();
        finish();
        keepHorizontalScroll();
        return true;
    }
    if (action != heFirstLastColumn || rowSelect) return false;
    if (ctrl) {
        if (!home) return false;
        SetRow(FixedRows());
        const int first = FirstTabStopCol(Row());
        SetColSnapped(first >= 0 ? first : FixedCols());
        SetLeftCol(FirstDataCol());
        finish();
        return true;
    }
    if (onlyFixedRow()) return true;
    if (shift) {
        const int edge = home ? FixedCols() : ColCount() - FFixedRightCols - 1;
        SetSelection({std::min(Col(), edge), Row(), std::max(Col(), edge), Row()});
        RepaintRow(Row());
    } else if (home) {
        const int first = FirstTabStopCol(Row());
        SetColSnapped(first >= 0 ? first : FixedCols());
        SetLeftCol(FirstDataCol());
    } else {
        SetColSnapped(ColCount() - 1);
        SetLeftCol(std::max(FixedCols(), ColCount() - VisibleColCount()));
    }
    finish();
    return true;
}

// ---- cells reported fixed inside the data area -------------------------------------------

bool TExStringGrid::SkipFixedCellsKey(TWMKey& Message) {
    WORD key = Message.CharCode;
    if (UseRightToLeftAlignment() && key == VK_LEFT) key = VK_RIGHT;
    else if (UseRightToLeftAlignment() && key == VK_RIGHT) key = VK_LEFT;
    const int c = Col();
    const int r = Row();
    const bool rowSelect = Options().Contains(goRowSelect);
    int target = -1;
    switch (key) {
    case VK_LEFT:
        if (c <= FixedCols() || !IsFixed(c - 1, r)) return false;
        for (int i = c - 1; i >= FixedCols(); --i)
            if (!IsFixed(i, r)) { target = i; break; }
        if (target >= 0) SetCol(target);
        break;
    case VK_RIGHT:
        if (c + 1 >= ColCount() - FFixedRightCols || !IsFixed(c + 1, r)) return false;
        for (int i = c + 1; i < ColCount() - FFixedRightCols; ++i)
            if (!IsFixed(i, r)) { target = i; break; }
        if (target >= 0) SetCol(target);
        break;
    case VK_UP:
        if (r <= FixedRows() || !IsFixed(c, r - 1)) return false;
        target = r - 1;
        if (!rowSelect)
            while (target >= FixedRows() && IsFixed(c, target)) --target;
        if (target >= FixedRows()) SetRow(target);
        break;
    case VK_DOWN:
        if (r + 1 >= RowCount() - FFixedFooters || !IsFixed(c, r + 1)) return false;
        target = r + 1;
        if (!rowSelect)
            while (target < RowCount() - FFixedFooters && IsFixed(c, target)) ++target;
        if (target < RowCount() - FFixedFooters) SetRow(target);
        break;
    default: return false;
    }
    FireKeyDown(Message.CharCode, Message.Shift);
    Message.CharCode = 0;
    return true;
}

// ---- clipboard shortcuts -----------------------------------------------------------------

bool TExStringGrid::ClipboardKey(TWMKey& Message) {
    const WORD key = Message.CharCode;
    const bool ctrl = Message.Shift.Contains(ssCtrl);
    const bool shift = Message.Shift.Contains(ssShift);
    enum { None, Cut, Copy, Paste } action = None;
    if (ctrl && key == 'X') action = Cut;
    else if (ctrl && key == 'V') action = Paste;
    else if (ctrl && (key == 'C' || key == VK_INSERT)) action = Copy;
    else if (shift && key == VK_INSERT) action = Paste;
    else if (shift && key == VK_DELETE) action = Cut;
    if (action == None) return false;
    bool allow = true;
    const QString selected = SelectedText();
    // A paste the grid refuses (data beyond its limits or unreadable) changed nothing.
    try {
    switch (action) {
    case Cut:
        if (OnClipboardCut) OnClipboardCut(this, selected, allow);
        if (allow) CutSelectionToClipboard();
        break;
    case Copy:
        if (OnClipboardCopy) OnClipboardCopy(this, selected, allow);
        if (allow) CopySelectionToClipboard();
        break;
    default:
        if (OnClipboardPaste) OnClipboardPaste(this, selected, allow);
        if (allow) PasteSelectionFromClipboard();
        break;
    }
    } catch (const EExGridError&) {
    }
    return true;
}

// ---- Ctrl+A and the disjunct selection ---------------------------------------------------

void TExStringGrid::SelectAllKey() {
    const TGridRect all{FirstDataCol(), FixedRows(), ColCount() - FFixedRightCols - 1,
                        RowCount() - FFixedFooters - 1};
    if (all.Right < all.Left || all.Bottom < all.Top) return;
    if (FMouseActions->DisjunctRowSelect())
        for (int r = FixedRows(); r <= all.Bottom; ++r) SetRowSelect(r, true);
    SetSelection(all);
    FocusCell(all.Right, all.Bottom);
    const TRect cell = CellRect(all.Right, all.Bottom);
    MouseDown(mbLeft, {}, cell.Left + 2, cell.Top + 2);
    MouseUp(mbLeft, {}, cell.Left + 2, cell.Top + 2);
    FocusCell(all.Right, all.Bottom);
    SetSelection(all);
}

void TExStringGrid::DisjunctSelectKey(WORD Key, TShiftState Shift, int DRow) {
    const bool shift = Shift.Contains(ssShift);
    const bool ctrl = Shift.Contains(ssCtrl);
    if (Key == VK_SPACE) {
        if (FMouseActions->DisjunctRowSelect()) SetRowSelect(DRow, !GetRowSelect(DRow));
        if (FMouseActions->DisjunctColSelect()) SetColSelect(Col(), !GetColSelect(Col()));
        return;
    }
    if (FMouseActions->DisjunctRowSelect()) {
        if (!shift && !ctrl) ClearRowSelect();
        if (shift) SelectionToRowSelect(true);
        else SetRowSelect(DRow, true);
    }
    if (FMouseActions->DisjunctColSelect()) {
        if (!shift && !ctrl) ClearColSelect();
        if (shift) SelectionToColSelect(true);
        else SetColSelect(Col(), true);
    }
}
