// The plain in-place edit's keys: what happens before the edit sees a key (Esc, Ctrl+A,
// Ctrl+Enter, validation before Tab, Enter and the arrows leave the cell), what the
// grid gets, the key press, and on release cursor walking out of the edit, type-ahead
// and sizing while typing.

#include "grid/core/string_grid.h"
#include "grid/edit/ex_inplace_edit.h"

#include "controls/text_utilities.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

bool HasShiftKeys(TShiftState Shift) {
    return Shift.Contains(ssShift) || Shift.Contains(ssCtrl) || Shift.Contains(ssAlt);
}

}  // namespace

bool TExInplaceEdit::CaretOnFirstLine() const { return LineOfPosition(SelStart()) == 0; }

bool TExInplaceEdit::CaretOnLastLine() const { return LineOfPosition(SelStart()) == LineOfPosition(ShownLength()); }

void TExInplaceEdit::ShowRefusal(const QString& OldCellText, bool Repaint) {
    SetText(FGrid->FNewCellText);
    if (FGrid->Navigation()->EditSelectAll()) SelectAll();
    else SetSelStart(ShownLength());
    if (Repaint) viewport()->update();
    FGrid->FOldCellText = OldCellText;
}

void TExInplaceEdit::GridKeyPress(QChar Key) { FGrid->KeyPress(Key); }

void TExInplaceEdit::keyReleaseEvent(QKeyEvent* event) {
    // Alt+Backspace is held until its key or Alt comes up.
    if (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Alt) FAltBack = false;
    TInplaceEdit::keyReleaseEvent(event);
}

void TExInplaceEdit::CMWantSpecialKey(TMessage& Message) {
    TInplaceEdit::CMWantSpecialKey(Message);
    if (Message.WParam == VK_TAB && FGrid->EditorWantsTab()) Message.Result = 1;
}

void TExInplaceEdit::WMKeyDown(TWMKey& Message) {
    const WORD key = Message.CharCode;
    const TShiftState shift = Message.Shift;
    const bool ctrl = shift.Contains(ssCtrl);
    auto consume = [&Message] {
        Message.CharCode = 0;
        Message.Result = 1;
    };
    if (key == VK_BACK && shift.Contains(ssAlt)) FAltBack = true;
    FOldSelStart = SelStart();

    if (key == VK_ESCAPE) {
        SetText(FGrid->OriginalCellValue());
        // The original text goes back into the cell, which may have followed the typing.
        SetModified(true);
        FGrid->HideInplaceEdit();
    }
    if (key == 'A' && ctrl && !shift.Contains(ssAlt)) {
        SelectAll();
        consume();
        return;
    }
    TNavigation* navigation = FGrid->Navigation();
    const bool multiLineGrid = FGrid->WordWrap() || FGrid->Multilinecells();
    if (key == VK_RETURN && ctrl && (!navigation->AllowCtrlEnter() || !multiLineGrid) &&
        !navigation->LineFeedOnEnter()) {
        consume();
        return;
    }

    const QString S = Text();
    const QString Old = FGrid->FOldCellText;
    if (key == VK_TAB && FGrid->EditorWantsTab()) {
        consume();
        if (!FGrid->ValidateCell(S)) {
            ShowRefusal(Old, false);
            return;
        }
        SetText(FGrid->FNewCellText);
        FGrid->HideInplaceEdit();
        if (FGrid->Options().Contains(goTabs)) {
            FGrid->TabToNextCell(shift.Contains(ssShift));
        } else {
            const Qt::KeyboardModifiers modifiers = shift.Contains(ssShift) ? Qt::ShiftModifier : Qt::NoModifier;
            QCoreApplication::postEvent(FGrid, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, modifiers));
        }
        return;
    }
    const bool leftAtStart = key == VK_LEFT && SelStart() == 0 && SelLength() == 0;
    const bool rightAtEnd = key == VK_RIGHT && SelStart() == ShownLength() && SelLength() == 0;
    if ((leftAtStart || rightAtEnd) && shift.Contains(ssShift) && navigation->CursorWalkEditor()) {
        consume();
        {
            const bool old = std::exchange(FGrid->FValidating, true);
            FGrid->SetCurrentCell(S);
            FGrid->FValidating = old;
        }
        if (!FGrid->ValidateCell(S)) {
            ShowRefusal(Old, true);
            return;
        }
        SetText(FGrid->FNewCellText);
        FGrid->HideInplaceEdit();
        FGrid->setFocus(Qt::OtherFocusReason);
        return;
    }

    bool moved = false;
    if ((key == VK_UP && CaretOnFirstLine()) || (key == VK_DOWN && CaretOnLastLine())) {
        {
            const bool old = std::exchange(FGrid->FValidating, true);
            FGrid->SetCurrentCell(S);
            FGrid->FValidating = old;
        }
        if (!FGrid->ValidateCell(S)) {
            ShowRefusal(Old, true);
            consume();
            return;
        }
        SetText(FGrid->FNewCellText);
        moved = true;
    }
    if (key == VK_RETURN && !navigation->LineFeedOnEnter() && !ctrl) {
        if (!FGrid->ValidateCell(S)) {
            ShowRefusal(Old, false);
            consume();
            return;
        }
        SetText(FGrid->FNewCellText);
    }
    if ((key == VK_HOME || key == VK_END) && !ctrl && !shift.Contains(ssShift)) {
        SetSelStart(key == VK_HOME ? 0 : ShownLength());
        consume();
        return;
    }
    if (key == VK_RETURN && ctrl && navigation->LineFeedOnEnter()) {
        DefaultChar(QChar(13));
        consume();
        return;
    }
    TInplaceEdit::WMKeyDown(Message);
    if (moved && FGrid->MouseActions()->DisjunctRowSelect()) {
        FGrid->ClearRowSelect();
        FGrid->SetRowSelect(FGrid->Row(), true);
    }
}

