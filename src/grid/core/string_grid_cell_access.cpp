// String grid cell access: cells by original column order and before sorting, plain
// text of HTML cells, the current cell, the per-cell attributes kept in the cell's
// properties, the row-wide colours, embedded controls and the combo editor's list.

#include "grid/core/string_grid.h"
#include "grid/view/markup_text.h"

#include "controls/text_utilities.h"

#include <QComboBox>
#include <QWidget>

// ---- cells in other orders ----------------------------------------------------------

QString TExStringGrid::OriginalCells(int i, int j) const {
    const int position = FColumnOrder->Count() > i && i >= 0 ? FColumnOrder->IndexOf(i) : -1;
    return Cells(position >= 0 ? position : i, j);
}

void TExStringGrid::SetOriginalCells(int i, int j, const QString& Value) {
    const int position = FColumnOrder->Count() > i && i >= 0 ? FColumnOrder->IndexOf(i) : -1;
    SetCells(position >= 0 ? position : i, j, Value);
}

QString TExStringGrid::UnSortedCells(int i, int j) const {
    const int position = FSortRowXRef->IndexOf(j);
    return Cells(i, position >= 0 ? position : j);
}

void TExStringGrid::SetUnSortedCells(int i, int j, const QString& Value) {
    const int position = FSortRowXRef->IndexOf(j);
    SetCells(i, position >= 0 ? position : j, Value);
}

int TExStringGrid::SortedRowIndex(int ARow) const {
    const int row = ARow >= 0 && ARow < FSortRowXRef->Count() ? FSortRowXRef->Items(ARow) : ARow;
    return RealRowIndex(row);
}

int TExStringGrid::UnSortedRowIndex(int ARow) const {
    if (FSortRowXRef->Count() == 0) return ARow;
    const int position = FSortRowXRef->IndexOf(ARow);
    return position >= 0 ? position : FSortRowXRef->Count();
}

QString TExStringGrid::StrippedCells(int i, int j) const { return MarkupToPlainText(Cells(i, j)); }

int TExStringGrid::LinesInCell(int i, int j) const { return CountTextLines(Cells(i, j), true); }

// ---- the current cell ---------------------------------------------------------------

QString TExStringGrid::GetCurrentCell() {
    const TPoint base = BaseCell(RealColIndex(Col()), Row());
    return GetGridCell(base.X, base.Y);
}

void TExStringGrid::SetCurrentCell(const QString& Value) {
    const TPoint base = BaseCell(RealColIndex(Col()), Row());
    SetCells(base.X, base.Y, Value);
}

QString TExStringGrid::GetCurrentCellText() {
    const TPoint base = BaseCell(RealColIndex(Col()), Row());
    return Cells(base.X, base.Y);
}

void TExStringGrid::SetCurrentEditText(const QString& Value) {
    int col = Col(), row = Row();
    if (IsMergedNonBaseCell(RealColIndex(col), row)) {
        const TPoint base = BaseCell(RealColIndex(col), row);
        col = DisplColIndex(base.X);
        row = base.Y;
    }
    SetEditText(col, row, Value);
}

void TExStringGrid::SetGridCursor(TCursor Value) {
    FCursor = Value;
    SetCursor(Value);
}

void TExStringGrid::ScreenToCell(TPoint pt, int& ACol, int& ARow) const {
    const QPoint client = const_cast<TExStringGrid*>(this)->Surface()->mapFromGlobal(QPoint(pt.X, pt.Y));
    MouseToCell(client.x(), client.y(), ACol, ARow);
}

// ---- per-cell attributes ------------------------------------------------------------

template <class T>
T TExStringGrid::PropertyOr(int ACol, int ARow, T (TCellProperties::*Read)() const, T Fallback) const {
    const TCellProperties* props = PropsOf(ACol, ARow);
    return props ? (props->*Read)() : Fallback;
}

TCellProperties* TExStringGrid::PropsOf(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0) return nullptr;
    return dynamic_cast<TCellProperties*>(GetGridObject(ACol, ARow));
}

TCellProperties* TExStringGrid::WritableProps(int ACol, int ARow) {
    // A negative index never reaches the store: the write does nothing.
    if (ACol < 0 || ARow < 0) return nullptr;
    return GetCellProperties(ACol, ARow);
}

