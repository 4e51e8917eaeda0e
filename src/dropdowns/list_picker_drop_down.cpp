#include "dropdowns/list_picker_drop_down.h"

#include "dropdowns/drop_down_form.h"
#include "dropdowns/dropdown_styles.h"
#include "dropdowns/list_picker_sizing.h"

void TListPickerDropDown::SetComponentStyle(TZRTStyle AStyle) {
    TExCustomDropDown::SetComponentStyle(AStyle);
    SetItemAppearanceStyle(&FItemAppearance, AStyle);
}

void TListPickerDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
    TExCustomDropDown::SetSelectionColorStyle(Value);
    if (FItemSelector) FItemSelector->ItemAppearance().SetColorStyle(Value);
}

void TListPickerDropDown::InternalMove(const std::function<void()>& Move) {
    FInternalCall = true;
    Move();
    FInternalCall = false;
}

bool TListPickerDropDown::SelectHotOnEnter(WORD Key) {
    if (!isEnabled() || !PopUpVisible() || Key != VK_RETURN || !FItemSelector || FItemSelector->ItemHot() < 0) return false;
    FItemSelector->SetItemIndex(FItemSelector->ItemHot());
    return true;
}

void TListPickerDropDown::RunListKey(WORD Key, TShiftState Shift) {
    TListPickerKeys::TSide side;
    side.Selector = FItemSelector;
    side.Count = ListCount();
    side.Columns = FColumns;
    side.ItemIndex = ListItemIndex();
    side.Open = PopUpVisible();
    side.EditorEnabled = FEditorEnabled;
    side.Refill = [this] { FillSelector(); };
    side.SelectClosed = [this](int Index) { SetListItemIndex(Index); };
    side.Internal = [this](const std::function<void()>& Move) { InternalMove(Move); };
    FListKeys.HandleKey(Key, Shift, side);
}

void TListPickerDropDown::ListWheel(bool Down) {
    if (!isEnabled() || ReadOnly() || !FItemSelector) return;
    if (PopUpVisible()) {
        if (Down) FItemSelector->HotNext();
        else FItemSelector->HotPrevious();
    } else {
        InternalMove([&] {
            if (Down) FItemSelector->SelectNext();
            else FItemSelector->SelectPrevious();
        });
    }
}

void TListPickerDropDown::ListSelected() {
    SetListItemIndex(FItemSelector->ItemIndex());
    if (!FInternalCall) DoHideDropDown(false);
}

void TListPickerDropDown::AdaptListDropDownSize() {
    SizeListSelector(FItemSelector, FDropDownWidth, FDropDownHeight);
    TExCustomDropDown::AdaptDropDownSize();
    FitPopUpToListSelector(DropDownForm(), FItemSelector, FDropDownWidth, DropDownBorderWidth());
}

void TListPickerDropDown::CreateListSelector() {
    if (!FItemSelector) {
        FItemSelector = new TExCustomItemSelector(this, DropDownForm());
        FItemSelector->SetSelectorType(stImage);
        FItemSelector->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        FItemSelector->setGeometry(0, 0, FItemSelector->width(), 150);
    }
    FItemSelector->setAutoFillBackground(true);
    QPalette palette = FItemSelector->palette();
    palette.setColor(QPalette::Window, ToQColor(DropDownColor()));
    FItemSelector->setPalette(palette);
    FItemSelector->UpdateSelectorPanel();
    SetControl(FItemSelector);
}

void TListPickerDropDown::ResetSelector(int Columns) {
    FItemSelector->OnItemSelect = nullptr;
    FItemSelector->SetColumns(Columns);
    FItemSelector->SetImages(Images());
    FItemSelector->SetItemLayout(FLayout);
    QPalette palette = FItemSelector->palette();
    palette.setColor(QPalette::Window, ToQColor(DropDownColor()));
    FItemSelector->setPalette(palette);
    FItemSelector->SetItemAppearance(FItemAppearance);
    FItemSelector->Items().Clear();
}

void TListPickerDropDown::FinishSelectorFill() {
    FItemSelector->UpdateSelectorPanel();
    if (ListItemIndex() >= 0) FItemSelector->SetItemIndex(ListItemIndex());
    FItemSelector->OnItemSelect = [this](TObject*) { ListSelected(); };
}
