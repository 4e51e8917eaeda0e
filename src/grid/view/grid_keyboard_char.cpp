// The character phase of a key (WMChar), the grid's key press with Esc and the advance
// after Enter, and the key-up phase.

#include "grid/core/string_grid.h"
#include "platform/locale_settings.h"

namespace {

constexpr ushort CtrlC = 3;
constexpr ushort CtrlV = 22;
constexpr ushort CtrlX = 24;

bool IsArrowKey(WORD Key) { return Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN; }

}  // namespace

// ---- the character phase -------------------------------------------------------------------

void TExStringGrid::WMChar(TWMKey& Message) {
    const int RCol = RealColIndex(Col());
    const bool ctrl = Message.Shift.Contains(ssCtrl);
    if (CurrentCellHasControlTag()) {
        Message.Result = 1;
        return;
    }
    if (FMouseActions->EditOnDblClickOnly()) {
        bool allow = Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit();
        CanEditBaseCell(RealCol(RCol), DisplRow(Row()), allow);
        if (allow) SetOptions(Options() + TGridOptions{goEditing});
    }
    const ushort code = Message.CharCode;
    if (FNavigation->AllowClipboardShortCuts() && ctrl && (code == CtrlC || code == CtrlV || code == CtrlX)) {
        Message.CharCode = 0;
        return;
    }
    const bool clickable = HasClickableObject(RCol, Row());
    if (FMouseActions->RangeSelectAndEdit() && !clickable && IsEditable(RCol, Row()) && code != 9 && code != 27 &&
        !ctrl) {
        QChar copy(code);
        if (OnKeyPress) OnKeyPress(this, copy);
        FStartEditChar = QChar(code);
        SetOptions(Options() + TGridOptions{goEditing});
        if (Col() >= LeftCol() + VisibleColCount() || Col() < LeftCol() || Row() >= TopRow() + VisibleRowCount() ||
            Row() < TopRow())
            ScrollInView(Col(), Row());
        const TRect cell = CellRect(Col(), Row());
        MouseDown(mbLeft, {}, cell.Left + 2, cell.Top + 2);
        InheritedChar(Message);
        return;
    }
    if (code == '.' && FExcelStyleDecimalSeparator && (Message.KeyData & KeyDataKeypad)) {
        const QString separator = UserDecimalSeparator();
        if (!separator.isEmpty()) Message.CharCode = separator.at(0).unicode();
    }
    bool done = false;
    if (clickable && Message.CharCode == 13 && FNavigation->AdvanceOnEnter()) {
        done = true;
        InheritedChar(Message);
    }
    const ushort typed = Message.CharCode;
    if (Options().Contains(goEditing) && typed != 9 && (typed == 8 || (typed >= 32 && typed <= 255))) {
        QChar ch(typed);
        if (OnKeyPress) OnKeyPress(this, ch);
        Message.CharCode = ch.unicode();
        FStartEditChar = ch;
        if (!clickable && !ch.isNull()) ShowEditorChar(ch);
        return;
    }
    if (!done) InheritedChar(Message);
}

// ---- the grid's key press ------------------------------------------------------------------