void TExStringGrid::RepaintAttributeCell(int ACol, int ARow) {
    if (FUpdateCount == 0) RepaintCell(DisplColIndex(ACol), ARow);
}

TColor TExStringGrid::Colors(int ACol, int ARow) const {
    return PropertyOr(ACol, ARow, &TCellProperties::BrushColor, TColor(clNone));
}

void TExStringGrid::SetColors(int ACol, int ARow, TColor Value) {
    if (TCellProperties* props = WritableProps(ACol, ARow)) props->SetBrushColor(Value);
    RepaintAttributeCell(ACol, ARow);
}

TColor TExStringGrid::ColorsTo(int ACol, int ARow) const {
    return PropertyOr(ACol, ARow, &TCellProperties::BrushColorTo, TColor(clNone));
}

void TExStringGrid::SetColorsTo(int ACol, int ARow, TColor Value) {
    if (TCellProperties* props = WritableProps(ACol, ARow)) props->SetBrushColorTo(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

TCellGradientDirection TExStringGrid::Gradients(int ACol, int ARow) const {
    return PropertyOr(ACol, ARow, &TCellProperties::GradientDirection, TCellGradientDirection(GradientVertical));
}

void TExStringGrid::SetGradients(int ACol, int ARow, TCellGradientDirection Value) {
    if (TCellProperties* props = WritableProps(ACol, ARow)) props->SetGradientDirection(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

TColor TExStringGrid::FontColors(int ACol, int ARow) const {
    return PropertyOr(ACol, ARow, &TCellProperties::FontColor, TColor(clNone));
}

void TExStringGrid::SetFontColors(int ACol, int ARow, TColor Value) {
    if (TCellProperties* props = WritableProps(ACol, ARow)) props->SetFontColor(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

TFontStyles TExStringGrid::FontStyles(int ACol, int ARow) const {
    return PropertyOr(ACol, ARow, &TCellProperties::FontStyle, TFontStyles());
}

void TExStringGrid::SetFontStyles(int ACol, int ARow, TFontStyles Value) {
    if (TCellProperties* props = WritableProps(ACol, ARow)) props->SetFontStyle(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

int TExStringGrid::FontSizes(int ACol, int ARow) const {
    return PropertyOr(ACol, ARow, &TCellProperties::FontSize, 0);
}

void TExStringGrid::SetFontSizes(int ACol, int ARow, int Value) {
    if (TCellProperties* props = WritableProps(ACol, ARow)) props->SetFontSize(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

QString TExStringGrid::FontNames(int ACol, int ARow) const {
    return PropertyOr(ACol, ARow, &TCellProperties::FontName, QString());
}

void TExStringGrid::SetFontNames(int ACol, int ARow, const QString& Value) {
    if (TCellProperties* props = WritableProps(ACol, ARow)) props->SetFontName(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

TAlignment TExStringGrid::Alignments(int ACol, int ARow) const {
    return PropertyOr(ACol, ARow, &TCellProperties::Alignment, TAlignment(taLeftJustify));
}

void TExStringGrid::SetAlignments(int ACol, int ARow, TAlignment Value) {
    if (TCellProperties* props = WritableProps(ACol, ARow)) props->SetAlignment(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

bool TExStringGrid::ReadOnly(int ACol, int ARow) const {
    const TCellProperties* props = PropsOf(ACol, ARow);
    return props && props->ReadOnly();
}

void TExStringGrid::SetReadOnly(int ACol, int ARow, bool Value) {
    if (TCellProperties* props = WritableProps(ACol, ARow)) props->SetReadOnly(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

bool TExStringGrid::WordWraps(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0) return false;
    return GetCellProperties(ACol, ARow)->WordWrap();
}

void TExStringGrid::SetWordWraps(int ACol, int ARow, bool Value) {
    if (TCellProperties* props = WritableProps(ACol, ARow)) props->SetWordWrap(Value);
    RepaintCell(DisplColIndex(ACol), ARow);
}

TFont TExStringGrid::Fonts(int ACol, int ARow) const {
    const TCellProperties* props = PropsOf(ACol, ARow);
    if (!props) return GridFont();
    TFont font;
    font.Name = props->FontName();
    font.Size = props->FontSize();
    font.Style = props->FontStyle();
    font.Color = props->FontColor();
    return font;
}

void TExStringGrid::SetFonts(int ACol, int ARow, const TFont& Value) {
    TCellProperties* props = WritableProps(ACol, ARow);
    if (!props) return;
    props->SetFontName(Value.Name);
    props->SetFontSize(Value.Size);
    props->SetFontStyle(Value.Style);
    props->SetFontColor(Value.Color);
    RepaintAttributeCell(ACol, ARow);
}

TControl* TExStringGrid::CellControls(int ACol, int ARow) const {
    const TCellProperties* props = PropsOf(ACol, ARow);
    return props ? props->Control() : nullptr;
}

void TExStringGrid::SetCellControls(int ACol, int ARow, TControl* Value) {
    TCellProperties* props = WritableProps(ACol, ARow);
    if (!props) return;
    const int realRow = RealRowIndex(ARow);
    const int registered = FControlList->ControlIndex(ACol, realRow);
    if (registered >= 0) FControlList->RemoveControl(registered);
    const bool had = props->Control() != nullptr;
    if (Value) {
        if (!had) ++FNumCellControls;
        FControlList->AddControl(ACol, realRow, Value);
        props->SetControl(Value);
        Value->Widget()->setParent(Surface());
        const TRect r = CellRect(DisplColIndex(ACol), ARow);
        Value->Widget()->setGeometry(r.Left - 1, r.Top - 1, r.Width() + 1, r.Height() + 1);
        Value->Widget()->show();
    } else {
        if (had) --FNumCellControls;
        props->SetControl(nullptr);
    }
}

// ---- row-wide colours ---------------------------------------------------------------

void TExStringGrid::FillRowCells(int ARow, const std::function<void(int ACol)>& Apply) {
    if (ARow < 0) return;
    for (int c = TStringGrid::FixedCols(); c < AllColCount(); ++c) Apply(c);
    RepaintRow(ARow);
}

void TExStringGrid::SetRowColor(int ARow, TColor Value) {
    // Setting none clears the colour only: the cells keep their other properties (check
    // boxes, merges, read-only flags, node levels).
    FillRowCells(ARow, [&](int c) {
        if (Value == clNone && !PropsOf(c, ARow)) return;
        if (TCellProperties* props = WritableProps(c, ARow)) props->SetBrushColor(Value);
    });
}

void TExStringGrid::SetRowColorTo(int ARow, TColor Value) {
    FillRowCells(ARow, [&](int c) {
        if (Value == clNone && !PropsOf(c, ARow)) return;
        if (TCellProperties* props = WritableProps(c, ARow)) props->SetBrushColorTo(Value);
    });
}

void TExStringGrid::SetRowFontColor(int ARow, TColor Value) {
    FillRowCells(ARow, [&](int c) {
        if (Value == clNone && !PropsOf(c, ARow)) return;
        if (TCellProperties* props = WritableProps(c, ARow)) props->SetFontColor(Value);
    });
}

// ---- the combo editor's list --------------------------------------------------------

void TExStringGrid::ClearComboString() {
    FComboItems.Clear();
    FComboSelection = -1;
}

void TExStringGrid::AddComboString(const QString& s) { FComboItems.Add(s); }

void TExStringGrid::AddComboStringObject(const QString& s, TObject* AObject) { FComboItems.AddObject(s, AObject); }

bool TExStringGrid::RemoveComboString(const QString& s) {
    const int index = FComboItems.IndexOf(s);
    if (index < 0) return false;
    FComboItems.Delete(index);
    return true;
}

bool TExStringGrid::SetComboSelectionString(const QString& s) {
    const int index = FComboItems.IndexOf(s);
    if (index < 0) return false;
    FComboSelection = index;
    return true;
}

void TExStringGrid::SetComboSelection(int idx) { FComboSelection = idx; }

int TExStringGrid::GetComboCount() const { return FComboItems.Count(); }

int TExStringGrid::ComboIndex(int ACol, int ARow) {
    DoGetEditorProp(RealCol(ACol), DisplRow(ARow), nullptr);
    return FComboItems.IndexOf(Cells(ACol, ARow));
}

void TExStringGrid::SetComboIndex(int ACol, int ARow, int Value) {
    DoGetEditorProp(RealCol(ACol), DisplRow(ARow), nullptr);
    if (Value < 0 || Value >= FComboItems.Count()) return;
    SetCells(ACol, ARow, FComboItems.Strings(Value));
}
