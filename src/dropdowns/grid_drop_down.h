#pragma once
// A drop-down edit whose pop-up holds a full advanced grid (grid_drop_down::TExColGrid).
// The list shows the drop-down's Items under its Columns (UseItems, the default) or what
// the application put into the list grid. The edit shows the selected row's text in
// LookupColumn; typing completes it, looks the text up in the open list (lmLookup) or
// narrows the list to the rows containing it (lmNarrowDown). The list grid's events are
// relayed to the OnGrid... events.
//
// ItemIndex is the committed choice: it follows the current row of the open list, is
// put back on cancel, and Enter or a confirmed click takes the list's current row, also
// right after opening. Rows are mapped to items through the list's column-0 item
// numbers, so a sorted or narrowed list selects the item the row shows.
//
// Decided where open: "modified" means changed since the control was entered; a lookup
// list is emptied by EndUpdate without items or with LookupColumn < 0; DropDownRowHeight
// below 1 divides as 1; OnGridCanSort and OnGridClickSort stay silent (the list's sort
// events go to the drop-down's own sort hooks); typed characters are looked up whatever
// their code (key codes decide navigation).
//
// Member definitions: grid_drop_down.cpp (construction, properties, the pop-up),
// grid_drop_down_typing.cpp (lookup, completion, keys), grid_drop_down_relays.cpp.

#include "dropdowns/drop_down_edit.h"
#include "dropdowns/grid_drop_down_items.h"
#include "dropdowns/grid_drop_down_list.h"
#include "dropdowns/grid_drop_down_relays.h"
#include "dropdowns/lookup_list.h"
#include "dropdowns/typing_completion.h"

enum TLookupMethod { lmLookup, lmNarrowDown, lmNone };
enum TDropDownStyle { dsDropDown, dsDropDownList };
enum TGridSorting { gsNone, gsSingleColumn, gsMultiColumn };

class TCustomExGridDropDown;

// One relay of the table: its names, binding and own behaviour, and helpers that watch
// the published event, fire the list grid's event with default arguments, ask whether
// the grid event is set, and call the relay with default arguments.
struct TGridRelayEntry {
    const char* Event;
    const char* Type;
    const char* Relay;
    const char* GridEvent;
    TRelayBinding Binding;
    TRelayBehaviour Behaviour;
    void (*Watch)(TCustomExGridDropDown& DropDown, std::function<void(TObject* Sender)> Seen);
    void (*FireGridEvent)(grid_drop_down::TExColGrid& Grid);
    bool (*IsBound)(const grid_drop_down::TExColGrid& Grid);
    void (*CallRelay)(TCustomExGridDropDown& DropDown, TObject* Sender);
};

class TCustomExGridDropDown : public TExCustomDropDown {
public:
    explicit TCustomExGridDropDown(TComponent* AOwner, QWidget* AParent = nullptr);
    ~TCustomExGridDropDown() override;
    void Initialize() override;

    void BeginUpdate() {}
    // Rebuilds the lookup list from the items' lookup-column texts.
    void EndUpdate();

