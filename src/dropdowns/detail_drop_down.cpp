#include "dropdowns/detail_drop_down.h"

#include "dropdowns/drop_down_form.h"

namespace {

TFont FontOf(const QWidget* Widget) {
    TFont font;
    font.Name = Widget->font().family();
    if (Widget->font().pointSize() > 0) font.Size = Widget->font().pointSize();
    return font;
}

bool IsListNavigationKey(WORD Key) {
    return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_LEFT || Key == VK_UP || Key == VK_RIGHT || Key == VK_DOWN;
}

}  // namespace

TExDetailDropDown::TExDetailDropDown(TComponent* AOwner, QWidget* AParent)
    : TListPickerDropDown(AOwner, AParent), FCaptionFont(FontOf(this)), FNotesFont(FontOf(this)) {
    // The items' change notice is bound but has nothing to do: the list is rebuilt at
    // every drop-down.
    FItems.OnChange = [](TObject*) {};
    SetEditorEnabled(true);
    SetDropDownEnabled(true);
}

TExDetailDropDown::~TExDetailDropDown() = default;

void TExDetailDropDown::SelectFirst() {
    if (FItems.Count() > 0) SetItemIndex(0);
}

void TExDetailDropDown::SelectLast() {
    if (FItems.Count() > 0) SetItemIndex(FItems.Count() - 1);
}

void TExDetailDropDown::SelectNext() {
    if (FItems.Count() == 0) return;
    if (FItemIndex < 0) SetItemIndex(0);
    else if (FItemIndex + 1 < FItems.Count()) SetItemIndex(FItemIndex + 1);
}

void TExDetailDropDown::SelectPrevious() {
    if (FItems.Count() == 0) return;
    if (FItemIndex < 0) SetItemIndex(0);
    else if (FItemIndex > 0) SetItemIndex(FItemIndex - 1);
}

void TExDetailDropDown::SetItemIndex(int Value) {
    if (Value == FItemIndex) return;
    if (Value >= 0 && Value < FItems.Count()) {
        FItemIndex = Value;
        ShowItem(Value);
        if (OnSelect) OnSelect(this);
    } else if (Value == -1) {
        SetText(QString());
        FItemIndex = -1;
    }
}

void TExDetailDropDown::ShowItem(int Index) {
    SetText(FItems.Items(Index)->Caption());
    SelectAll();
    update();
    if (FItemSelector) FItemSelector->update();
}

void TExDetailDropDown::SetListItemIndex(int Value) {
    // The selector's choice shows its caption even when it is already the item: a
    // lookup may have left a text in another case.
    SetItemIndex(Value);
    if (Value >= 0 && Value < FItems.Count()) ShowItem(Value);
}

void TExDetailDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    const bool made = FItemSelector != nullptr;
    CreateListSelector();
    if (made) return;
    FItemSelector->OnDrawItem = [this](TObject*, TCanvas& Canvas, TRect& R, int Index) { DrawItem(Canvas, R, Index); };
    FItemSelector->OnItemSize = [this](TObject*, TSize& ASize) { SizeItem(ASize); };
    FItemSelector->UpdateSelectorPanel();
}

void TExDetailDropDown::FillSelector() {
    ResetSelector(1);
    TSelectorItems& entries = FItemSelector->Items();
    for (int i = 0; i < FItems.Count(); ++i) {
        const TDetailItem* item = FItems.Items(i);
        TSelectorItem* entry = entries.Add();
        entry->SetCaption(item->Caption());
        entry->SetImage(item->Image());
        entry->SetImageIndex(item->ImageIndex());
    }
    FinishSelectorFill();
}

void TExDetailDropDown::BeforeDropDown() {
    TExCustomDropDown::BeforeDropDown();
    if (FItemSelector) FillSelector();
    FOldItemIndex = FItemIndex;
}

void TExDetailDropDown::DoShowDropDown() {
    TExCustomDropDown::DoShowDropDown();
    if (PopUpVisible() && FItemSelector) FItemSelector->setFocus();
}

void TExDetailDropDown::AdaptDropDownSize() {
    if (FItemSelector) {
        if (FDropDownWidth <= 0) FItemSelector->resize(width(), FItemSelector->height());
        if (FDropDownHeight <= 0) FItemSelector->resize(FItemSelector->width(), 100);
        FItemSelector->UpdateSelectorPanel();
    }
    TExCustomDropDown::AdaptDropDownSize();
}

