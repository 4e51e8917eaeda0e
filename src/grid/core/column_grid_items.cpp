// The column item, its collection, and how items and columns are kept in step: the
// grid's ColCount, inserted, removed and moved columns, the header texts, and the
// column pop-up menus (which go by displayed position, see column_grid.h).

#include "grid/core/column_grid.h"

#include "platform/popup_menu.h"

#include <QPoint>

namespace {
bool Loading(const TComponent& component) { return component.ComponentState().Contains(csLoading); }
}  // namespace

// ---- the item ------------------------------------------------------------------------

TGridColumnItem::TGridColumnItem(TCollection* Collection) : TCollectionItem(Collection) {
    if (TExColumnGrid* grid = Grid()) {
        FFont = grid->GridFont();
        FHeaderFont = FFont;
        FPrintFont = FFont;
        FColor = grid->GridColor();
    }
    FBorderPen.Color = TColor(0xC0C0C0);
}

TExColumnGrid* TGridColumnItem::Grid() const {
    auto* columns = static_cast<TGridColumnCollection*>(Collection());
    return columns ? columns->Grid() : nullptr;
}

void TGridColumnItem::Changed() {
    if (Collection()) static_cast<TGridColumnCollection*>(Collection())->Update(this);
}

void TGridColumnItem::Repaint() {
    if (TExColumnGrid* grid = Grid()) grid->InvalidateGrid();
}

#define GRID_COLUMN_DEFINE_PLAIN(Type, Name, Initial) \
    void TGridColumnItem::Set##Name(Type Value) { F##Name = Value; }
GRID_COLUMN_PLAIN_PROPERTIES(GRID_COLUMN_DEFINE_PLAIN)
#undef GRID_COLUMN_DEFINE_PLAIN

#define GRID_COLUMN_DEFINE_NOTIFYING(Type, Name, Initial) \
    void TGridColumnItem::Set##Name(Type Value) {          \
        F##Name = Value;                                   \
        Changed();                                         \
    }
GRID_COLUMN_NOTIFYING_PROPERTIES(GRID_COLUMN_DEFINE_NOTIFYING)
#undef GRID_COLUMN_DEFINE_NOTIFYING

#define GRID_COLUMN_DEFINE_REPAINTING(Type, Name, Initial) \
    void TGridColumnItem::Set##Name(Type Value) {           \
        F##Name = Value;                                    \
        Repaint();                                          \
    }
GRID_COLUMN_REPAINTING_PROPERTIES(GRID_COLUMN_DEFINE_REPAINTING)
#undef GRID_COLUMN_DEFINE_REPAINTING

int TGridColumnItem::Width() const {
    const TExColumnGrid* grid = Grid();
    return grid ? grid->AllColWidths(Index()) : 0;
}

void TGridColumnItem::SetWidth(int Value) {
    FWidth = Value;
    if (TExColumnGrid* grid = Grid()) grid->SetAllColWidths(Index(), Value);
}

void TGridColumnItem::SetHeader(const QString& Value) {
    FColumnHeader = Value;
    TExColumnGrid* grid = Grid();
    if (!grid) return;
    if (grid->FixedRows() > 0 && !grid->FColMoving) {
        grid->SetCells(Index(), 0, Value);
        Changed();
    }
    TStringList* headers = grid->ColumnHeaders();
    headers->Clear();
    for (int i = 0; i < grid->Columns()->Count(); ++i) headers->Add(grid->Columns()->Items(i)->Header());
}

void TGridColumnItem::SetColumnPopup(TPopupMenu* Value) {
    FColumnPopup = Value;
    if (TExColumnGrid* grid = Grid(); grid && Value) Value->FreeNotification(grid);
}

void TGridColumnItem::SetEditor(TEditorType Value) {
    if (FEditorType == Value) return;
    const bool checkBoxBefore = FEditorType == edDataCheckBox;
    FEditorType = Value;
    if (checkBoxBefore || Value == edDataCheckBox) Repaint();
}

