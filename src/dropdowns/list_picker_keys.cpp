#include "dropdowns/list_picker_keys.h"

namespace {

QChar TypedCharacterOf(WORD key) {
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9') || key == ' ') return QChar(key);
    if (key >= 0x60 && key <= 0x69) return QChar('0' + (key - 0x60));  // keypad digits
    return {};
}

}  // namespace

TListPickerKeys::TListPickerKeys() : FKeyTimer(CreateIntervalTimer()) {
    FKeyTimer->OnTick = [this] {
        FKeyTimer->Stop();
        FCurSearch.clear();
    };
}

TListPickerKeys::~TListPickerKeys() { FKeyTimer->Stop(); }

void TListPickerKeys::SelectInSelector(const TSide& Side, int Index) const {
    Side.Internal([&] { Side.Selector->SetItemIndex(Index); });
    Side.Selector->ScrollItemInView(Index);
}

void TListPickerKeys::HandleKey(WORD Key, TShiftState Shift, const TSide& Side) {
    TExCustomItemSelector* selector = Side.Selector;
    if (!selector) return;
    const int selected = selector->ItemIndex();
    switch (Key) {
    case VK_RETURN:
        break;
    case VK_PRIOR:
    case VK_NEXT: {
        if (selector->Items().Count() != Side.Count) Side.Refill();
        const int n = selector->GetVisibleItemCount();
        if (n <= 0) break;
        const int i = selector->ItemIndex();
        SelectInSelector(Side, Key == VK_PRIOR ? std::max(i - n, 0) : std::min(i + n, Side.Count - 1));
        break;
    }
    case VK_END:
        if (Side.Open) Side.Internal([&] { selector->SelectLast(); });
        else if (Side.Count > 0) Side.SelectClosed(Side.Count - 1);
        break;
    case VK_HOME:
        if (Side.Open) Side.Internal([&] { selector->SelectFirst(); });
        else if (Side.Count > 0) Side.SelectClosed(0);
        break;
    case VK_LEFT:
        if (Side.Open && !Side.EditorEnabled) Side.Internal([&] { selector->SelectPrevious(); });
        break;
    case VK_RIGHT:
        if (Side.Open && !Side.EditorEnabled) Side.Internal([&] { selector->SelectNext(); });
        break;
    case VK_UP:
        if (Side.Open) {
            const int target = selected < 0 ? 0 : selected - Side.Columns;
            if (target >= 0) SelectInSelector(Side, target);
        } else if (Side.Count > 0) {
            const int target = Side.ItemIndex < 0 ? 0 : Side.ItemIndex - 1;
            if (target >= 0) Side.SelectClosed(target);
        }
        break;
    case VK_DOWN:
        if (Side.Open) {
            const int target = selected < 0 ? 0 : selected + Side.Columns;
            if (target < Side.Count) SelectInSelector(Side, target);
        } else {
            const int target = Side.ItemIndex < 0 ? 0 : Side.ItemIndex + 1;
            if (target < Side.Count) Side.SelectClosed(target);
        }
        break;
    default: {
        if (Shift.Contains(ssCtrl)) break;
        const QChar typed = TypedCharacterOf(Key);
        if (typed.isNull()) break;
        FCurSearch += typed;
        Side.Internal([&] { selector->LookupItem(FCurSearch); });
        if (!FKeyTimer->Running()) FKeyTimer->Start(500);
        break;
    }
    }
}
