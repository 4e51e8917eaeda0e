// Construction, properties, the pop-up and the styles of the grid drop-down.

#include "dropdowns/grid_drop_down.h"
#include "dropdowns/column_scaling.h"

#include "dropdowns/drop_down_form.h"

using grid_drop_down::TDropDownItems;
using grid_drop_down::TExColGrid;

TCustomExGridDropDown::TCustomExGridDropDown(TComponent* AOwner, QWidget* AParent)
    : TExCustomDropDown(AOwner, AParent) {
    FHeaderFont.Color = 0x723708;
    SetAutoSelect(true);
    SetEditorEnabled(true);
    SetDropDownEnabled(true);
}

TCustomExGridDropDown::~TCustomExGridDropDown() {
    // The list's events call into this drop-down: it goes first.
    delete FExColGrid;
}

void TCustomExGridDropDown::Initialize() {
    FItems = CreateItems(this);
    TExCustomDropDown::Initialize();
    SetDropDownColor(0xFFFFFF);
    SetDropDownHeight(200);
    SetSelectionColorStyle(scOffice2007);
}

std::unique_ptr<TDropDownItems> TCustomExGridDropDown::CreateItems(TComponent* AOwner) {
    return std::make_unique<TDropDownItems>(AOwner);
}

void TCustomExGridDropDown::EndUpdate() {
    if (FLookupColumn < 0 || FItems->Count() == 0) {
        FLookupItems.Clear();
        return;
    }
    QStringList texts;
    texts.reserve(FItems->Count());
    for (int i = 0; i < FItems->Count(); ++i) texts.append(ItemLookupText(i));
    FLookupItems.Assign(std::move(texts));
    FLookupItemsChange = FItems->ChangeCount();
}

void TCustomExGridDropDown::SetStyle(TDropDownStyle Value) {
    FStyle = Value;
    SetEditorEnabled(Value == dsDropDown);
}

int TCustomExGridDropDown::DataRowCount() const {
    return FExColGrid ? std::max(0, FExColGrid->RowCount() - FExColGrid->FixedRows()) : 0;
}

void TCustomExGridDropDown::SetItemIndex(int Value) {
    if (FUseItems) {
        if (Value >= FItems->Count()) return;
        FItemIndex = Value;
        SetText(Value >= 0 && FItems->Items(Value)->HasColumnText(FLookupColumn) ? ItemLookupText(Value) : QString());
        return;
    }
    if (!FExColGrid) {
        FItemIndex = Value;
        return;
    }
    // Only data rows: the row past the last one has no text to show.
    if (Value == FItemIndex || Value >= DataRowCount()) return;
    FItemIndex = Value;
    SetText(Value < 0 || FLookupColumn < 0 ? QString() : FExColGrid->Cells(FLookupColumn, Value + FExColGrid->FixedRows()));
}

int TCustomExGridDropDown::ChoiceOfRow(int ARow) const {
    return FUseItems ? FExColGrid->ItemOfRow(ARow) : ARow - FExColGrid->FixedRows();
}

void TCustomExGridDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    if (!DropDownForm()) return;
    if (!FExColGrid) {
        FExColGrid = new TExColGrid(nullptr, DropDownForm());
        FExColGrid->setObjectName(QStringLiteral("ExColGrid"));
    }
    FExColGrid->SetExDropDown(this);
    FExColGrid->setGeometry(0, 0, FExColGrid->width(), 180);
    FExColGrid->SetColor(FDropDownColor);
}

void TCustomExGridDropDown::PlaceDropDownControl() {
    if (FExColGrid) SetControl(FExColGrid);
    TExCustomDropDown::PlaceDropDownControl();
}

