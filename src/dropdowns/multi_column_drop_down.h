#pragma once
// A drop-down edit whose pop-up shows a table (multi_column::TExColGrid): a header row
// with one caption per column, then one row per item with one text per column and
// optionally an image. The lookup column gives the text the edit shows for the selected
// item and the texts typing is completed from (lookup while typing, from a lookup list
// rebuilt by EndUpdate).
//
// Open, moving in the list by keys or clicks changes ItemIndex at once; the wheel moves
// the list without changing it. A click on a row or Enter takes the row and raises
// OnSelect; a click elsewhere keeps ItemIndex unless a row was confirmed by key or
// click; cancelling restores the item current at opening.
//
// "Modified" means changed since the control was entered: the lookup compares with the
// text held at focus entry. An empty lookup list (no items, or LookupColumn < 0 at the
// latest EndUpdate) completes nothing, and a completion stores its index only when that
// item exists.
//
// Member definitions: multi_column_drop_down.cpp (construction, properties, the pop-up),
// multi_column_lookup.cpp (typing, keys, the pop-up search), multi_column_styles.cpp.

#include "dropdowns/lookup_list.h"
#include "dropdowns/multi_column_items.h"
#include "dropdowns/multi_column_list_grid.h"
#include "dropdowns/typing_completion.h"
#include "dropdowns/drop_down_edit.h"

using TMultiColumnDrawCellEvent =
    std::function<void(TObject* Sender, int Column, int Row, TCanvas& ACanvas, TRect ARect)>;
using TGetCellPropEvent =
    std::function<void(TObject* Sender, int Column, int Row, TFont& Font, TColor& AColor, TColor& AColorTo)>;
using TGetCellTextEvent = std::function<void(TObject* Sender, int Column, int Row, QString& Text)>;

class TExMultiColumnDropDown : public TExCustomDropDown {
public:
    explicit TExMultiColumnDropDown(TComponent* AOwner, QWidget* AParent = nullptr);
    ~TExMultiColumnDropDown() override;
    void Initialize() override;

    void Assign(const TExMultiColumnDropDown* Source);
    void BeginUpdate() {}
    // Rebuilds the lookup list from the items' lookup-column texts.
    void EndUpdate();
    // The first item whose lookup-column text is Value (case included); -1 for none.
    int GetItemIndex(const QString& Value) const;

    multi_column::TDropDownItems& Items() { return FItems; }
    const multi_column::TDropDownItems& Items() const { return FItems; }
    void SetItems(const multi_column::TDropDownItems& Value) { FItems.Assign(&Value); }
    multi_column::TDropDownColumns& Columns() { return FColumns; }
    const multi_column::TDropDownColumns& Columns() const { return FColumns; }
    void SetColumns(const multi_column::TDropDownColumns& Value) { FColumns.Assign(&Value); }
    int RowCount() const { return FItems.Count(); }
    int ItemIndex() const { return FItemIndex; }
    // An index not below the item count is ignored; a valid one shows its lookup text,
    // a negative one empties the text. No event.
    void SetItemIndex(int Value);
    // The lookup-column text of an item; empty when it has no such line.
    QString LookupText(int Index) const { return FItems.Items(Index)->ColumnText(FLookupColumn); }

