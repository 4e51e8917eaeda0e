// Check-box and radio-button cells: adding and removing them, one cell at a time or a
// column at once, and the queries that tell what a cell holds. Reading, setting and
// toggling the state is in string_grid_check_boxes_state.cpp.
//
// Every check box, tri-state box and radio button made here is flat, placed before the
// text and aligned vertically as the grid's VAlignment says.

#include "grid/core/string_grid.h"

#include "grid/core/radio_items.h"

namespace {

const TCellTypes CheckBoxKinds{ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox};
const TCellTypes TextBoundKinds{ctDataCheckBox, ctDataImage, ctVirtCheckBox, ctRowCheckBox};
const TCellTypes ClickableKinds{ctCheckBox,      ctDataCheckBox, ctRadio,       ctButton,
                                ctVirtCheckBox,  ctRowCheckBox,  ctRadioButton, ctTriStateCheckBox};

TCellVAlign CellVAlignOf(TVAlignment Alignment) {
    switch (Alignment) {
    case vtaCenter: return vaCenter;
    case vtaBottom: return vaBottom;
    default: return vaTop;
    }
}

// A new box may only go into a cell the grid stores, hidden rows and columns included.
void RequireRealCell(const TExStringGrid& Grid, int ACol, int ARow) {
    if (ACol < 0 || ARow < 0 || ACol >= Grid.ColCount() + Grid.NumHiddenColumns() ||
        ARow >= Grid.RowCount() + Grid.NumHiddenRows())
        throw Exception(QStringLiteral("Invalid cell"));
}
}  // namespace

void TExStringGrid::AddCheckBox(int ACol, int ARow, bool State, bool Data) {
    RequireRealCell(*this, ACol, ARow);
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    graphic->SetCheckBox(State, Data, true, haBeforeText, CellVAlignOf(FVAlignment));
    if (Data) {
        // The grid's own texts, not the per-cell ones: a text that already is one of
        // them keeps the state it stands for.
        const QString text = Cells(ACol, ARow);
        if (text != FCheckTrue && text != FCheckFalse) SetCells(ACol, ARow, State ? FCheckTrue : FCheckFalse);
    }
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TExStringGrid::AddCheckBox(int ACol, int ARow, TCheckBoxState State) {
    RequireRealCell(*this, ACol, ARow);
    CreateCellGraphic(ACol, ARow)->SetCheckBox(State, true, haBeforeText, CellVAlignOf(FVAlignment));
    RepaintCell(DisplColIndex(ACol), ARow);
}

int TExStringGrid::FirstCheckBoxRow() const {
    return FMouseActions->CheckAllCheck() ? 0 : TStringGrid::FixedRows();
}

void TExStringGrid::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox) {
    for (int r = FirstCheckBoxRow(); r < RowCount(); ++r) {
        if (IsSummary(r)) continue;
        if (IsNode(r))
            AddCheckBox(ACol, r, cbUnchecked);
        else
            AddCheckBox(ACol, r, DefaultState, DataCheckBox);
    }
}

void TExStringGrid::AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State) {
    for (int r = FirstCheckBoxRow(); r < RowCount(); ++r) AddCheckBox(ACol, r, State);
}

void TExStringGrid::RemoveCheckBox(int ACol, int ARow) {
    const TCellType kind = GetCellType(ACol, ARow);
    // A balloon hanging on the box goes with the object, which owns it.
    if (kind == ctCheckBox || kind == ctDataCheckBox || kind == ctTriStateCheckBox) RemoveCellGraphic(ACol, ARow);
}

void TExStringGrid::RemoveCheckBoxColumn(int ACol) {
    for (int r = FirstCheckBoxRow(); r < RowCount(); ++r)
        if (HasCheckBox(ACol, r)) RemoveCheckBox(ACol, r);
}

void TExStringGrid::AddRadioButton(int ACol, int ARow, bool State) {
    RequireRealCell(*this, ACol, ARow);
    CreateCellGraphic(ACol, ARow)->SetRadioButton(State, true, haBeforeText, CellVAlignOf(FVAlignment));
    RepaintCell(DisplColIndex(ACol), ARow);
}

void TExStringGrid::RemoveRadioButton(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRadioButton); }

void TExStringGrid::AddRadioButtonColumn(int ACol) {
    for (int r = TStringGrid::FixedRows(); r < RowCount(); ++r) AddRadioButton(ACol, r, false);
}