void TGridColumnItem::SetFont(const TFont& Value) {
    FFont = Value;
    Changed();
}

void TGridColumnItem::SetHeaderFont(const TFont& Value) {
    FHeaderFont = Value;
    Repaint();
}

void TGridColumnItem::SetBorderPen(const TPen& Value) {
    FBorderPen = Value;
    Changed();
}

void TGridColumnItem::SetFilter(const TStringList& Value) {
    FFilter.Assign(Value);
    if (Collection()) Repaint();
}

QString TGridColumnItem::Rows(int idx) const {
    const TExColumnGrid* grid = Grid();
    return grid ? grid->Cells(Index(), idx) : QString();
}

void TGridColumnItem::SetRows(int idx, const QString& Value) {
    if (TExColumnGrid* grid = Grid()) grid->SetCells(Index(), idx, Value);
}

int TGridColumnItem::Ints(int idx) const {
    const TExColumnGrid* grid = Grid();
    return grid ? grid->Ints(Index(), idx) : 0;
}

void TGridColumnItem::SetInts(int idx, int Value) {
    if (TExColumnGrid* grid = Grid()) grid->SetInts(Index(), idx, Value);
}

double TGridColumnItem::Floats(int idx) const {
    const TExColumnGrid* grid = Grid();
    return grid ? grid->Floats(Index(), idx) : 0.0;
}

void TGridColumnItem::SetFloats(int idx, double Value) {
    if (TExColumnGrid* grid = Grid()) grid->SetFloats(Index(), idx, Value);
}

TDateTime TGridColumnItem::Dates(int idx) const {
    const TExColumnGrid* grid = Grid();
    return grid ? grid->Dates(Index(), idx) : 0.0;
}

void TGridColumnItem::SetDates(int idx, TDateTime Value) {
    if (TExColumnGrid* grid = Grid()) grid->SetDates(Index(), idx, Value);
}

TDateTime TGridColumnItem::Times(int idx) const {
    const TExColumnGrid* grid = Grid();
    return grid ? grid->Times(Index(), idx) : 0.0;
}

void TGridColumnItem::SetTimes(int idx, TDateTime Value) {
    if (TExColumnGrid* grid = Grid()) grid->SetTimes(Index(), idx, Value);
}

QString TGridColumnItem::GetDisplayName() const {
    const QString index = QString::number(Collection() ? Index() : 0);
    if (FName.isEmpty()) return QStringLiteral("Column ") + index;
    return QStringLiteral("Col ") + index + QStringLiteral(": ") + FName;
}

void TGridColumnItem::AssignVisuals(const TGridColumnItem* Source) {
    if (!Source) return;
    FAlignment = Source->FAlignment;
    FHeaderAlignment = Source->FHeaderAlignment;
    FBorderPen = Source->FBorderPen;
    FBorders = Source->FBorders;
    FCheckFalse = Source->FCheckFalse;
    FCheckTrue = Source->FCheckTrue;
    FEditLength = Source->FEditLength;
    FEditLink = Source->FEditLink;
    FEditMask = Source->FEditMask;
    FEditorType = Source->FEditorType;
    FFixed = Source->FFixed;
    FPassword = Source->FPassword;
    FPrintBorderPen = Source->FPrintBorderPen;
    FPrintBorders = Source->FPrintBorders;
    FPrintColor = Source->FPrintColor;
    FPrintFont = Source->FPrintFont;
    FReadOnly = Source->FReadOnly;
    FSortPrefix = Source->FSortPrefix;
    FSortStyle = Source->FSortStyle;
    FSortSuffix = Source->FSortSuffix;
    FSpinMax = Source->FSpinMax;
    FSpinMin = Source->FSpinMin;
    FSpinStep = Source->FSpinStep;
    FColumnPopup = Source->FColumnPopup;
    FWidth = Source->Width();
    FShowBands = Source->FShowBands;
    FMinSize = Source->FMinSize;
    FMaxSize = Source->FMaxSize;
    FAutoMinSize = Source->FAutoMinSize;
    FAutoMaxSize = Source->FAutoMaxSize;
    FFilter.Assign(Source->FFilter);
    FFilterCaseSensitive = Source->FFilterCaseSensitive;
    FDefIdx = Source->FDefIdx;
    FFloatFormat = Source->FFloatFormat;
    if (TExColumnGrid* grid = Grid()) {
        FColor = grid->GridColor();
        FFont = grid->GridFont();
    }
}