    bool ColumnSizing() const { return FColumnSizing; }
    void SetColumnSizing(bool Value) { FColumnSizing = Value; }
    int LookupColumn() const { return FLookupColumn; }
    void SetLookupColumn(int Value) { FLookupColumn = Value; }
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
    TColor LineColor() const { return FLineColor; }
    void SetLineColor(TColor Value) { FLineColor = Value; }
    TColor FixedLineColor() const { return FFixedLineColor; }
    void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
    TFont& HeaderFont() { return FHeaderFont; }
    const TFont& HeaderFont() const { return FHeaderFont; }
    void SetHeaderFont(const TFont& Value) { FHeaderFont.Assign(Value); }
    bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
    void SetDropDownAutoWidth(bool Value) { FDropDownAutoWidth = Value; }
    bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
    void SetColumnSizeWithDropDown(bool Value) { FColumnSizeWithDropDown = Value; }
    TColor SelectionTextColor() const { return FSelectionTextColor; }
    void SetSelectionTextColor(TColor Value) { FSelectionTextColor = Value; }
    int DropDownRowHeight() const { return FDropDownRowHeight; }
    void SetDropDownRowHeight(int Value) { FDropDownRowHeight = Value; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
    bool MatchCase() const { return FMatchCase; }
    void SetMatchCase(bool Value) { FMatchCase = Value; }
    // Stored only: the lookup always matches at the start of a text.
    bool MatchStart() const { return FMatchStart; }
    void SetMatchStart(bool Value) { FMatchStart = Value; }
    // The characters typed in the open list's search.
    const QString& LookupEntry() const { return FLookupEntry; }
    const TLookupList& LookupItems() const { return FLookupItems; }
    multi_column::TExColGrid* ExColGrid() const { return FExColGrid; }

    void SetComponentStyle(TZRTStyle AStyle) override;
    void SetSelectionColorStyle(TSelectionColorStyle Value) override;

    TNotifyEvent OnSelect;
    // Paints a list cell in place of the built-in painting.
    TMultiColumnDrawCellEvent OnDropDownDrawItem;
    // Stored only; never raised.
    TGetCellPropEvent OnDropDownGetItemProp;
    // May change the text of a list cell before it is drawn.
    TGetCellTextEvent OnDropDownGetItemText;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void AdjustDropDownHeight(int& Height) override;
    void DoShowDropDown() override;
    void PlaceDropDownControl() override;
    void AdaptDropDownSize() override;
    void DoHideDropDown(bool Cancel) override;
    void DropDownSizing() override;
    void HandleWheelDown() override;
    void HandleWheelUp() override;
    void ControlKeyDown(WORD& Key, TShiftState Shift) override;
    void ControlKeyUp(WORD& Key, TShiftState Shift) override;
    void ControlKeyPress(QChar& Key) override;
    void WMKeyDown(TWMKey& Message) override;
    void WMChar(TWMKey& Message) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void Change() override;
    void DoEnter() override;

private:
    // The list's handlers.
    void ListRowChanging(int Row);
    void ListSelected();
    // Column widths scaled to the pop-up's width.
    void ScaleColumns();
    // The Up/Down/PageUp/PageDown/Home/End movement of the selection.
    void MoveSelection(WORD Key);
    void Lookup();
    void LookupOnEnter();
    void PopUpSearch(QChar Key);
    // The first item whose lookup text starts with Entry under the pop-up search's case
    // rule; -1 for none.
    int FindPopUpItem(const QString& Entry);
    void ShowFoundRow(int Item);
    bool LookupActive() const { return FLookupColumn >= 0 && FItems.Count() > 0; }
    int RowHeightDivisor() const { return std::max(1, FDropDownRowHeight); }

    bool FShowing = false;
    bool FColumnSizing = false;
    int FLookupColumn = 0;
    TColor FHeaderColorTo = 0x808080;
    TColor FHeaderColor = 0xFFFFFF;
    TColor FLineColor = 0xC0C0C0;
    multi_column::TDropDownItems FItems{this};
    multi_column::TDropDownColumns FColumns{this};
    int FItemIndex = -1;
    int FHeaderHeight = 25;
    TFont FHeaderFont;
    multi_column::TExColGrid* FExColGrid = nullptr;
    TColor FFixedLineColor = 0xD1BBA4;
    bool FWorkMode = true;
    QString FOldValue;
    TLookupList FLookupItems;
    bool FMatchCase = false;
    bool FMatchStart = true;
    // The latest completion (its flag, item and typed length).
    TTypingCompletion FCompletion;
    int FOldItemIndex = -1;
    bool FDropDownAutoWidth = true;
    bool FColumnSizeWithDropDown = true;
    TColor FSelectionTextColor = 0x000000;
    int FDropDownRowHeight = 22;
    QString FLookupEntry;
    bool FCaseSensitive = false;
    // The lookup texts of the items as they were at opening, for the open list's search;
    // built on its first key.
    TLookupList FPopUpLookup;
    bool FPopUpLookupBuilt = false;
};
