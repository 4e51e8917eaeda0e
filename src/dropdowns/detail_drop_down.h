#pragma once
// A drop-down edit whose pop-up lists detail items (caption, picture, mini-HTML notes)
// in an item selector painted by this control. The edit shows the selected item's
// caption; typing completes the text from the captions (lookup while typing): the
// first caption in list order that starts with the text up to the caret wins, and its
// rest is appended selected. Keys in the open list: list_picker_keys.h.
//
// "Modified" means changed since the control was entered: the lookup compares with the
// text held at focus entry.

#include "dropdowns/detail_items.h"
#include "dropdowns/list_picker_drop_down.h"
#include "dropdowns/typing_completion.h"

using TOnDrawSelectedItem = std::function<void(TObject* Sender, TCanvas& Canvas, TRect R)>;

class TExDetailDropDown : public TListPickerDropDown {
public:
    explicit TExDetailDropDown(TComponent* AOwner, QWidget* AParent = nullptr);
    ~TExDetailDropDown() override;

    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();

    TDetailItems& Items() { return FItems; }
    void SetItems(const TDetailItems& Value) { FItems.Assign(&Value); }
    int ItemIndex() const { return FItemIndex; }
    // A valid other index shows its caption and fires OnSelect; -1 empties the text
    // silently; anything else is ignored.
    void SetItemIndex(int Value);
    int ItemHeight() const { return FItemHeight; }
    void SetItemHeight(int Value) { FItemHeight = Value; }
    TFont& CaptionFont() { return FCaptionFont; }
    void SetCaptionFont(const TFont& Value) { FCaptionFont = Value; }
    TFont& NotesFont() { return FNotesFont; }
    void SetNotesFont(const TFont& Value) { FNotesFont = Value; }
    bool MatchCase() const { return FMatchCase; }
    void SetMatchCase(bool Value) { FMatchCase = Value; }
    // Stored only: the lookup always matches at the start of a caption.
    bool MatchStart() const { return FMatchStart; }
    void SetMatchStart(bool Value) { FMatchStart = Value; }

    TNotifyEvent OnSelect;
    // When set, paints every list item in place of the built-in painting.
    TOnDrawSelectedItem OnDrawSelectedImage;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void DoShowDropDown() override;
    void AdaptDropDownSize() override;
    void DoHideDropDown(bool Cancel) override;
    void DropDownSizing() override;
    void HandleWheelDown() override;
    void HandleWheelUp() override;
    void WMKeyDown(TWMKey& Message) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void WMChar(TWMKey& Message) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void Change() override;
    void DoEnter() override;

    int ListCount() const override { return FItems.Count(); }
    int ListItemIndex() const override { return FItemIndex; }
    void SetListItemIndex(int Value) override;
    void FillSelector() override;

private:
    // The selector's OnItemSize and OnDrawItem (detail_item_painting.cpp).
    void SizeItem(TSize& ASize) const;
    void DrawItem(TCanvas& Canvas, TRect R, int Index) const;
    void ShowItem(int Index);
    void Lookup();

    TDetailItems FItems{this};
    int FItemIndex = -1;
    int FItemHeight = 22;
    TFont FCaptionFont;
    TFont FNotesFont;
    bool FWorkMode = true;
    // The latest completion (its flag, item and typed length).
    TTypingCompletion FCompletion;
    QString FOldValue;
    bool FMatchCase = false;
    bool FMatchStart = false;
};
