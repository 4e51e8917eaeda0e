// The grid's keyboard: a Qt key press becomes the key-down phase (WMKeyDown) and, unless
// that consumed the key, the character phase (WMChar); the key-down steps decide which
// keys the grid takes before the base grid's cursor movement sees them and which it
// handles after it.

#include "grid/core/string_grid.h"
#include "grid/data/search_panel.h"
#include "controls/text_utilities.h"
#include "platform/form.h"

#include <QKeyEvent>

namespace {

bool IsArrow(WORD Key) { return Key == VK_LEFT || Key == VK_RIGHT || Key == VK_UP || Key == VK_DOWN; }

bool IsMoveKey(WORD Key) {
    return IsArrow(Key) || Key == VK_PRIOR || Key == VK_NEXT || Key == VK_HOME || Key == VK_END;
}

// The parent form's key preview: its handler sees the key first; true when it took it.
bool FormTakesKey(QWidget* Control, TKeyEvent TForm::*Handler, TWMKey& Message) {
    TForm* form = ParentFormOf(Control);
    if (!form || !form->KeyPreview() || !(form->*Handler)) return false;
    (form->*Handler)(form, Message.CharCode, Message.Shift);
    return Message.CharCode == 0;
}

}  // namespace

// ---- Qt events ---------------------------------------------------------------------------

void TExStringGrid::keyPressEvent(QKeyEvent* event) {
    event->accept();
    const TKeyboardStateScope keyboard(event->modifiers());
    const TShiftState shift = ShiftStateOf(event->modifiers());
    const WORD key = event->key() == Qt::Key_Backtab ? VK_TAB : VirtualKeyOf(event->key());
    const LPARAM data = event->modifiers() & Qt::KeypadModifier ? KeyDataKeypad : 0;
    if (key != 0) {
        TWMKey down{WM_KEYDOWN, key, data, shift, 0};
        WMKeyDown(down);
        if (down.CharCode == 0) return;
    }
    const QChar ch = KeyCharacterOf(event);
    if (ch.isNull()) return;
    TWMKey character{WM_CHAR, ch.unicode(), data, shift, 0};
    WMChar(character);
}

void TExStringGrid::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
    const TKeyboardStateScope keyboard(event->modifiers());
    const WORD key = event->key() == Qt::Key_Backtab ? VK_TAB : VirtualKeyOf(event->key());
    if (key == 0) return;
    TWMKey up{WM_KEYUP, key, 0, ShiftStateOf(event->modifiers()), 0};
    WMKeyUp(up);
}

// ---- what the grid's steps pass a key on to ----------------------------------------------

void TExStringGrid::InheritedKeyDown(TWMKey& Message) {
    if (FormTakesKey(this, &TForm::OnKeyDown, Message)) return;
    KeyDown(Message.CharCode, Message.Shift);
}

void TExStringGrid::WMKeyUp(TWMKey& Message) {
    if (FormTakesKey(this, &TForm::OnKeyUp, Message)) return;
    KeyUp(Message.CharCode, Message.Shift);
}

void TExStringGrid::InheritedChar(TWMKey& Message) {
    QChar ch(Message.CharCode);
    TForm* form = ParentFormOf(this);
    if (form && form->KeyPreview() && form->OnKeyPress) {
        form->OnKeyPress(form, ch);
        Message.CharCode = ch.unicode();
        if (ch.isNull()) return;
    }
    KeyPress(ch);
    Message.CharCode = ch.unicode();
}

