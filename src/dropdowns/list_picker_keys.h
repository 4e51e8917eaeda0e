#pragma once
// The key table that the list-style pickers (the colour picker's list, the image
// picker) share, with their type-ahead. The picker says what its selector, items and
// own selection are; a selection in the open selector runs through Internal, which the
// picker wraps in its FInternalCall so that its pop-up stays open while the selection
// moves live.
//
// Type-ahead: each key's character, upper-cased as a letter's key code is, is appended
// to the search text; keys that type no character (Shift, function and navigation keys)
// add nothing. The text empties 500 ms after the first key of a burst.

#include "dropdowns/item_selector.h"
#include "platform/interval_timer.h"

#include <functional>
#include <memory>

class TListPickerKeys {
public:
    struct TSide {
        TExCustomItemSelector* Selector = nullptr;
        int Count = 0;
        int Columns = 1;
        // The picker's own selection, which the keys move while the pop-up is closed.
        int ItemIndex = -1;
        bool Open = false;
        bool EditorEnabled = false;
        std::function<void()> Refill;
        std::function<void(int)> SelectClosed;
        std::function<void(const std::function<void()>&)> Internal;
    };

    TListPickerKeys();
    ~TListPickerKeys();
    const QString& CurrentSearch() const { return FCurSearch; }
    // Every key of the table but Enter, which the pickers answer themselves.
    void HandleKey(WORD Key, TShiftState Shift, const TSide& Side);

private:
    void SelectInSelector(const TSide& Side, int Index) const;

    std::unique_ptr<TIntervalTimer> FKeyTimer;
    QString FCurSearch;
};