void TCustomExGridDropDown::BeforeDropDown() {
    if (DropDownForm()) DropDownForm()->SetCancelOnDeActivate(false);
    if (!FExColGrid) return TExCustomDropDown::BeforeDropDown();
    FExColGrid->ApplyDropDownSettings(this);
    FExColGrid->SetColor(FDropDownColor);
    TSortSettings* sort = FExColGrid->SortSettings();
    sort->Show = FSorting != gsNone;
    sort->IndexShow = FSorting == gsMultiColumn;
    // The list opens sorted by its first column, case-blind, until a header click picks another.
    sort->IgnoreCase = true;
    if (sort->Column < 0) sort->Column = 0;
    FBalloonInit = false;
    FExColGrid->FOnStartBlockFocus = [this](TObject*) { DropDownForm()->SetBlockActivate(true); };
    FExColGrid->FOnEndBlockFocus = [this](TObject*) { DropDownForm()->SetBlockActivate(false); };
    FExColGrid->OnSelect = [this](TObject*) { ListSelected(); };
    BindRelays();
    TGridOptions options = FExColGrid->Options();
    options.Include(goThumbTracking);
    FRowSelect ? options.Include(goRowSelect) : options.Exclude(goRowSelect);
    FGridEditable ? options.Include(goEditing) : options.Exclude(goEditing);
    FExColGrid->SetOptions(options);
    FExColGrid->SetImages(Images());
    FExColGrid->OnCanSort = [this](TObject*, int, bool&) { FTempItemIndex = FItemIndex; };
    FExColGrid->OnClickSort = [this](TObject*, int) {
        if (FTempItemIndex < 0) return;
        const int row = FUseItems ? FExColGrid->RowOfItem(FTempItemIndex) : FTempItemIndex + FExColGrid->FixedRows();
        if (row >= FExColGrid->FixedRows()) MakeRowCurrent(row);
    };
    FExColGrid->OnSelectCell = [this](TObject*, int, int ARow, bool&) { ListSelectCell(ARow); };
    FExColGrid->SetComponentStyle(GetComponentStyle());
    FPlacingRow = true;
    if (FUseItems) {
        TExCustomDropDown::BeforeDropDown();
        FExColGrid->RemoveAllFilters();
        FExColGrid->SetRowCount(FItems->Count() + 1);
        FExColGrid->SetFixedRows(1);
        FExColGrid->FillFromItems();
    } else {
        QString text;
        int row = -1;
        FindLookupMatch(Text(), text, row);
        if (DataRowCount() > 0) FExColGrid->SetRow(row >= FExColGrid->FixedRows() ? row : FExColGrid->FixedRows());
    }
    if (sort->Column >= 0 && sort->Show) FExColGrid->QSort();
    // After the sort: the row that shows the selected item, wherever the sort put it.
    if (FUseItems && FItemIndex >= 0) {
        const int row = FExColGrid->RowOfItem(FItemIndex);
        if (row >= FExColGrid->FixedRows() && row < FExColGrid->RowCount()) FExColGrid->SetRow(row);
    }
    FPlacingRow = false;
    FOldItemIndex = FItemIndex;
    if (!FUseItems) TExCustomDropDown::BeforeDropDown();
}

void TCustomExGridDropDown::AdjustDropDownHeight(int& Height) {
    int strips = 0;
    if (DropDownHeader()->Visible()) strips += DropDownHeader()->Height();
    if (DropDownFooter()->Visible()) strips += DropDownFooter()->Height();
    const int rows = (Height - strips - FHeaderHeight - 2) / RowHeightDivisor();
    Height = strips + FHeaderHeight + 2 + rows * RowHeightDivisor() + 4;
}

void TCustomExGridDropDown::DoShowDropDown() {
    TExCustomDropDown::DoShowDropDown();
    if (!FExColGrid) return;
    if (!FUseItems)
        while (FColumns.Count() < FExColGrid->ColCount()) FColumns.Add();
    if (PopUpVisible()) ScaleColumns();
    const int row = FExColGrid->Row();
    if (!FExColGrid->AllRowsVisible()) {
        if (row >= FExColGrid->TopRow() + FExColGrid->VisibleRowCount() || row < FExColGrid->TopRow())
            FExColGrid->SetTopRow(row);
    }
    FSelRow = FExColGrid->FixedRows();
    FExColGrid->setFocusPolicy(Qt::StrongFocus);
    if (PopUpVisible()) FExColGrid->setFocus();
}