void TGridColumnItem::Assign(const TPersistent* Source) {
    const auto* source = dynamic_cast<const TGridColumnItem*>(Source);
    if (!source) return;
    AssignVisuals(source);
    FColor = source->FColor;
    FFont = source->FFont;
    FHeaderFont = source->FHeaderFont;
    FColumnHeader = source->FColumnHeader;
    FName = source->FName;
    FTag = source->FTag;
    FComboItems.Assign(source->FComboItems);
    FDropDownCount = source->FDropDownCount;
}

// ---- the collection ------------------------------------------------------------------

TGridColumnCollection::TGridColumnCollection(TExColumnGrid* AOwner)
    : TCollectionOf<TGridColumnItem>(AOwner), FOwner(AOwner) {}

TGridColumnItem* TGridColumnCollection::Add() {
    TGridColumnItem* item = TCollectionOf<TGridColumnItem>::Add();
    if (Count() > 1) item->AssignVisuals(Items(Count() - 2));
    Update(nullptr);
    return item;
}

TGridColumnItem* TGridColumnCollection::Insert(int Index) {
    TGridColumnItem* item = TCollectionOf<TGridColumnItem>::Insert(Index);
    Update(nullptr);
    return item;
}

void TGridColumnCollection::Delete(int Index) {
    TCollection::Delete(Index);
    Update(nullptr);
}

void TGridColumnCollection::Clear() {
    TCollection::Clear();
    Update(nullptr);
}

void TGridColumnCollection::Assign(const TPersistent* Source) {
    TCollection::Assign(Source);
    Update(nullptr);
}

void TGridColumnCollection::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) Update(nullptr);
}

void TGridColumnCollection::Update(TGridColumnItem*) {
    if (FUpdateCount > 0 || FNoRecursiveUpdate || !FOwner || Loading(*FOwner)) return;
    const int displayed = Count() - FOwner->NumHiddenColumns();
    if (displayed != FOwner->ColCount() && displayed > FOwner->FixedCols()) FOwner->SetColCount(displayed);
    FOwner->SyncColumnHeaders();
    FOwner->InvalidateGrid();
}

void TGridColumnCollection::SetOrganization() {
    if (FNoRecursiveUpdate && FOwner) FOwner->SyncColumns();
    for (int i = 0; i < Count(); ++i) Items(i)->SetDefIdx(i);
}

void TGridColumnCollection::ResetOrganization() {
    std::vector<int> order(Count());
    for (int i = 0; i < Count(); ++i) order[i] = i;
    if (FOwner) FOwner->ArrangeColumns(order);
}

// ---- the grid ------------------------------------------------------------------------

TExColumnGrid::TExColumnGrid(TComponent* AOwner, QWidget* AParent) : TExStringGrid(AOwner, AParent) {
    FColumnCollection = std::make_unique<TGridColumnCollection>(this);
    FColumnCollection->FNoRecursiveUpdate = true;
    SyncColumns();
    FColumnCollection->FNoRecursiveUpdate = false;
    FCellGraphic = std::make_unique<TCellGraphic>();
    FSaveCol = std::make_unique<TGridColumnItem>(nullptr);
}

TExColumnGrid::~TExColumnGrid() {
    FColumnCollection.reset();
    FCellGraphic.reset();
    FSaveCol.reset();
}

TGridColumnItem* TExColumnGrid::ItemAt(int ACol) const {
    if (!FColumnCollection || ACol < 0 || ACol >= FColumnCollection->Count()) return nullptr;
    return FColumnCollection->Items(ACol);
}

