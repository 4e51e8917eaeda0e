#pragma once
// What the list-style pickers (the colour picker, the image picker) share: the item
// selector in the pop-up, its columns, layout and look, the key table and type-ahead
// (list_picker_keys.h), the wheel, and moves of the selector that keep the pop-up open.

#include "dropdowns/drop_down_edit.h"
#include "dropdowns/item_selector.h"
#include "dropdowns/list_picker_keys.h"

class TListPickerDropDown : public TExCustomDropDown {
public:
    using TExCustomDropDown::TExCustomDropDown;

    int Columns() const { return FColumns; }
    void SetColumns(int Value) { FColumns = Value; }
    TItemLayout Layout() const { return FLayout; }
    void SetLayout(TItemLayout Value) { FLayout = Value; }
    TItemAppearance& ItemAppearance() { return FItemAppearance; }
    void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance.Assign(&Value); }
    TExCustomItemSelector* ItemSelector() const { return FItemSelector; }
    // The type-ahead text of the open list.
    const QString& CurrentSearch() const { return FListKeys.CurrentSearch(); }

    void SetComponentStyle(TZRTStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;

protected:
    // The picker's items, its selection and how the selector is filled from them.
    virtual int ListCount() const = 0;
    virtual int ListItemIndex() const = 0;
    virtual void SetListItemIndex(int Value) = 0;
    virtual void FillSelector() = 0;

    // Runs a move of the selector with FInternalCall set, so the pop-up stays open.
    void InternalMove(const std::function<void()>& Move);
    // Enter on the hot entry of the open list selects it; true when it did.
    bool SelectHotOnEnter(WORD Key);
    // The key table after the base's key handling.
    void RunListKey(WORD Key, TShiftState Shift);
    void ListWheel(bool Down);
    // The selector's selection: the picker follows, and the pop-up closes unless the
    // picker itself moved it.
    void ListSelected();
    void AdaptListDropDownSize();
    // Makes the pop-up's item selector once and makes it the pop-up's control.
    void CreateListSelector();
    // Detaches the selector's selection and gives it the picker's images, layout, colour
    // and look with no entries; FinishSelectorFill lays the entries out, selects the
    // picker's item and attaches the selection again.
    void ResetSelector(int Columns);
    void FinishSelectorFill();

    TExCustomItemSelector* FItemSelector = nullptr;
    int FColumns = 1;
    TItemLayout FLayout = ilCaptionRight;
    TItemAppearance FItemAppearance{this};
    bool FInternalCall = false;
    TListPickerKeys FListKeys;
    int FOldItemIndex = -1;
};