void TExStringGrid::RemoveRadioButtonColumn(int ACol) {
    for (int r = TStringGrid::FixedRows(); r < RowCount(); ++r)
        if (HasRadioButton(ACol, r)) RemoveRadioButton(ACol, r);
}

namespace {
void MakeRadioGroup(TCellGraphic& Graphic, TRadioItems* Items, int DirRadio, int IdxRadio, bool Created) {
    Graphic.SetCellType(ctRadio);
    Graphic.SetCellBitmap(Items);
    Graphic.SetCellCreated(Created);
    Graphic.SetCellIndex(IdxRadio);
    Graphic.SetCellBoolean(DirRadio != 0);
    Graphic.SetCellAngle(Created ? 0 : Items->Items()->Count());
}
}  // namespace

void TExStringGrid::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStrings* sl) {
    if (!sl) return;
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return;
    MakeRadioGroup(*graphic, new TRadioItems(sl), DirRadio, IdxRadio, false);
    RepaintCell(DisplColIndex(ACol), ARow);
}

TStrings* TExStringGrid::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio) {
    TCellGraphic* graphic = CreateCellGraphic(ACol, ARow);
    if (!graphic) return nullptr;
    auto* items = new TRadioItems();
    MakeRadioGroup(*graphic, items, DirRadio, IdxRadio, true);
    RepaintCell(DisplColIndex(ACol), ARow);
    return items->Items();
}

void TExStringGrid::RemoveRadio(int ACol, int ARow) { RemoveCellGraphicOfType(ACol, ARow, ctRadio); }

bool TExStringGrid::HasCheckBox(int ACol, int ARow) const { return HasCellObject(ACol, ARow, CheckBoxKinds); }

bool TExStringGrid::HasDataCheckBox(int ACol, int ARow) const {
    return HasCellObject(ACol, ARow, {ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox});
}

bool TExStringGrid::IsRadio(int ACol, int ARow) const { return HasCellObject(ACol, ARow, {ctRadio}); }

bool TExStringGrid::HasRadioButton(int ACol, int ARow) const { return HasCellObject(ACol, ARow, {ctRadioButton}); }

bool TExStringGrid::IsRadioButtonChecked(int ACol, int ARow) const {
    if (!HasRadioButton(ACol, ARow)) return false;
    const TPoint base = BaseCell(ACol, ARow);
    return GetCellGraphic(base.X, base.Y)->CellBoolean();
}

bool TExStringGrid::HasClickableObject(int ACol, int ARow) const { return HasCellObject(ACol, ARow, ClickableKinds); }

bool IsDataBoundCell(const TExStringGrid* Grid, int ACol, int ARow) {
    return Grid && Grid->HasCellObject(ACol, ARow, TextBoundKinds);
}

bool TExStringGrid::GetRadioIdx(int ACol, int ARow, int& IdxRadio) const {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return false;
    IdxRadio = graphic->CellIndex();
    return graphic->CellType() == ctRadio;
}

bool TExStringGrid::SetRadioIdx(int ACol, int ARow, int IdxRadio) {
    // Only a radio group: the index field means other things for other objects.
    TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic || graphic->CellType() != ctRadio) return false;
    graphic->SetCellIndex(IdxRadio);
    if (IdxRadio == -1) SetCells(ACol, ARow, QString());
    RepaintCell(DisplColIndex(ACol), ARow);
    return true;
}

TStrings* TExStringGrid::GetRadioStrings(int ACol, int ARow) const {
    if (!IsRadio(ACol, ARow)) return nullptr;
    const TPoint base = BaseCell(ACol, ARow);
    const auto* items = dynamic_cast<const TRadioItems*>(GetCellGraphic(base.X, base.Y)->CellBitmap());
    return items ? items->Items() : nullptr;
}

int TExStringGrid::GetRadioButtonColumnIndex(int ACol) const {
    for (int r = TStringGrid::FixedRows(); r < RowCount(); ++r)
        if (IsRadioButtonChecked(ACol, r)) return r;
    return -1;
}

void TExStringGrid::SetRadioButtonColumnIndex(int ACol, int Index) {
    for (int r = TStringGrid::FixedRows(); r < RowCount(); ++r) SetRadioButtonState(ACol, r, r == Index);
}