void TExInplaceEdit::KeyDown(WORD& Key, TShiftState Shift) {
    FSelKeyDown = SelStart();
    TNavigation* navigation = FGrid->Navigation();
    switch (Key) {
    case VK_BACK:
    case VK_DELETE:
        Workmode = false;
        break;
    case VK_RETURN:
        if (!navigation->AllowCtrlEnter() && (FGrid->WordWrap() || FGrid->Multilinecells())) FGrid->FEditing = false;
        if ((Shift.Contains(ssCtrl) || Shift.Contains(ssShift)) && FGrid->SizeWhileTyping()->Height() &&
            FGrid->Multilinecells())
            GrowRowForLineBreak();
        // A line break is typed in the character phase; the grid does not get the key.
        if (Shift.Contains(ssCtrl) || navigation->LineFeedOnEnter()) return;
        break;
    case VK_UP:
        if (!CaretOnFirstLine()) return;
        break;
    case VK_DOWN:
        if (!CaretOnLastLine()) return;
        break;
    case VK_LEFT:
    case VK_RIGHT:
        Workmode = true;
        // Walking out of the edit happens when the key comes up.
        if (navigation->CursorWalkEditor()) return;
        break;
    default:
        Workmode = true;
    }
    TInplaceEdit::KeyDown(Key, Shift);
}

void TExInplaceEdit::GrowRowForLineBreak() {
    TColumnSize* columnSize = FGrid->ColumnSize();
    const bool synch = columnSize->SynchWithGrid();
    columnSize->SetSynchWithGrid(false);
    const int row = FGrid->Row();
    const int lines = CountTextLines(Text() + QStringLiteral("\r\n "), true);
    if (lines < FGrid->MaxCellLinesInRow(row)) FGrid->AutoSizeRow(row, 0);
    else FGrid->SetRowHeightForLines(row, lines, FGrid->VertTextMargin());
    columnSize->SetSynchWithGrid(synch);
    if (FGrid->OnEndRowSize) FGrid->OnEndRowSize(FGrid, row);
}