void TExStringGrid::FireKeyDown(WORD Key, TShiftState Shift) {
    // The handler sees a copy: what it does to the key is not used.
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TExStringGrid::Swallow(TWMKey& Message) {
    Message.CharCode = 0;
    Message.Result = 1;
}

void TExStringGrid::ReportSelectionChange() {
    const TGridRect sel = Selection();
    SelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
    FMoveSelection = Selection();
}

bool TExStringGrid::CurrentCellHasControlTag() {
    const QString text = Cells(RealColIndex(Col()), Row());
    return CellTextKind(text, FEnableHTML) == ckMiniHtml && text.toUpper().contains(QLatin1String("<CONTROL"));
}

void TExStringGrid::SetRowSnapped(int ARow) {
    SetRow(ARow);
    MoveToBaseCell();
}

void TExStringGrid::SetColSnapped(int ACol) {
    SetCol(ACol);
    MoveToBaseCell();
}

// ---- the key-down phase ------------------------------------------------------------------

void TExStringGrid::WMKeyDown(TWMKey& Message) {
    const WORD key = Message.CharCode;
    const TShiftState shift = Message.Shift;
    const bool ctrl = shift.Contains(ssCtrl);
    const int OldLeft = LeftCol();
    FMoveSelection = Selection();
    const int OldRow = Row();
    const int RCol = RealColIndex(Col());
    const bool rowSelect = Options().Contains(goRowSelect);
    const bool keepScroll = (key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN) && rowSelect &&
                            LeftCol() != FixedCols() && FNavigation->KeepHorizScroll();

    if (FNavigation->MoveScrollOnly() && ScrollOnlyKey(Message)) return;
    if (key == VK_RETURN && PlainEditRefusesEnter()) {
        Swallow(Message);
        return;
    }

    const bool enterOrF2 = key == VK_RETURN || key == VK_F2;
    bool openedEditor = false;
    if (FMouseActions->EditOnDblClickOnly() && enterOrF2 && !Options().Contains(goEditing)) {
        const bool old = FMouseActions->RangeSelectAndEdit();
        FMouseActions->SetRangeSelectAndEdit(true);
        if (IsEditable(RCol, Row())) SetOptions(Options() + TGridOptions{goEditing});
        FMouseActions->SetRangeSelectAndEdit(old);
    }
    if (FMouseActions->RangeSelectAndEdit() && !Options().Contains(goEditing) && enterOrF2) {
        if (!IsEditable(RCol, Row())) {
            FireKeyDown(key, shift);
            Swallow(Message);
            return;
        }
        SetOptions(Options() + TGridOptions{goEditing});
        ShowInplaceEdit();
        openedEditor = EditorMode();
    }
    if (key == 'F' && ctrl && FSearchFooter->Visible() && FSearchPanel)
        FSearchPanel->EditControl()->setFocus(Qt::ShortcutFocusReason);
    if (enterOrF2) {
        if (Options().Contains(goEditing) && !IsEditable(RCol, Row())) {
            FireKeyDown(key, shift);
            Swallow(Message);
            return;
        }
        if (CurrentCellHasControlTag()) {
            Message.Result = 1;
            return;
        }
    }
    if (key == VK_RETURN && !IsEditable(RCol, Row())) {
        if (TForm* form = ParentFormOf(this); form && form->KeyPreview()) {
            InheritedKeyDown(Message);
            return;
        }
        FireKeyDown(key, shift);
        Swallow(Message);
        return;
    }
    if ((key == VK_RETURN || key == VK_SPACE) && HasClickableObject(RCol, Row())) ClickableObjectKey(key, RCol);
    if ((key == VK_HOME || key == VK_END) && HomeEndKey(Message, OldRow, OldLeft)) return;

    const bool nodeRow = IsNode(Row());
    // A node row shows its caption merged over the row: the arrows fold it there.
    if (nodeRow && IsMergedCell(RCol, Row())) {
        if (key == VK_RIGHT) ExpandNode(RealRowIndex(Row()));
        if (key == VK_LEFT) ContractNode(RealRowIndex(Row()));
    }
    if (rowSelect && !nodeRow && ColCount() > VisibleColCount() && (key == VK_LEFT || key == VK_RIGHT)) {
        const bool scroll = FNavigation->LeftRightRowSelect() ? ctrl : true;
        if (scroll) {
            if (key == VK_LEFT && LeftCol() > FixedCols()) SetLeftCol(LeftCol() - 1);
            if (key == VK_RIGHT && LeftCol() + VisibleColCount() < ColCount()) SetLeftCol(LeftCol() + 1);
        }
        if (!FNavigation->LeftRightRowSelect()) {
            FireKeyDown(key, shift);
            Message.Result = 0;
            return;
        }
    }
    if (key == VK_TAB && Options().Contains(goTabs)) {
        TabToNextCell(shift.Contains(ssShift));
        if (!(Selection() == FMoveSelection)) ReportSelectionChange();
        return;
    }
    if (FNavigation->SkipFixedCells() && IsArrow(key)) SkipFixedCellsKey(Message);
    if (Message.CharCode == VK_DOWN && IsLastDataRow() && FNavigation->AppendOnArrowDown()) AutoAddRow();
    if (!(Selection() == FMoveSelection) && FSelectionRectangle) {
        const TGridRect sel = Selection();
        RepaintRect(Rect(sel.Left, sel.Top, sel.Right, sel.Bottom));
        FMoveSelection = Selection();
    }

    // On the last row with the search footer shown, the keys that would run past the end stop here.
    const bool searchFooter = FSearchFooter->Visible();
    if (searchFooter && TopRow() >= RowCount() - VisibleRowCount() && Row() >= RowCount() - 1) {
        const bool pastEnd = (key == VK_RIGHT && Col() + 1 == ColCount()) || (key == VK_LEFT && Col() == FixedCols());
        if (key == VK_DOWN) ScrollAboveSearchFooter();
        if (key == VK_DOWN || pastEnd) {
            Message.Result = 1;
            FireKeyDown(key, shift);
            return;
        }
    }

    if (keepScroll) BeginUpdate();
    InheritedKeyDown(Message);
    if (keepScroll) {
        SetLeftCol(OldLeft);
        EndUpdate();
    }
    const bool towardsEnd = key == VK_NEXT || key == VK_END || key == VK_LEFT || key == VK_RIGHT || key == VK_DOWN;
    if (searchFooter && towardsEnd && Row() == RowCount() - 1) ScrollAboveSearchFooter();

    const WORD passed = Message.CharCode;
    const int DRow =
        FMouseActions->DisjunctRowSelect() && FMouseActions->RowSelectPersistent() ? RealRowIndex(Row()) : Row();
    if (FNavigation->AllowClipboardShortCuts() && ClipboardKey(Message)) return;
    if (passed == VK_INSERT && FNavigation->AllowInsertRow() && !ctrl && !shift.Contains(ssShift) &&
        !shift.Contains(ssAlt))
        InsertRowKey();
    if (passed == 'A' && ctrl && (rowSelect || Options().Contains(goRangeSelect))) {
        SelectAllKey();
        return;
    }
    if (IsMoveKey(passed) || passed == VK_SPACE) DisjunctSelectKey(passed, shift, DRow);
    if (passed == VK_DELETE && FNavigation->AllowDeleteRow() && !shift.Contains(ssAlt) &&
        RowCount() - FFixedFooters - FixedRows() >= 1)
        DeleteRowKey();
    if (passed == VK_RETURN || passed == VK_F2) {
        RememberEditCell(Col(), Row());
        // A CONTROL cell's form-control editor comes with the control editing; the grid
        // only takes the focus meanwhile.
        if (CurrentCellHasControlTag()) setFocus(Qt::OtherFocusReason);
    }
    if (!(Selection() == FMoveSelection)) ReportSelectionChange();
    // The editor opened for this Enter: its character must not close it again.
    if (openedEditor) Message.CharCode = 0;
}

bool TExStringGrid::ScrollOnlyKey(TWMKey& Message) {
    const int visible = VisibleRowCount();
    switch (Message.CharCode) {
    case VK_PRIOR:
        SetTopRow(visible + FixedRows() < TopRow() ? TopRow() - visible : FixedRows());
        break;
    case VK_NEXT:
        if (TopRow() + visible < RowCount()) SetTopRow(std::min(TopRow() + visible, RowCount() - visible));
        break;
    case VK_END: SetTopRow(RowCount() - visible); break;
    case VK_HOME: SetTopRow(FixedRows()); break;
    case VK_UP:
        if (TopRow() > FixedRows()) SetTopRow(TopRow() - 1);
        break;
    case VK_DOWN:
        if (TopRow() + visible < RowCount()) SetTopRow(TopRow() + 1);
        break;
    default: return false;
    }
    Message.Result = 1;
    return true;
}

void TExStringGrid::ClickableObjectKey(WORD Key, int RCol) {
    const int ARow = Row();
    bool allow = Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit();
    CanEditBaseCell(RealCol(RCol), DisplRow(ARow), allow);
    const bool space = Key == VK_SPACE;
    if (space && (allow || FControlLook->CheckAlwaysActive) && HasCheckBox(RCol, ARow)) {
        if (ToggleCheck(RCol, ARow, true)) {
            if (FShowModified->Enabled) {
                SetRowModified(ARow, true);
                RepaintCell(0, ARow);
            }
            bool state = false;
            GetCheckBoxState(RCol, RealRowIndex(ARow), state);
            if (OnCheckBoxClick) OnCheckBoxClick(this, RCol, ARow, state);
        }
    }
    if (space && (allow || FControlLook->RadioAlwaysActive) && IsRadio(RCol, ARow)) {
        AdvanceRadioSelection(RCol, ARow, !FControlLook->RadioAlwaysActive);
        int index = -1;
        GetRadioIdx(RCol, ARow, index);
        if (OnRadioClick) OnRadioClick(this, RCol, ARow, index);
    }
    if (space && (allow || FControlLook->RadioAlwaysActive) && HasRadioButton(RCol, ARow)) {
        ToggleRadioButton(RCol, ARow, !FControlLook->RadioAlwaysActive);
        if (OnRadioButtonClick) OnRadioButtonClick(this, RCol, ARow);
    }
    if (allow && HasCellObject(RCol, ARow, TSet<TCellType>{ctButton})) DoButtonClick(RealCol(RCol), DisplRow(ARow));
    RepaintCell(Col(), ARow);
}