void TExColumnGrid::SetColCount(int Value) {
    TExStringGrid::SetColCount(Value);
    const bool suppressed = FColumnCollection->FNoRecursiveUpdate;
    FColumnCollection->FNoRecursiveUpdate = true;
    SyncColumns();
    FColumnCollection->FNoRecursiveUpdate = suppressed;
}

void TExColumnGrid::SyncColumns() {
    const int total = ColCount() + NumHiddenColumns();
    while (FColumnCollection->Count() < total) FColumnCollection->Add();
    while (FColumnCollection->Count() > total) FColumnCollection->Delete(FColumnCollection->Count() - 1);
}

void TExColumnGrid::SyncColumnHeaders() {
    if (FixedRows() <= 0) return;
    TStringList* headers = ColumnHeaders();
    headers->Clear();
    for (int i = 0; i < FColumnCollection->Count(); ++i) {
        TGridColumnItem* item = FColumnCollection->Items(i);
        if (item->FColumnHeader.isEmpty() && !Cells(i, 0).isEmpty()) item->FColumnHeader = Cells(i, 0);
        headers->Add(item->FColumnHeader);
    }
}

void TExColumnGrid::DoColumnHeadersChanged() {
    const TStringList* headers = ColumnHeaders();
    for (int i = 0; i < FColumnCollection->Count() && i < headers->Count(); ++i)
        FColumnCollection->Items(i)->FColumnHeader = headers->Strings(i);
}

TGridColumnItem* TExColumnGrid::GetColumnByName(const QString& AValue) const {
    for (int i = 0; i < FColumnCollection->Count(); ++i)
        if (FColumnCollection->Items(i)->Name() == AValue) return FColumnCollection->Items(i);
    return nullptr;
}

void TExColumnGrid::Loaded() {
    TExStringGrid::Loaded();
    SyncColumns();
    FColumnCollection->SetOrganization();
}

void TExColumnGrid::UpdateFooterAll() {
    TExStringGrid::UpdateFooterAll();
    const bool suppressed = FColumnCollection->FNoRecursiveUpdate;
    FColumnCollection->FNoRecursiveUpdate = true;
    SyncColumns();
    FColumnCollection->FNoRecursiveUpdate = suppressed;
}

// The string grid's operation changes the columns; the items follow by exactly the
// number of real columns it added or removed, so a refused or cut operation never
// leaves items and columns apart.
void TExColumnGrid::InsertCols(int ColIndex, int CCount) {
    const int before = TotalColCount();
    TExStringGrid::InsertCols(ColIndex, CCount);
    const int added = TotalColCount() - before;
    const bool suppressed = FColumnCollection->FNoRecursiveUpdate;
    FColumnCollection->FNoRecursiveUpdate = true;
    const int at = std::clamp(ColIndex, 0, FColumnCollection->Count());
    for (int i = 0; i < added; ++i) FColumnCollection->Insert(at);
    // UnGroup puts the grouped column's item back.
    if (FIsGrouping && added == 1) FColumnCollection->Items(at)->Assign(FSaveCol.get());
    FColumnCollection->FNoRecursiveUpdate = suppressed;
}

// The items go inside one update of the collection: deleting them one at a time would
// let each notice bring ColCount back to the item count in between.
void TExColumnGrid::RemoveCols(int ColIndex, int CCount) {
    const int before = TotalColCount();
    // Group keeps the grouped column's item for UnGroup.
    if (FIsGrouping && CCount == 1)
        if (TGridColumnItem* item = ItemAt(ColIndex)) FSaveCol->Assign(item);
    TExStringGrid::RemoveCols(ColIndex, CCount);
    const int removed = before - TotalColCount();
    FColumnCollection->BeginUpdate();
    for (int i = 0; i < removed && ColIndex >= 0 && ColIndex < FColumnCollection->Count(); ++i)
        FColumnCollection->Delete(ColIndex);
    FColumnCollection->EndUpdate();
}