void TExInplaceEdit::KeyPress(QChar& Key) {
    if (Key.unicode() == 13 && !FGrid->Navigation()->LineFeedOnEnter()) {
        if (!FGrid->ValidateCell(Text())) {
            SetText(FGrid->CurrentCell());
            Key = QChar();
            return;
        }
    }
    // The grid's key press sees what is typed; Tab and Esc ended in the key-down.
    const ushort code = Key.unicode();
    if (code != 9 && code != 27) GridKeyPress(Key);
    TInplaceEdit::KeyPress(Key);
}

// ---- release -------------------------------------------------------------------------------

void TExInplaceEdit::WalkOneCell(bool Forward, WORD& Key) {
    TNavigation* navigation = FGrid->Navigation();
    const TAdvanceDirection direction = navigation->AdvanceDirection();
    navigation->SetAdvanceDirection(adLeftRight);
    FGrid->AdvanceAfterEdit(FGrid->Col(), FGrid->Row(), true, true, Forward, false, true);
    navigation->SetAdvanceDirection(direction);
    if (navigation->CursorWalkAlwaysEdit()) {
        Key = VK_RETURN;
    } else {
        FGrid->HideInplaceEdit();
        Key = 0;
    }
}

void TExInplaceEdit::WalkOutLeft(WORD& Key) {
    Key = 0;
    const int col = FGrid->Col();
    const int row = FGrid->Row();
    if (col > FGrid->FixedCols() && FGrid->HasClickableObject(FGrid->RealColIndex(col - 1), row)) {
        if (FGrid->ValidateCell(Text())) {
            FGrid->HideInplaceEdit();
            FGrid->SetCol(col - 1);
        }
        return;
    }
    if (FGrid->ValidateCell(Text())) FGrid->HideInplaceEdit();
    WalkOneCell(false, Key);
}

void TExInplaceEdit::WalkOutRight(WORD& Key) {
    Key = 0;
    const int col = FGrid->Col();
    const int row = FGrid->Row();
    const TPoint span = FGrid->CellSpan(FGrid->RealColIndex(col), row);
    const int next = col + span.X + 1;
    if (col < FGrid->ColCount() - FGrid->FixedRightCols() - 1 &&
        FGrid->HasClickableObject(FGrid->RealColIndex(next), row)) {
        if (FGrid->ValidateCell(Text())) {
            FGrid->HideInplaceEdit();
            FGrid->SetCol(next);
        }
        return;
    }
    // Moving the current cell closes the edit and validates what it stored.
    WalkOneCell(true, Key);
}

void TExInplaceEdit::KeyUp(WORD& Key, TShiftState Shift) {
    if (FGrid->Navigation()->CursorWalkEditor() && !HasShiftKeys(Shift) && SelLength() == 0) {
        if (Key == VK_LEFT && SelStart() == 0 && FSelKeyDown == 0) WalkOutLeft(Key);
        else if (Key == VK_RIGHT && FSelKeyDown == ShownLength()) WalkOutRight(Key);
    }
    if (Key == VK_LEFT || Key == VK_RIGHT) return;
    TInplaceEdit::KeyUp(Key, Shift);
    if (!isVisible()) return;
    DoChange();
    SizeWhileTypingAfterKey();
}

void TExInplaceEdit::SizeWhileTypingAfterKey() {
    TSizeWhileTyping* sizing = FGrid->SizeWhileTyping();
    if (sizing->Width()) FGrid->SizeColumnToContent(FGrid->Col(), true);
    if (sizing->Height() && FGrid->WordWrap()) {
        TColumnSize* columnSize = FGrid->ColumnSize();
        const bool synch = columnSize->SynchWithGrid();
        columnSize->SetSynchWithGrid(false);
        FGrid->AutoSizeRow(FGrid->Row(), 0);
        columnSize->SetSynchWithGrid(synch);
        if (FGrid->OnEndRowSize) FGrid->OnEndRowSize(FGrid, FGrid->Row());
    }
}
