// Typing in the grid drop-down: completion in the edit, lookup and narrowing in the list,
// the edit's keys and the keys of the open list.

#include "dropdowns/grid_drop_down.h"

#include "dropdowns/drop_down_form.h"

namespace {

bool AltDown(TShiftState Shift) { return Shift.Contains(ssAlt) || KeyboardShiftState().Contains(ssAlt); }

bool IsNavigationKey(WORD Key) {
    return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_HOME || Key == VK_LEFT || Key == VK_UP ||
           Key == VK_RIGHT || Key == VK_DOWN;
}

// The keys the open list keeps for moving its current row.
bool StaysInList(WORD Key, TShiftState Shift) {
    return !AltDown(Shift) &&
           (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_HOME || Key == VK_UP || Key == VK_DOWN);
}

}  // namespace

bool TCustomExGridDropDown::FindLookupMatch(const QString& S, QString& Text, int& Index) const {
    Index = -1;
    Text.clear();
    if (S.isEmpty() || FLookupColumn < 0) return false;
    const Qt::CaseSensitivity sensitivity = FCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    if (FUseItems) {
        // The index answers only for the items it was built from.
        if (FLookupItemsChange == FItems->ChangeCount() && FLookupItems.Count() == FItems->Count()) {
            Index = FLookupItems.FindPrefix(S, FCaseSensitive);
            if (Index >= 0) Text = FLookupItems.Text(Index);
            return Index >= 0;
        }
        for (int i = 0; i < FItems->Count(); ++i) {
            const grid_drop_down::TDropDownItem* item = FItems->Items(i);
            if (!item->HasColumnText(FLookupColumn) || !item->Text()[FLookupColumn].startsWith(S, sensitivity)) continue;
            Index = i;
            Text = item->Text()[FLookupColumn];
            return true;
        }
        return false;
    }
    if (!FExColGrid) return false;
    for (int row = FExColGrid->FixedRows(); row < FExColGrid->RowCount(); ++row) {
        const QString cell = FExColGrid->Cells(FLookupColumn, row);
        if (!cell.startsWith(S, sensitivity)) continue;
        Index = row;
        Text = cell;
        return true;
    }
    return false;
}

int TCustomExGridDropDown::LookupChar(QChar C) {
    if (FLookupMethod == lmNone) return -1;
    if (C == QChar(8)) {
        if (SelLength() == 0) {
            FLookupEntry.chop(1);
            SetText(FLookupEntry);
        } else {
            const QString text = Text();
            SetText(text.left(SelStart()) + text.mid(SelStart() + SelLength()));
        }
        SetSel(Text().size(), Text().size());
        return -1;
    }
    if (C != QChar(9)) FLookupEntry.append(C);
    const QString s = FLookupEntry.trimmed();
    if (FLookupMethod == lmNarrowDown) {
        if (!FExColGrid) return -1;
        if (s.isEmpty()) {
            FExColGrid->RemoveAllFilters();
        } else {
            FExColGrid->SetFixedRowAlways(true);
            FExColGrid->NarrowDown(s, FLookupColumn);
            if (FStyle == dsDropDown && DataRowCount() > 0) {
                SetText(FExColGrid->Cells(FLookupColumn, FExColGrid->FixedRows()));
                SetSel(Text().size(), FLookupEntry.size());
            }
        }
        return FExColGrid->FixedRows();
    }
    QString text;
    int index = -1;
    // An index from the list rows is a grid row; ItemIndex counts data rows.
    const auto take = [&] {
        FItemIndex = FUseItems || !FExColGrid ? index : index - FExColGrid->FixedRows();
        SetText(text);
    };
    if (FindLookupMatch(s, text, index)) {
        take();
        if (FStyle == dsDropDown) SetSel(Text().size(), FLookupEntry.size());
        return index;
    }
    if (FStyle == dsDropDown) return -1;
    if (FindLookupMatch(QString(C), text, index)) {
        take();
        FLookupEntry = QString(C);
        return index;
    }
    FLookupEntry.clear();
    return -1;
}

void TCustomExGridDropDown::DoEnter() {
    TExCustomDropDown::DoEnter();
    if (FExColGrid) FExColGrid->RemoveAllFilters();
    FLookupEntry.clear();
    FOldValue = Text();
}

void TCustomExGridDropDown::Change() {
    TExCustomDropDown::Change();
    if (!FWorkMode || Designing() || FLookupItems.Empty()) return;
    const TTypingCompletion::TMatch match = FCompletion.Run(*this, FOldValue, [this](const QString& Typed) {
        const int found = FLookupItems.FindPrefix(Typed, FMatchCase);
        return TTypingCompletion::TMatch{found, found >= 0 ? FLookupItems.Text(found) : QString()};
    });
    // The list may be older than the items: an index is kept only for an item that is there.
    if (match.Index >= 0 && match.Index < (FUseItems ? FItems->Count() : DataRowCount())) FItemIndex = match.Index;
}