void TCustomExGridDropDown::AdaptDropDownSize() {
    TExCustomDropDown::AdaptDropDownSize();
    if (!FExColGrid || !FDropDownAutoWidth || !DropDownForm()) return;
    FitPopUpToList(FExColGrid, FExColGrid->ListWidth());
}

void TCustomExGridDropDown::DoHideDropDown(bool Cancel) {
    if (PopUpVisible() && FExColGrid) {
        if (Cancel) {
            SetItemIndex(FOldItemIndex);
        } else if (FExColGrid->ConfirmSelection()) {
            // The list's current row: right after opening it is the row of ItemIndex.
            const int row = FExColGrid->Row();
            if (row >= FExColGrid->FixedRows() && row < FExColGrid->RowCount()) SetItemIndex(ChoiceOfRow(row));
        }
        FOldItemIndex = FItemIndex;
        FExColGrid->SetConfirmSelection(false);
    }
    TExCustomDropDown::DoHideDropDown(Cancel);
}

void TCustomExGridDropDown::DropDownSizing() { ScaleColumns(); }

void TCustomExGridDropDown::ScaleColumns() {
    if (!FExColGrid || !FColumnSizeWithDropDown || !DropDownForm()) return;
    FExColGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    if (FColumns.Count() == 0) return;
    int available = DropDownForm()->width();
    if (!FExColGrid->AllRowsVisible()) available -= TExColGrid::ScrollBarWidth();
    std::vector<int> widths;
    for (int i = 0; i < FColumns.Count(); ++i) widths.push_back(FColumns.Items(i)->Width());
    const std::vector<int> scaled = Scaled_Column_Widths(widths, available, THalfRounding::ToEven);
    for (int i = 0; i < FColumns.Count() && i < FExColGrid->ColCount(); ++i) FExColGrid->SetColWidths(i, scaled[std::size_t(i)]);
}

void TCustomExGridDropDown::MakeRowCurrent(int ARow) {
    if (!FExColGrid->AllRowsVisible()) FExColGrid->SetTopRow(ARow);
    FExColGrid->SetRow(ARow);
    FExColGrid->SetCol(0);
    FExColGrid->RepaintRow(ARow);
}

void TCustomExGridDropDown::ListSelectCell(int ARow) {
    FSelRow = ARow;
    if (FPlacingRow || FExColGrid->MouseWheelSelection()) return;
    if (FUseItems) {
        SetItemIndex(FExColGrid->ItemOfRow(ARow));
    } else {
        SetText(FLookupColumn >= 0 ? FExColGrid->Cells(FLookupColumn, ARow) : QString());
        FItemIndex = ARow - FExColGrid->FixedRows();
    }
}

void TCustomExGridDropDown::ListSelected() {
    if (FExColGrid->ConfirmSelection()) SetItemIndex(ChoiceOfRow(FExColGrid->Row()));
    if (!FGridEditable) DoHideDropDown(false);
    if (OnSelect) OnSelect(this);
}

void TCustomExGridDropDown::HandleWheelDown() { MoveSelection(VK_DOWN); }

void TCustomExGridDropDown::HandleWheelUp() { MoveSelection(VK_UP); }

void TCustomExGridDropDown::MoveSelection(WORD Key) {
    const int count = FUseItems ? FItems->Count() : DataRowCount();
    if (count == 0) return;
    switch (Key) {
        case VK_PRIOR: SetItemIndex(FItemIndex - 10 >= 0 ? FItemIndex - 10 : 0); break;
        case VK_NEXT: SetItemIndex(FItemIndex < 0 ? 0 : std::min(count - 1, FItemIndex + 10)); break;
        case VK_HOME: SetItemIndex(0); break;
        case VK_END: SetItemIndex(count - 1); break;
        case VK_UP:
            if (FItemIndex < 0) SetItemIndex(0);
            else if (FItemIndex > 0) SetItemIndex(FItemIndex - 1);
            break;
        case VK_DOWN:
            if (FItemIndex < 0) SetItemIndex(0);
            else if (FItemIndex + 1 < count) SetItemIndex(FItemIndex + 1);
            break;
        default: break;
    }
}

