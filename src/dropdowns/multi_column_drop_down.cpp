// Construction, properties and the pop-up of the multi-column drop-down.

#include "dropdowns/multi_column_drop_down.h"
#include "dropdowns/column_scaling.h"

#include "dropdowns/drop_down_form.h"

using multi_column::TExColGrid;

TExMultiColumnDropDown::TExMultiColumnDropDown(TComponent* AOwner, QWidget* AParent)
    : TExCustomDropDown(AOwner, AParent) {
    SetAutoSelect(true);
    SetEditorEnabled(true);
    SetDropDownEnabled(true);
}

TExMultiColumnDropDown::~TExMultiColumnDropDown() = default;

void TExMultiColumnDropDown::Initialize() {
    TExCustomDropDown::Initialize();
    FHeaderColorTo = 0x808080;
    FHeaderColor = 0xFFFFFF;
    FHeaderHeight = 25;
    FLineColor = 0xC0C0C0;
    SetDropDownColor(0xFFFFFF);
    SetDropDownHeight(200);
    SetSelectionColorStyle(scOffice2007);
    FSelectionTextColor = 0x000000;
}

void TExMultiColumnDropDown::Assign(const TExMultiColumnDropDown* Source) {
    TExCustomDropDown::Assign(Source);
    if (!Source) return;
    FCaseSensitive = Source->FCaseSensitive;
    FDropDownAutoWidth = Source->FDropDownAutoWidth;
    FDropDownRowHeight = Source->FDropDownRowHeight;
    FLineColor = Source->FLineColor;
    FFixedLineColor = Source->FFixedLineColor;
    FColumnSizing = Source->FColumnSizing;
    FColumnSizeWithDropDown = Source->FColumnSizeWithDropDown;
    FColumns.Assign(&Source->FColumns);
    FHeaderColor = Source->FHeaderColor;
    FHeaderColorTo = Source->FHeaderColorTo;
    FHeaderHeight = Source->FHeaderHeight;
    FHeaderFont.Assign(Source->FHeaderFont);
    FLookupColumn = Source->FLookupColumn;
    FSelectionTextColor = Source->FSelectionTextColor;
    FItems.Assign(&Source->FItems);
    FItemIndex = Source->FItemIndex < FItems.Count() ? Source->FItemIndex : -1;
}

void TExMultiColumnDropDown::EndUpdate() {
    if (!LookupActive()) {
        FLookupItems.Clear();
        return;
    }
    QStringList texts;
    texts.reserve(FItems.Count());
    for (int i = 0; i < FItems.Count(); ++i) texts.append(LookupText(i));
    FLookupItems.Assign(std::move(texts));
}

int TExMultiColumnDropDown::GetItemIndex(const QString& Value) const {
    if (FLookupColumn < 0) return -1;
    for (int i = 0; i < FItems.Count(); ++i)
        if (LookupText(i) == Value) return i;
    return -1;
}

void TExMultiColumnDropDown::SetItemIndex(int Value) {
    if (Value >= FItems.Count()) return;
    FItemIndex = Value;
    if (Value >= 0 && FLookupColumn >= 0 && FLookupColumn < FItems.Items(Value)->Text().size())
        SetText(LookupText(Value));
    else
        SetText(QString());
}

void TExMultiColumnDropDown::CreateDropDownForm() {
    TExCustomDropDown::CreateDropDownForm();
    if (FExColGrid || !DropDownForm()) return;
    FExColGrid = new TExColGrid(nullptr, DropDownForm());
    FExColGrid->setObjectName(QStringLiteral("ExColGrid"));
    FExColGrid->SetExDropDown(this);
    FExColGrid->setGeometry(0, 0, FExColGrid->width(), 180);
    FExColGrid->SetColor(FDropDownColor);
}

void TExMultiColumnDropDown::BeforeDropDown() {
    TExCustomDropDown::BeforeDropDown();
    if (!FExColGrid) return;
    DropDownForm()->SetCancelOnDeActivate(false);
    FShowing = true;
    FPopUpLookupBuilt = false;
    FLookupEntry.clear();
    FExColGrid->FillFrom(this);
    TGridOptions options = FExColGrid->Options();
    options.Include(goThumbTracking);
    FExColGrid->SetOptions(options);
    FExColGrid->SetColor(FDropDownColor);
    FExColGrid->OnSelectCell = [this](TObject*, int, int ARow, bool&) { ListRowChanging(ARow); };
    FExColGrid->OnSelect = [this](TObject*) { ListSelected(); };
    const int row = FItemIndex + 1;
    if (FExColGrid->RowCount() > 1) FExColGrid->SetRow(row < FExColGrid->FixedRows() ? 1 : row);
    FOldItemIndex = FItemIndex;
}

