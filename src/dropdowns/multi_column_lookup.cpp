// Typing in the multi-column drop-down: lookup while typing, the edit's keys, and the
// search typed into the open list.

#include "dropdowns/multi_column_drop_down.h"

#include "dropdowns/drop_down_form.h"

namespace {

bool AltDown(TShiftState Shift) { return Shift.Contains(ssAlt) || KeyboardShiftState().Contains(ssAlt); }

bool StaysInList(WORD Key, TShiftState Shift) {
    return !AltDown(Shift) && (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN);
}

}  // namespace

void TExMultiColumnDropDown::DoEnter() {
    TExCustomDropDown::DoEnter();
    FOldValue = Text();
}

void TExMultiColumnDropDown::Change() {
    TExCustomDropDown::Change();
    if (FWorkMode && !Designing() && !FLookupItems.Empty()) Lookup();
}

void TExMultiColumnDropDown::Lookup() {
    const TTypingCompletion::TMatch match = FCompletion.Run(*this, FOldValue, [this](const QString& Typed) {
        const int found = FLookupItems.FindPrefix(Typed, FMatchCase);
        return TTypingCompletion::TMatch{found, found >= 0 ? FLookupItems.Text(found) : QString()};
    });
    // The list may be older than the items: an index is kept only for an item that is there.
    if (match.Index >= 0 && match.Index < FItems.Count()) FItemIndex = match.Index;
}

void TExMultiColumnDropDown::WMChar(TWMKey& Message) {
    FCompletion.AroundTypedChar(*this, [&] { TExCustomDropDown::WMChar(Message); });
}

void TExMultiColumnDropDown::LookupOnEnter() {
    const int found = FLookupItems.FindText(Text(), false);
    if (found < 0) return;
    SetTextDirect(FLookupItems.Text(found));
    if (found < FItems.Count()) FItemIndex = found;
    Lookup();
}

void TExMultiColumnDropDown::WMKeyDown(TWMKey& Message) {
    const WORD key = Message.CharCode;
    const TShiftState shift = Message.Shift;
    // Ahead of the base, which with typing off lets only Enter and Esc through: deleting
    // must not complete again, any other key turns the lookup back on.
    if (LookupActive()) {
        if (key != VK_RETURN) FWorkMode = !(key == VK_BACK || key == VK_ESCAPE || key == VK_DELETE);
        else LookupOnEnter();
    }
    TExCustomDropDown::WMKeyDown(Message);
    if (LookupActive() && key == VK_ESCAPE) {
        const int found = FLookupItems.FindText(Text(), false);
        SetItemIndex(found < FItems.Count() ? found : -1);
    }
    if (isEnabled() && !AltDown(shift)) MoveSelection(key);
}

void TExMultiColumnDropDown::KeyUp(WORD& Key, TShiftState Shift) {
    TExCustomDropDown::KeyUp(Key, Shift);
    if (!FCompletion.ItemChange) return;
    if (FCompletion.ItemIdx < FItems.Count()) SetItemIndex(FCompletion.ItemIdx);
    SetSel(Text().size(), FCompletion.ItemSel);
    FCompletion.ItemChange = false;
}

void TExMultiColumnDropDown::ControlKeyDown(WORD& Key, TShiftState Shift) {
    if (StaysInList(Key, Shift)) return;
    TExCustomDropDown::ControlKeyDown(Key, Shift);
}

void TExMultiColumnDropDown::ControlKeyUp(WORD& Key, TShiftState Shift) {
    if (StaysInList(Key, Shift)) return;
    TExCustomDropDown::ControlKeyUp(Key, Shift);
}

void TExMultiColumnDropDown::ControlKeyPress(QChar& Key) {
    const bool alt = KeyboardShiftState().Contains(ssAlt);
    if (alt || (Key != QChar(13) && Key != QChar(27))) PopUpSearch(Key);
    Key = QChar();
}

void TExMultiColumnDropDown::PopUpSearch(QChar Key) {
    if (Key == QChar(8)) {
        if (SelLength() == 0) {
            FLookupEntry.chop(1);
            SetText(FLookupEntry);
        } else {
            const QString text = Text();
            SetText(text.left(SelStart()) + text.mid(SelStart() + SelLength()));
        }
        SetSel(Text().size(), Text().size());
        FLookupEntry.clear();
        return;
    }
    if (Key != QChar(9)) FLookupEntry.append(Key);
    int found = FindPopUpItem(FLookupEntry);
    if (found >= 0) {
        FItemIndex = found;
        SetText(LookupText(found));
        SetSel(Text().size(), FLookupEntry.size());
    } else {
        found = Key == QChar(9) ? -1 : FindPopUpItem(QString(Key));
        if (found >= 0) {
            FItemIndex = found;
            SetText(LookupText(found));
            FLookupEntry = QString(Key);
        } else {
            FLookupEntry.clear();
        }
    }
    if (found >= 0) ShowFoundRow(found);
}

int TExMultiColumnDropDown::FindPopUpItem(const QString& Entry) {
    if (FLookupColumn < 0) return -1;
    if (!FPopUpLookupBuilt) {
        QStringList texts;
        texts.reserve(FItems.Count());
        for (int i = 0; i < FItems.Count(); ++i) texts.append(LookupText(i));
        FPopUpLookup.Assign(std::move(texts));
        FPopUpLookupBuilt = true;
    }
    const int found = FPopUpLookup.FindPrefix(Entry, FCaseSensitive);
    return found < FItems.Count() ? found : -1;
}

void TExMultiColumnDropDown::ShowFoundRow(int Item) {
    if (!FExColGrid) return;
    const int row = Item + FExColGrid->FixedRows();
    if (row < FExColGrid->TopRow() || row >= FExColGrid->TopRow() + FExColGrid->VisibleRowCount())
        FExColGrid->SetTopRow(row);
    // The row shows the found item already; the move must not take it over again.
    const bool showing = FShowing;
    FShowing = true;
    FExColGrid->SetRow(row);
    FExColGrid->SetCol(0);
    FShowing = showing;
}
