#pragma once
// The scrolling list of items that the list-style pickers show in their pop-ups.
// TExCustomItemSelector owns the items, the settings and the look, and scrolls; the
// panel inside it, TCustomItemSelector, lays the items out in Columns per row, sizes
// itself to them, paints them and finds the item under a point. The item under the
// pointer is hot, the chosen one selected; a selection raises OnItemSelect.

#include "dropdowns/item_appearance.h"
#include "dropdowns/selector_items.h"
#include "platform/custom_control.h"
#include "platform/scrolling_control.h"

class TCustomImageList;
class TCustomItemSelector;

enum TSelectorType { stImage, stColor };

using TDrawItemEvent = std::function<void(TObject* Sender, TCanvas& Canvas, TRect& R, int Index)>;
using TItemSizeEvent = std::function<void(TObject* Sender, TSize& ASize)>;

class TExCustomItemSelector : public TScrollingWinControl {
public:
    explicit TExCustomItemSelector(TComponent* AOwner, QWidget* AParent = nullptr);
    ~TExCustomItemSelector() override;

    TSelectorItems& Items() { return FItems; }
    void SetItems(const TSelectorItems& Value) { FItems.Assign(&Value); }
    TSelectorType SelectorType() const { return FSelectorType; }
    void SetSelectorType(TSelectorType Value);
    // Takes effect at the next layout.
    TItemLayout ItemLayout() const { return FItemLayout; }
    void SetItemLayout(TItemLayout Value) { FItemLayout = Value; }
    int Columns() const { return FColumns; }
    // Values below 1 are ignored.
    void SetColumns(int Value);
    int ColorBoxWidth() const { return FColorBoxWidth; }
    void SetColorBoxWidth(int Value);
    int ColorBoxHeight() const { return FColorBoxHeight; }
    void SetColorBoxHeight(int Value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    TItemAppearance& ItemAppearance() { return FItemAppearance; }
    void SetItemAppearance(const TItemAppearance& Value) { FItemAppearance.Assign(&Value); }
    TCustomItemSelector* ItemSelectorPanel() const { return FItemSelectorPanel; }

    // The panel's selected and hot items; -1 for none.
    int ItemIndex() const;
    // Selects the item and scrolls it into view.
    void SetItemIndex(int Value);
    int ItemHot() const;

    // Lays the items out again; the pickers call it after filling the items.
    void UpdateSelectorPanel();
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    // Selects the first item whose plain caption, trimmed and upper-cased, starts with s.
    bool LookupItem(const QString& s);
    // Scrolls vertically until the item is wholly visible (its top first).
    void ScrollItemInView(int Index);
    // How many items fit the control's height, in whole rows, times Columns.
    int GetVisibleItemCount() const;
    // The panel's size; the pickers size their pop-up from it.
    void GetSelectorSize(TSize& ASize) const;

    TNotifyEvent OnItemSelect;
    // Replaces the drawing of an item's content (its background is painted first).
    TDrawItemEvent OnDrawItem;
    // Gives the size of every item instead of measuring their contents.
    TItemSizeEvent OnItemSize;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // Runs one of the panel's moves, then scrolls the selected (or hot) item into view.
    void MoveAndScroll(void (TCustomItemSelector::*Move)(), bool Hot);

    TSelectorItems FItems;
    TSelectorType FSelectorType = stImage;
    TItemLayout FItemLayout = ilCaptionRight;
    int FColumns = 1;
    int FColorBoxWidth = 14;
    int FColorBoxHeight = 14;
    TCustomImageList* FImages = nullptr;
    TCustomItemSelector* FItemSelectorPanel = nullptr;
    TItemAppearance FItemAppearance;
};

class TCustomItemSelector : public TCustomControl {
public:
    // Raises Exception "Invalid parent" unless AOwner is a TExCustomItemSelector.
    explicit TCustomItemSelector(TComponent* AOwner);

    int ItemIndex() const { return FItemIndex; }
    // A disabled item or an index outside the items changes nothing; selecting raises
    // OnItemSelect, also for the item already selected.
    void SetItemIndex(int Value);
    int ItemHot() const { return FItemHot; }
    void SetItemHot(int Index);
    // The first item containing the point; -1 for none.
    int ItemAtPos(int X, int Y) const;
    // (-1, -1, -1, -1) for an invalid index.
    void GetItemRect(int Index, TRect& R) const;
    void SelectFirst();
    void SelectLast();
    void SelectNext();
    void SelectPrevious();
    void HotNext();
    void HotPrevious();
    bool LookupItem(const QString& s);

    int Columns() const { return FExItemSelector->Columns(); }
    TSelectorItems& Items() const { return FExItemSelector->Items(); }
    TSelectorType SelectorType() const { return FExItemSelector->SelectorType(); }
    TItemLayout ItemLayout() const { return FExItemSelector->ItemLayout(); }
    TCustomImageList* Images() const { return FExItemSelector->Images(); }
    TSelectionColorStyle ItemColorStyle() const { return FExItemSelector->ItemAppearance().ColorStyle(); }
    TColor ItemColorHot() const { return FExItemSelector->ItemAppearance().ColorHot(); }
    TColor ItemColorHotTo() const { return FExItemSelector->ItemAppearance().ColorHotTo(); }
    TColor ItemColorSelected() const { return FExItemSelector->ItemAppearance().ColorSelected(); }
    TColor ItemColorSelectedTo() const { return FExItemSelector->ItemAppearance().ColorSelectedTo(); }
    int ColorBoxHeight() const { return FExItemSelector->ColorBoxHeight(); }
    int ColorBoxWidth() const { return FExItemSelector->ColorBoxWidth(); }
    TExCustomItemSelector* ExItemSelector() const { return FExItemSelector; }

    // Bound by the outer control to raise its own OnItemSelect.
    TNotifyEvent OnItemSelect;

    virtual void DrawItem(int Index, TCanvas& Canvas);
    virtual void GetItemsRect(TRect& R) const;
    virtual void GetItemSize(TSize& ASize);
    virtual void InvalidateItem(int Index);
    // Lays the items out and sizes the panel to them; clears the hot item.
    virtual void UpdateSize();

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void leaveEvent(QEvent* event) override;

private:
    bool ValidIndex(int Index) const { return Index >= 0 && Index < Items().Count(); }
    bool DisabledItem(int Index) const { return ValidIndex(Index) && !Items().Items(Index)->Enabled(); }
    TColor PanelColor() const;
    // Measures (Paint off) or paints a caption in R; gives its size.
    TSize DrawCaption(TCanvas& Canvas, const QString& Caption, const TRect& R, bool Paint);

    int FItemIndex = -1;
    int FItemHot = -1;
    int FOffSetX = 2;
    int FOffSetY = 2;
    int FItemOffSetX = 4;
    int FItemOffSetY = 4;
    int FCaptionGap = 4;
    TExCustomItemSelector* FExItemSelector;
};