void TCustomExGridDropDown::SetSelectionColorStyle(TSelectionColorStyle Value) {
    switch (Value) {
        case scOffice2007:
            FLineColor = 0xF1EDEB;
            FFixedLineColor = 0xD1BBA4;
            break;
        case scWindowsVista:
        case scWindows7:
            FLineColor = 0xECECF0;
            FFixedLineColor = 0xD4D2D1;
            break;
        default: break;
    }
    TExCustomDropDown::SetSelectionColorStyle(Value);
}

void TCustomExGridDropDown::SetComponentStyle(TZRTStyle AStyle) {
    TExCustomDropDown::SetComponentStyle(AStyle);
    struct TLook {
        TZRTStyle Style;
        TColor Header, HeaderTo, HeaderFont;
        TSelectionColorStyle Selection;
        TColor SelectionText, Line, FixedLine;
    };
    constexpr TColor keep = clNone;
    static const TLook looks[] = {
        {tsOffice2003Blue, 0xD68759, 0x933803, 0xFFFFFF, scOffice2007, 0x000000, 0x962D00, 0x962D00},
        {tsOffice2003Silver, 0xBDA4A5, 0x957475, keep, scOffice2007, 0x000000, 0x947C7C, 0x947C7C},
        {tsOffice2003Olive, 0x82C0AF, 0x447A63, keep, scOffice2007, 0x000000, 0x588060, 0x588060},
        {tsOffice2003Classic, 0x808080, 0x808080, keep, scOffice2007, 0x000000, 0x808080, 0x808080},
        {tsOffice2007Luna, 0xFFEFE3, 0xFFD2AF, 0x723708, scOffice2007, 0x000000, 0xFFD2AF, 0xFFD2AF},
        {tsOffice2007Obsidian, 0xF2F1F0, 0xC9C2BD, 0x433C37, scOffice2007, 0x000000, 0x5C534C, 0x5C534C},
        {tsWindowsXP, clBtnFace, clBtnFace, 0x000000, scCustom, clHighlightText, 0xC0C0C0, 0x000000},
        {tsWhidbey, 0xEBEEEF, 0x7E9898, 0xFFFFFF, scOffice2007, 0x000000, 0x962D00, 0x962D00},
        {tsOffice2007Silver, 0xF8F7F6, 0xE8E0DB, 0x8B4215, scOffice2007, 0x000000, 0x74706F, 0x74706F},
        {tsWindowsVista, 0xFFFDF9, 0xFFFAF0, 0x000000, scWindowsVista, 0x000000, 0xFCF2DA, 0xFCF2DA},
        {tsWindows7, 0xFDFBFA, 0xFDF3EB, 0x000000, scWindows7, 0x000000, 0xFBD6B8, 0xFBD6B8},
        {tsTerminal, clBtnFace, clBtnFace, 0x000000, scCustom, clHighlightText, 0x808080, 0x808080},
    };
    for (const TLook& look : looks) {
        if (look.Style != AStyle) continue;
        FHeaderColor = look.Header;
        FHeaderColorTo = look.HeaderTo;
        if (look.HeaderFont != keep) FHeaderFont.Color = look.HeaderFont;
        SetSelectionColorStyle(look.Selection);
        FSelectionTextColor = look.SelectionText;
        FLineColor = look.Line;
        FFixedLineColor = look.FixedLine;
        if (AStyle == tsWindowsXP || AStyle == tsTerminal) {
            SetSelectionColor(clHighlight);
            SetSelectionColorTo(clHighlight);
        }
    }
}