void TExMultiColumnDropDown::AdjustDropDownHeight(int& Height) {
    int strips = 0;
    if (DropDownHeader()->Visible()) strips += DropDownHeader()->Height();
    if (DropDownFooter()->Visible()) strips += DropDownFooter()->Height();
    const int rowsArea = Height - strips - FHeaderHeight - 2;
    Height = strips + FHeaderHeight + (rowsArea / RowHeightDivisor()) * RowHeightDivisor() + 2;
}

void TExMultiColumnDropDown::DoShowDropDown() {
    TExCustomDropDown::DoShowDropDown();
    if (FExColGrid && PopUpVisible()) {
        ScaleColumns();
        if (FExColGrid->RowCount() > FExColGrid->FixedRows() && FExColGrid->FixedRows() > 0) {
            const int row = FItemIndex < 0 ? 1 : FItemIndex + 1;
            FExColGrid->SetRow(row);
            if (FExColGrid->CellRect(0, row).IsEmpty())
                FExColGrid->SetTopRow(std::max(FExColGrid->FixedRows(), row - FExColGrid->VisibleRowCount() + 1));
        }
    }
    FShowing = false;
}

void TExMultiColumnDropDown::PlaceDropDownControl() {
    if (FExColGrid) SetControl(FExColGrid);
    TExCustomDropDown::PlaceDropDownControl();
}

void TExMultiColumnDropDown::AdaptDropDownSize() {
    TExCustomDropDown::AdaptDropDownSize();
    if (!FExColGrid || !FDropDownAutoWidth || !DropDownForm()) return;
    FitPopUpToList(FExColGrid, FExColGrid->ColumnsWidth());
}

void TExMultiColumnDropDown::DoHideDropDown(bool Cancel) {
    if (!PopUpVisible() || !FExColGrid) {
        TExCustomDropDown::DoHideDropDown(Cancel);
        return;
    }
    TExCustomDropDown::DoHideDropDown(Cancel);
    if (Cancel) SetItemIndex(FOldItemIndex);
    else if (FExColGrid->ConfirmSelection()) SetItemIndex(FExColGrid->Row() - 1);
    FOldItemIndex = FItemIndex;
}

void TExMultiColumnDropDown::DropDownSizing() { ScaleColumns(); }

void TExMultiColumnDropDown::ScaleColumns() {
    if (!FExColGrid || !FColumnSizeWithDropDown || FColumns.Count() == 0 || !DropDownForm()) return;
    FExColGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int available = DropDownForm()->width();
    if (!FExColGrid->AllDataRowsVisible()) available -= TExColGrid::ScrollBarWidth();
    std::vector<int> widths;
    for (int i = 0; i < FColumns.Count(); ++i) widths.push_back(FColumns.Items(i)->Width());
    const std::vector<int> scaled = Scaled_Column_Widths(widths, available, THalfRounding::AwayFromZero);
    for (int i = 0; i < FColumns.Count() && i < FExColGrid->ColCount(); ++i) FExColGrid->SetColWidths(i, scaled[std::size_t(i)]);
}

void TExMultiColumnDropDown::ListRowChanging(int Row) {
    if (FShowing || FExColGrid->MouseWheelSelection()) return;
    SetItemIndex(Row - 1);
}

void TExMultiColumnDropDown::ListSelected() {
    if (FExColGrid->ConfirmSelection()) SetItemIndex(FExColGrid->Row() - 1);
    DoHideDropDown(false);
    if (OnSelect) OnSelect(this);
}

void TExMultiColumnDropDown::HandleWheelDown() { MoveSelection(VK_DOWN); }

void TExMultiColumnDropDown::HandleWheelUp() { MoveSelection(VK_UP); }

void TExMultiColumnDropDown::MoveSelection(WORD Key) {
    const int count = FItems.Count();
    if (count == 0) return;
    switch (Key) {
        case VK_PRIOR: SetItemIndex(FItemIndex < 0 ? 0 : std::max(0, FItemIndex - 10)); break;
        case VK_NEXT: SetItemIndex(FItemIndex < 0 ? 0 : std::min(count - 1, FItemIndex + 10)); break;
        case VK_HOME:
            if (!FEditorEnabled) SetItemIndex(0);
            break;
        case VK_END:
            if (!FEditorEnabled) SetItemIndex(count - 1);
            break;
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