    grid_drop_down::TDropDownItems& Items() { return *FItems; }
    void SetItems(const grid_drop_down::TDropDownItems& Value) { FItems->Assign(&Value); }
    grid_drop_down::TDropDownColumns& Columns() { return FColumns; }
    void SetColumns(const grid_drop_down::TDropDownColumns& Value) { FColumns.Assign(&Value); }
    int RowCount() const { return FItems->Count(); }
    int ItemIndex() const { return FItemIndex; }
    void SetItemIndex(int Value);
    grid_drop_down::TExColGrid* ExColGrid() const { return FExColGrid; }

    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
    bool ColumnSizing() const { return FColumnSizing; }
    void SetColumnSizing(bool Value) { FColumnSizing = Value; }
    bool ColumnMoving() const { return FColumnMoving; }
    void SetColumnMoving(bool Value) { FColumnMoving = Value; }
    int LookupColumn() const { return FLookupColumn; }
    void SetLookupColumn(int Value) { FLookupColumn = Value; }
    TLookupMethod LookupMethod() const { return FLookupMethod; }
    void SetLookupMethod(TLookupMethod Value) { FLookupMethod = Value; }
    TColor HeaderColor() const { return FHeaderColor; }
    void SetHeaderColor(TColor Value) { FHeaderColor = Value; }
    TColor HeaderColorTo() const { return FHeaderColorTo; }
    void SetHeaderColorTo(TColor Value) { FHeaderColorTo = Value; }
    TColor LineColor() const { return FLineColor; }
    void SetLineColor(TColor Value) { FLineColor = Value; }
    TColor FixedLineColor() const { return FFixedLineColor; }
    void SetFixedLineColor(TColor Value) { FFixedLineColor = Value; }
    bool UseItems() const { return FUseItems; }
    void SetUseItems(bool Value) { FUseItems = Value; }
    int HeaderHeight() const { return FHeaderHeight; }
    void SetHeaderHeight(int Value) { FHeaderHeight = Value; }
    TFont& HeaderFont() { return FHeaderFont; }
    void SetHeaderFont(const TFont& Value) { FHeaderFont.Assign(Value); }
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool Value) { FRowSelect = Value; }
    bool MatchCase() const { return FMatchCase; }
    void SetMatchCase(bool Value) { FMatchCase = Value; }
    // Stored only: lookups always match at the start of a text.
    bool MatchStart() const { return FMatchStart; }
    void SetMatchStart(bool Value) { FMatchStart = Value; }
    bool DropDownAutoWidth() const { return FDropDownAutoWidth; }
    void SetDropDownAutoWidth(bool Value) { FDropDownAutoWidth = Value; }
    bool ColumnSizeWithDropDown() const { return FColumnSizeWithDropDown; }
    void SetColumnSizeWithDropDown(bool Value) { FColumnSizeWithDropDown = Value; }
    TColor SelectionTextColor() const { return FSelectionTextColor; }
    void SetSelectionTextColor(TColor Value) { FSelectionTextColor = Value; }
    int DropDownRowHeight() const { return FDropDownRowHeight; }
    void SetDropDownRowHeight(int Value) { FDropDownRowHeight = Value; }
    TDropDownStyle Style() const { return FStyle; }
    void SetStyle(TDropDownStyle Value);
    bool HoverRow() const { return FHoverRow; }
    void SetHoverRow(bool Value) { FHoverRow = Value; }
    TColor HoverRowColor() const { return FHoverRowColor; }
    void SetHoverRowColor(TColor Value) { FHoverRowColor = Value; }
    TColor HoverRowColorTo() const { return FHoverRowColorTo; }
    void SetHoverRowColorTo(TColor Value) { FHoverRowColorTo = Value; }
    TGridSorting Sorting() const { return FSorting; }
    void SetSorting(TGridSorting Value) { FSorting = Value; }
    bool GridEditable() const { return FGridEditable; }
    void SetGridEditable(bool Value) { FGridEditable = Value; }
    bool RowMoving() const { return FRowMoving; }
    void SetRowMoving(bool Value) { FRowMoving = Value; }
    bool RowSizing() const { return FRowSizing; }
    void SetRowSizing(bool Value) { FRowSizing = Value; }
    bool AutoShowDropDown() const { return FAutoShowDropDown; }
    void SetAutoShowDropDown(bool Value) { FAutoShowDropDown = Value; }
    bool AutoSizeColumns() const { return FAutoSizeColumns; }
    void SetAutoSizeColumns(bool Value) { FAutoSizeColumns = Value; }
    const QString& LookupEntry() const { return FLookupEntry; }

    // The first item (UseItems) or list row whose lookup text starts with S; Index is the
    // item or the grid row, -1 with Text empty for none.
    bool FindLookupMatch(const QString& S, QString& Text, int& Index) const;
    // Appends C to the typed lookup text and looks up or narrows; the item index, grid row
    // or -1.
    int LookupChar(QChar C);

    void SetSelectionColorStyle(TSelectionColorStyle Value) override;
    void SetComponentStyle(TZRTStyle AStyle) override;

    // The relays in one table, in their slot order, with the check-box relay last.
    static const std::vector<TGridRelayEntry>& RelayTable();

    TNotifyEvent OnSelect;