void TCustomExGridDropDown::LookupOnEnter() {
    const int found = FLookupItems.FindText(Text(), false);
    if (found < 0) return;
    SetTextDirect(FLookupItems.Text(found));
    if (found < FItems->Count()) FItemIndex = found;
    Change();
}

void TCustomExGridDropDown::WMKeyDown(TWMKey& Message) {
    const WORD key = Message.CharCode;
    const TShiftState shift = Message.Shift;
    // Closing the pop-up by Enter takes the list's current row.
    if (key == VK_RETURN && FExColGrid) FExColGrid->SetConfirmSelection(true);
    // Ahead of the base, which with typing off lets only Enter and Esc through: deleting
    // must not complete again, any other key turns completion back on.
    if (LookupActive()) {
        if (key != VK_RETURN) FWorkMode = !(key == VK_BACK || key == VK_ESCAPE || key == VK_DELETE);
        else LookupOnEnter();
        if (key == VK_ESCAPE || IsNavigationKey(key)) FLookupEntry.clear();
    }
    TExCustomDropDown::WMKeyDown(Message);
    if (LookupActive() && key == VK_ESCAPE && FUseItems) {
        const int found = FLookupItems.FindText(Text(), false);
        SetItemIndex(found < FItems->Count() ? found : -1);
    }
    if (!isEnabled() || AltDown(shift)) return;
    switch (key) {
        case VK_PRIOR:
        case VK_NEXT:
        case VK_UP:
        case VK_DOWN:
            FLookupEntry.clear();
            MoveSelection(key);
            break;
        case VK_END:
        case VK_HOME:
            FLookupEntry.clear();
            if (!shift.Contains(ssShift) && FStyle == dsDropDownList) MoveSelection(key);
            break;
        default: break;
    }
}

void TCustomExGridDropDown::KeyPress(QChar& Key) {
    if (Key == QChar(13) && ReturnIsTab()) {
        Key = QChar();
        return;
    }
    TExCustomDropDown::KeyPress(Key);
}

void TCustomExGridDropDown::WMChar(TWMKey& Message) {
    const QChar c(Message.CharCode);
    // A Backspace over a selection only removes it: the base does that already.
    const bool removesSelection = c == QChar(8) && SelLength() > 0;
    FCompletion.AroundTypedChar(*this, [&] { TExCustomDropDown::WMChar(Message); });
    if (!removesSelection && c != QChar(13) && c != QChar(27)) LookupChar(c);
    if (FAutoShowDropDown && !PopUpVisible() && c != QChar(13) && c != QChar(27)) DoShowDropDown();
}

void TCustomExGridDropDown::KeyUp(WORD& Key, TShiftState Shift) {
    if (!(Key == VK_RETURN && ReturnIsTab())) TExCustomDropDown::KeyUp(Key, Shift);
    if (!FCompletion.ItemChange) return;
    if (FCompletion.ItemIdx < FItems->Count()) SetItemIndex(FCompletion.ItemIdx);
    SetSel(Text().size(), FCompletion.ItemSel);
    FCompletion.ItemChange = false;
}

void TCustomExGridDropDown::ControlKeyDown(WORD& Key, TShiftState Shift) {
    // Enter is the list's: it chooses the current row there, once.
    if (!StaysInList(Key, Shift) && Key != VK_RETURN) TExCustomDropDown::ControlKeyDown(Key, Shift);
    if (OnGridKeyDown) OnGridKeyDown(this, Key, Shift);
}

void TCustomExGridDropDown::ControlKeyUp(WORD& Key, TShiftState Shift) {
    if (StaysInList(Key, Shift)) FLookupEntry.clear();
    else TExCustomDropDown::ControlKeyUp(Key, Shift);
    if (OnGridKeyUp) OnGridKeyUp(this, Key, Shift);
}

void TCustomExGridDropDown::ControlKeyPress(QChar& Key) {
    const bool closing = (Key == QChar(13) || Key == QChar(27)) && !KeyboardShiftState().Contains(ssAlt);
    if (closing || FGridEditable) {
        FLookupEntry.clear();
    } else if (FExColGrid) {
        int row = LookupChar(Key);
        // A found item is shown by the row that holds its number, wherever sorting put it.
        if (row >= 0 && FLookupMethod == lmLookup) row = FUseItems ? FExColGrid->RowOfItem(row) : row;
        if (row < FExColGrid->FixedRows() || row >= FExColGrid->RowCount()) {
            FLookupEntry.clear();
        } else {
            FPlacingRow = true;
            MakeRowCurrent(row);
            FPlacingRow = false;
        }
    }
    if (OnGridKeyPress) OnGridKeyPress(this, Key);
    if (!FGridEditable) Key = QChar();
}