void TExStringGrid::KeyPress(QChar& Key) {
    const ushort code = Key.unicode();
    if (code == 27) {
        if (Options().Contains(goEditing) && FEditing) RestoreCellCache();
        if (OnKeyPress) OnKeyPress(this, Key);
        // The editor shows and stores the text from before the edit as it closes.
        if (FEditMode && !FSpecialEditor && InplaceEditor()) {
            InplaceEditor()->SetText(FCellCache);
            HideInplaceEdit();
        }
        Key = QChar();
        return;
    }
    // The characters the grid does not type into a cell reach the handler only.
    if (code > 255) {
        if (OnKeyPress) OnKeyPress(this, Key);
        return;
    }
    const int RCol = RealColIndex(Col());
    if (code == 13 && !FNavigation->AdvanceOnEnter() && !IsEditable(RCol, Row())) {
        if (OnKeyPress) OnKeyPress(this, Key);
        Key = QChar();
        return;
    }
    if (code == 13 && (!hasFocus() || HasClickableObject(RCol, Row()))) {
        AdvanceAfterEdit(Col(), Row(), false, false, true, false, FEditMode);
        if (!FNavigation->AdvanceAutoEdit()) {
            if (OnKeyPress) OnKeyPress(this, Key);
            Key = QChar();
            return;
        }
        if (HasClickableObject(RCol, Row())) {
            if (OnKeyPress) OnKeyPress(this, Key);
            if (FNavigation->AdvanceOnEnter()) ShowInplaceEdit();
            Key = QChar();
            return;
        }
    }
    if (!Options().Contains(goEditing) && FNavigation->AutoGotoWhenSorted() && !Key.isNull()) IncrementalSearch(Key);
    TBaseGrid::KeyPress(Key);
}

// Typing into a grid that is not edited goes to the first row whose sort-column text
// starts with what was typed.
void TExStringGrid::IncrementalSearch(QChar Key) {
    if (!FNavigation->AutoGotoIncremental()) SearchInc = Key;
    else if (Key.unicode() == 8) SearchInc.chop(1);
    else SearchInc += Key;
    if (FNavigation->AutoGotoIncremental()) SearchTics = 0;
    const int found = Search(SearchInc.toUpper());
    if (found == -1) SearchInc.clear();
    else SetRow(found);
}

// ---- the key-up phase ----------------------------------------------------------------------

void TExStringGrid::KeyUp(WORD& Key, TShiftState Shift) {
    switch (Key) {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE: SearchInc.clear(); break;
    default: break;
    }
    const TGridRect old = SelectionRectangleOrdered();
    TBaseGrid::KeyUp(Key, Shift);
    const bool tab = Key == VK_TAB && Options().Contains(goTabs);
    if (FNavigation->AlwaysEdit() && (IsArrowKey(Key) || tab) && !HasClickableObject(RealColIndex(Col()), Row()))
        ShowInplaceEdit();
    if ((IsArrowKey(Key) || Key == VK_TAB) && !(Selection() == FMoveSelection)) ReportSelectionChange();
    if (!FMouseActions->DisjunctCellSelect() || Options().Contains(goEditing)) return;
    if (Shift.Contains(ssShift)) {
        for (int r = old.Top; r <= old.Bottom; ++r)
            for (int c = old.Left; c <= old.Right; ++c) SetSelectedCells(c, r, false);
        const TGridRect now = SelectionRectangleOrdered();
        for (int r = now.Top; r <= now.Bottom; ++r)
            for (int c = now.Left; c <= now.Right; ++c)
                if (c != Col() || r != Row()) SetSelectedCells(c, r, true);
    }
    if (Key != VK_SPACE) return;
    const TPoint base = BaseCell(Col(), Row());
    if (IsFixed(base.X, base.Y)) return;
    bool canSelect = true;
    if (OnSelectCell) OnSelectCell(this, base.X, base.Y, canSelect);
    if (!canSelect) return;
    if (Shift.Contains(ssCtrl)) {
        SetSelectedCells(base.X, base.Y, !SelectedCells(base.X, base.Y));
    } else {
        const std::vector<TGridCoord> previous = FSelectedCells;
        for (const TGridCoord& cell : previous) SetSelectedCells(cell.X, cell.Y, false);
        SetSelectedCells(base.X, base.Y, true);
        const TGridRect now = SelectionRectangleOrdered();
        if (now.Right > now.Left || now.Bottom > now.Top)
            for (int r = now.Top; r <= now.Bottom; ++r)
                for (int c = now.Left; c <= now.Right; ++c)
                    if (c != base.X || r != base.Y) SetSelectedCells(c, r, true);
    }
    RepaintCell(Col(), Row());
}