#define GRID_DROP_DOWN_DECLARE_EVENT(Name, Event, Type, Params, Args, GridEvent, Binding, Behaviour) Type Event;
    GRID_DROP_DOWN_RELAYS(GRID_DROP_DOWN_DECLARE_EVENT)
#undef GRID_DROP_DOWN_DECLARE_EVENT
    TCheckBoxClickEvent OnGridCheckBoxClick;

protected:
    virtual std::unique_ptr<grid_drop_down::TDropDownItems> CreateItems(TComponent* AOwner);
#define GRID_DROP_DOWN_DECLARE_RELAY(Name, Event, Type, Params, Args, GridEvent, Binding, Behaviour) virtual void DoGrid##Name Params;
    GRID_DROP_DOWN_RELAYS(GRID_DROP_DOWN_DECLARE_RELAY)
#undef GRID_DROP_DOWN_DECLARE_RELAY
    void DoGridCheckBoxClick(TObject* Sender, int ACol, int ARow, bool State);

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
    void KeyPress(QChar& Key) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void Change() override;
    void DoEnter() override;

private:
    void BindRelays();
    struct TRelayBodies;
    friend struct TRelayBodies;
    // While the handler runs the pop-up ignores its deactivation.
    void KeepingPopUpOpen(const std::function<void()>& Handler);
    void ScaleColumns();
    void ListSelectCell(int ARow);
    void ListSelected();
    void MoveSelection(WORD Key);
    // The item of a list row (UseItems) or the row's data index (without).
    int ChoiceOfRow(int ARow) const;
    void MakeRowCurrent(int ARow);
    void LookupOnEnter();
    bool LookupActive() const { return FLookupColumn >= 0 && (FUseItems ? FItems->Count() > 0 : FExColGrid != nullptr); }
    int DataRowCount() const;
    int RowHeightDivisor() const { return std::max(1, FDropDownRowHeight); }
    QString ItemLookupText(int Index) const { return FItems->Items(Index)->ColumnText(FLookupColumn); }

    bool FBalloonInit = false;
    bool FCaseSensitive = false;
    bool FColumnSizing = false;
    bool FColumnMoving = false;
    int FLookupColumn = 0;
    TLookupMethod FLookupMethod = lmLookup;
    TColor FHeaderColorTo = 0x808080;
    TColor FHeaderColor = 0xFFFFFF;
    TColor FLineColor = 0xF1EDEB;
    bool FUseItems = true;
    std::unique_ptr<grid_drop_down::TDropDownItems> FItems;
    grid_drop_down::TDropDownColumns FColumns{this};
    int FItemIndex = -1;
    int FHeaderHeight = 25;
    TFont FHeaderFont;
    grid_drop_down::TExColGrid* FExColGrid = nullptr;
    TColor FFixedLineColor = 0xD1BBA4;
    int FSelRow = 0;
    bool FWorkMode = true;
    QString FOldValue;
    bool FRowSelect = true;
    // The lookup texts, and the item change count they were taken at.
    TLookupList FLookupItems;
    unsigned FLookupItemsChange = 0;
    bool FMatchCase = false;
    bool FMatchStart = true;
    TTypingCompletion FCompletion;
    int FOldItemIndex = -1;
    bool FDropDownAutoWidth = true;
    bool FColumnSizeWithDropDown = true;
    TColor FSelectionTextColor = 0x000000;
    int FDropDownRowHeight = 22;
    int FTempItemIndex = -1;
    TDropDownStyle FStyle = dsDropDown;
    QString FLookupEntry;
    bool FHoverRow = false;
    TColor FHoverRowColor = clInfoBk;
    TColor FHoverRowColorTo = clNone;
    TGridSorting FSorting = gsNone;
    bool FGridEditable = false;
    bool FRowMoving = false;
    bool FRowSizing = false;
    bool FAutoShowDropDown = false;
    bool FAutoSizeColumns = true;
    // Set while the drop-down itself moves the list's current row.
    bool FPlacingRow = false;
};