// The item travels with its column as a whole (every setting, DefIdx included), between
// the real indexes of the displayed positions the column was moved between.
void TExColumnGrid::ColumnMoved(int FromIndex, int ToIndex) {
    const bool suppressed = FColumnCollection->FNoRecursiveUpdate;
    FColumnCollection->FNoRecursiveUpdate = true;
    const int top = TopRow();
    const int realFrom = RealColIndex(FromIndex);
    const int realTo = RealColIndex(ToIndex);
    TExStringGrid::ColumnMoved(FromIndex, ToIndex);
    BeginUpdate();
    FColMoving = true;
    if (realFrom < FColumnCollection->Count() && realTo < FColumnCollection->Count())
        FColumnCollection->Move(realFrom, realTo);
    SetTopRow(top);
    FColMoving = false;
    EndUpdate();
    FColumnCollection->FNoRecursiveUpdate = suppressed;
    if (OnAfterColumnMoved) OnAfterColumnMoved(this, realFrom, realTo);
}

void TExColumnGrid::ColWidthsChanged() {
    TExStringGrid::ColWidthsChanged();
    if (!FColumnCollection || Loading(*this) || ComponentState().Contains(csDestroying)) return;
    for (int c = 0; c < ColCount(); ++c)
        if (TGridColumnItem* item = ItemAt(RealColIndex(c))) item->FWidth = ColWidths(c);
}

void TExColumnGrid::Notification(TComponent* AComponent, TOperation Operation) {
    TExStringGrid::Notification(AComponent, Operation);
    if (Operation != opRemove || !FColumnCollection) return;
    for (int i = 0; i < FColumnCollection->Count(); ++i) {
        TGridColumnItem* item = FColumnCollection->Items(i);
        // An edit link is a component of its own; it is compared by address.
        if (static_cast<const void*>(item->FEditLink) == static_cast<const void*>(AComponent))
            item->FEditLink = nullptr;
        if (item->FColumnPopup && static_cast<TComponent*>(item->FColumnPopup) == AComponent)
            item->FColumnPopup = nullptr;
    }
}

// The menu of the item at the DISPLAYED position clicked, not of the real column shown
// there: the DALI editor attaches its menus by displayed position while its Address
// column is hidden. The menu pops up without blocking, at the cell's left-bottom corner.
void TExColumnGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TExStringGrid::MouseDown(Button, Shift, X, Y);
    int col = -1;
    int row = -1;
    MouseToCell(X, Y, col, row);
    TGridColumnItem* item = (col >= 0 && row >= 0) ? ItemAt(col) : nullptr;
    if (!item || !item->FColumnPopup) return;
    const TColumnPopupType kind = item->FColumnPopupType;
    bool matches = false;
    bool onFixed = false;
    bool onNormal = false;
    if (Button == mbLeft) {
        matches = kind == cpFixedCellsLClick || kind == cpNormalCellsLClick || kind == cpAllCellsLClick;
        onFixed = kind == cpFixedCellsLClick || kind == cpAllCellsLClick;
        onNormal = kind == cpNormalCellsLClick || kind == cpAllCellsLClick;
    } else if (Button == mbRight) {
        matches = kind == cpFixedCellsRClick || kind == cpNormalCellsRClick || kind == cpAllCellsRClick;
        onFixed = kind == cpFixedCellsRClick || kind == cpAllCellsRClick;
        onNormal = kind == cpNormalCellsRClick || kind == cpAllCellsRClick;
    }
    if (!matches) return;
    TPopupMenu* menu = item->FColumnPopup;
    if (OnColumnPopup) OnColumnPopup(this, col, row, menu);
    const bool fixedRow = row < FixedRows();
    if ((fixedRow && onFixed) || (!fixedRow && onNormal)) {
        const TRect cell = CellRect(col, row);
        menu->popup(Surface()->mapToGlobal(QPoint(cell.Left, cell.Bottom)));
    }
}