void TExDetailDropDown::DoHideDropDown(bool Cancel) {
    TExCustomDropDown::DoHideDropDown(Cancel);
    if (Cancel && FItemSelector && FOldItemIndex != -1) SetItemIndex(FOldItemIndex);
}

void TExDetailDropDown::DropDownSizing() {
    if (FItemSelector) FItemSelector->UpdateSelectorPanel();
}

void TExDetailDropDown::HandleWheelDown() {
    if (PopUpVisible() && FItemSelector) {
        const int target = FItemSelector->ItemIndex() < 0 ? 0 : FItemSelector->ItemIndex() + 1;
        if (target < FItemSelector->Items().Count()) {
            InternalMove([&] { FItemSelector->SetItemIndex(target); });
            FItemSelector->ScrollItemInView(target);
            update();
        }
    } else {
        SelectNext();
    }
}

void TExDetailDropDown::HandleWheelUp() {
    if (PopUpVisible() && FItemSelector) {
        const int target = FItemSelector->ItemIndex() < 0 ? 0 : FItemSelector->ItemIndex() - 1;
        if (target >= 0) {
            InternalMove([&] { FItemSelector->SetItemIndex(target); });
            FItemSelector->ScrollItemInView(target);
            update();
        }
    } else {
        SelectPrevious();
    }
}

void TExDetailDropDown::WMKeyDown(TWMKey& Message) {
    const WORD key = Message.CharCode;
    const TShiftState shift = Message.Shift;
    // Ahead of the base, which with typing off lets only Enter and Esc reach KeyDown:
    // deleting must not complete again, any other key turns the lookup back on.
    if (FItems.Count() > 0 && key != VK_RETURN)
        FWorkMode = !(key == VK_BACK || key == VK_ESCAPE || key == VK_DELETE);
    const bool active = isEnabled() && !shift.Contains(ssAlt) && !KeyboardShiftState().Contains(ssAlt);
    if (active && PopUpVisible() && IsListNavigationKey(key)) {
        RunListKey(key, shift);
        update();
        return;
    }
    TExCustomDropDown::WMKeyDown(Message);
    if (!active || key == VK_RETURN) return;
    // With the editor on, Home and End of a closed list move the caret only.
    if (!PopUpVisible() && FEditorEnabled && (key == VK_HOME || key == VK_END)) return;
    RunListKey(key, shift);
}

void TExDetailDropDown::KeyDown(WORD& Key, TShiftState Shift) {
    if (FItems.Count() > 0 && Key == VK_RETURN) {
        const int found = FItems.IndexOf(Text());
        if (found >= 0) {
            SetText(FItems.Items(found)->Caption());
            FItemIndex = found;
            Lookup();
        }
    }
    const WORD key = Key;
    TExCustomDropDown::KeyDown(Key, Shift);
    if (FItems.Count() > 0 && key == VK_ESCAPE) {
        const int found = FItems.IndexOf(Text());
        if (found >= 0) SetItemIndex(found);
    }
}

void TExDetailDropDown::KeyUp(WORD& Key, TShiftState Shift) {
    TExCustomDropDown::KeyUp(Key, Shift);
    if (!FCompletion.ItemChange) return;
    SetItemIndex(FCompletion.ItemIdx);
    SetSel(Text().size(), FCompletion.ItemSel);
    FCompletion.ItemChange = false;
}

void TExDetailDropDown::Change() {
    TExCustomDropDown::Change();
    if (FWorkMode && !Designing()) Lookup();
}

void TExDetailDropDown::DoEnter() {
    TExCustomDropDown::DoEnter();
    FOldValue = Text();
}

void TExDetailDropDown::Lookup() {
    const TTypingCompletion::TMatch match = FCompletion.Run(*this, FOldValue, [this](const QString& Typed) {
        const QString key = FMatchCase ? Typed : Typed.toUpper();
        for (int i = 0; i < FItems.Count(); ++i) {
            const QString& caption = FItems.Items(i)->Caption();
            if ((FMatchCase ? caption : caption.toUpper()).startsWith(key)) return TTypingCompletion::TMatch{i, caption};
        }
        return TTypingCompletion::TMatch{};
    });
    if (match.Index >= 0) FItemIndex = match.Index;
}

void TExDetailDropDown::WMChar(TWMKey& Message) {
    FCompletion.AroundTypedChar(*this, [&] { TExCustomDropDown::WMChar(Message); });
}
