// The column grid's answers to the per-cell questions, each from the item of the cell's
// column (real column, the core's hook rule), then the string grid's answer and event.
// Also the string grid's own edit mask, edit length and filter choice that the column
// grid overrides.

#include "grid/core/column_grid.h"

#include "controls/text_utilities.h"
#include "controls/user_number_format.h"
#include "grid/edit/grid_spin.h"
#include "platform/format_settings.h"

#include <QComboBox>

// ---- what the string grid offers the column grid ----------------------------------------

QString TExStringGrid::GetEditMask(int, int) { return FEditMask; }

int TExStringGrid::GetEditLimit() { return FMaxEditLength; }


namespace {
double NumberOf(const QString& text) {
    QString plain = text.trimmed();
    plain.replace(FormatSettings().DecimalSeparator, QLatin1Char('.'));
    return plain.toDouble();
}
}  // namespace

// ---- cell kinds ----------------------------------------------------------------------

bool TExColumnGrid::IsNormalCell(int ACol, int ARow) const { return ACol >= FixedCols() && ARow >= FixedRows(); }

bool TExColumnGrid::IsBodyCell(int ACol, int ARow) const {
    return IsNormalCell(ACol, ARow) && ACol < ColCount() + NumHiddenColumns() - FixedRightCols() &&
           ARow < RowCount() - FixedFooters();
}

// ---- the overrides ---------------------------------------------------------------------

void TExColumnGrid::GetCellDefaults(int ACol, int ARow, TFont& AFont, TBrush& ABrush, TColor& ColorTo,
                                    TColor& MirrorColor, TColor& MirrorColorTo, TAlignment& HA, TVAlignment& VA,
                                    bool& WW, TCellGradientDirection& GD) {
    const TGridColumnItem* item = ItemAt(ACol);
    if (!item) {
        TExStringGrid::GetCellDefaults(ACol, ARow, AFont, ABrush, ColorTo, MirrorColor, MirrorColorTo, HA, VA, WW, GD);
        return;
    }
    AFont = item->Font();
    ABrush.Color = item->Color();
    ColorTo = clNone;
    HA = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
    VA = VAlignment();
    WW = WordWrap();
    GD = GradientVertical;
    if (IsFixed(DisplColIndex(ACol), ARow) || (Bands()->Active() && item->ShowBands())) {
        ABrush.Color = clNone;
        ColorTo = clNone;
    }
}

QString TExColumnGrid::GetFormattedCell(RealCol ACol, DisplRow ARow) {
    const TGridColumnItem* item = ItemAt(ACol.v);
    if (!item) return TExStringGrid::GetFormattedCell(ACol, ARow);
    QString format = item->FloatFormat();
    const QString text = Cells(ACol.v, ARow.v);
    const int kind = ClassifyNumberText(text);
    bool isFloat = !text.trimmed().isEmpty() && (kind == ntInteger || kind == ntFloat);
    if (OnGetFloatFormat) OnGetFloatFormat(this, ACol.v, ARow.v, isFloat, format);
    if (!format.isEmpty() && isFloat) {
        if (const std::optional<QString> formatted = FormatUserNumber(format, NumberOf(text))) return *formatted;
    }
    return text;
}

QString TExColumnGrid::GetCellFloatFormat(RealCol ACol, DisplRow ARow) {
    const TGridColumnItem* item = ItemAt(ACol.v);
    if (item && !item->FloatFormat().isEmpty()) return item->FloatFormat();
    return TExStringGrid::GetCellFloatFormat(ACol, ARow);
}

// A body cell of a data check-box column reads as a check box without an object of its
// own: nothing is created per cell when such a column is read or painted.
TCellType TExColumnGrid::GetCellType(int ACol, int ARow) const {
    const TCellType kind = TExStringGrid::GetCellType(ACol, ARow);
    if (kind != ctEmpty || ComponentState().Contains(csDestroying)) return kind;
    const TGridColumnItem* item = ItemAt(ACol);
    if (item && item->Editor() == edDataCheckBox && IsBodyCell(ACol, ARow)) return ctDataCheckBox;
    return kind;
}

TCellGraphic* TExColumnGrid::GetCellGraphic(int ACol, int ARow) const {
    TCellGraphic* graphic = TExStringGrid::GetCellGraphic(ACol, ARow);
    if (graphic || ComponentState().Contains(csDestroying)) return graphic;
    const TGridColumnItem* item = ItemAt(ACol);
    if (!item || item->Editor() != edDataCheckBox || !IsBodyCell(ACol, ARow)) return graphic;
    FCellGraphic->SetCellType(ctVirtCheckBox);
    FCellGraphic->SetCellTransparent(ControlLook()->ControlStyle == csFlat);
    return FCellGraphic.get();
}

// Sizing by mouse reports the displayed column; the limits are those of the real column
// shown there.
void TExColumnGrid::DoUpdateColumnSize(DisplCol ACol, int& AWidth) {
    if (const TGridColumnItem* item = ItemAt(RealColIndex(ACol.v)); item && ACol.v >= 0) {
        if (item->MinSize() > 0 && AWidth < item->MinSize()) AWidth = item->MinSize();
        if (item->MaxSize() > 0 && AWidth > item->MaxSize()) AWidth = item->MaxSize();
    }
    TExStringGrid::DoUpdateColumnSize(ACol, AWidth);
}

void TExColumnGrid::DoUpdateAutoColumnSize(DisplCol ACol, int& AWidth) {
    if (const TGridColumnItem* item = ItemAt(RealColIndex(ACol.v)); item && ACol.v >= 0) {
        if (item->AutoMinSize() > 0 && AWidth < item->AutoMinSize()) AWidth = item->AutoMinSize();
        if (item->AutoMaxSize() > 0 && AWidth > item->AutoMaxSize()) AWidth = item->AutoMaxSize();
    }
    TExStringGrid::DoUpdateAutoColumnSize(ACol, AWidth);
}

void TExColumnGrid::GetCellColor(RealCol ACol, DisplRow ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont) {
    const TGridColumnItem* item = ItemAt(ACol.v);
    if (item && ACol.v >= FixedCols() && ACol.v < ColCount() + NumHiddenColumns() - FixedRightCols() &&
        ARow.v < RowCount() - FixedFooters()) {
        if (item->Fixed())
            ABrush->Color = FixedColor();
        else if (ARow.v >= FixedRows() && !(item->ShowBands() && Bands()->Active()))
            ABrush->Color = item->Color();
        *AFont = ARow.v < FixedRows() ? item->HeaderFont() : item->Font();
        if (CellPropsAssigned(ACol.v, ARow.v)) {
            const TCellProperties* props = GetCellProperties(ACol.v, ARow.v);
            if (props->BrushColor() != clNone) ABrush->Color = props->BrushColor();
            if (props->FontColor() != clNone) AFont->Color = props->FontColor();
        }
    }
    TExStringGrid::GetCellColor(ACol, ARow, AState, ABrush, AFont);
}

void TExColumnGrid::GetCellPrintColor(RealCol ACol, DisplRow ARow, TGridDrawState AState, TBrush* ABrush,
                                      TFont* AFont) {
    const TGridColumnItem* item = ItemAt(ACol.v);
    const bool fixedCell = ACol.v < FixedCols() || ARow.v < FixedRows() ||
                           ACol.v >= ColCount() + NumHiddenColumns() - FixedRightCols() ||
                           ARow.v >= RowCount() - FixedFooters();
    if (item && fixedCell) *AFont = PrintSettings()->FixedFont;
    if (item && !fixedCell) {
        const TCellProperties* props = CellPropsAssigned(ACol.v, ARow.v) ? GetCellProperties(ACol.v, ARow.v) : nullptr;
        if (item->Fixed()) {
            ABrush->Color = FixedColor();
        } else if (!(item->ShowBands() && Bands()->Active() && Bands()->Print())) {
            ABrush->Color = item->PrintColor();
            if (props && props->BrushColor() != clNone) ABrush->Color = props->BrushColor();
        }
        if (item->PrintFontCustom()) {
            *AFont = item->PrintFont();
            if (props) {
                if (props->FontColor() != clNone) AFont->Color = props->FontColor();
                if (!props->FontStyle().Empty()) AFont->Style = props->FontStyle();
                if (props->FontSize() != 0) AFont->Size = props->FontSize();
                if (!props->FontName().isEmpty()) AFont->Name = props->FontName();
            }
        } else {
            *AFont = PrintSettings()->Font;
        }
    }
    TExStringGrid::GetCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void TExColumnGrid::GetCellBorder(RealCol ACol, DisplRow ARow, TPen* APen, TCellBorders& Borders) {
    if (const TGridColumnItem* item = ItemAt(ACol.v); item && IsNormalCell(ACol.v, ARow.v)) {
        Borders = item->Borders();
        *APen = item->BorderPen();
    }
    TExStringGrid::GetCellBorder(ACol, ARow, APen, Borders);
}

void TExColumnGrid::GetCellPrintBorder(RealCol ACol, DisplRow ARow, TPen* APen, TCellBorders& Borders) {
    if (const TGridColumnItem* item = ItemAt(ACol.v); item && item->PrintBorderCustom() && IsNormalCell(ACol.v, ARow.v)) {
        Borders = item->PrintBorders();
        *APen = item->PrintBorderPen();
    }
    TExStringGrid::GetCellPrintBorder(ACol, ARow, APen, Borders);
}

void TExColumnGrid::GetCellAlignment(RealCol ACol, DisplRow ARow, TAlignment& HAlign, TVAlignment& VAlign) {
    if (const TGridColumnItem* item = ItemAt(ACol.v)) {
        HAlign = ARow.v < FixedRows() ? item->HeaderAlignment() : item->Alignment();
        if (CellPropsAssigned(ACol.v, ARow.v)) HAlign = GetCellProperties(ACol.v, ARow.v)->Alignment();
    }
    TExStringGrid::GetCellAlignment(ACol, ARow, HAlign, VAlign);
}

void TExColumnGrid::GetCellFormat(RealCol ACol, TSortStyle& AStyle, QString& aPrefix, QString& aSuffix) {
    if (const TGridColumnItem* item = ItemAt(ACol.v)) {
        AStyle = item->SortStyle();
        aPrefix = item->SortPrefix();
        aSuffix = item->SortSuffix();
    }
    TExStringGrid::GetCellFormat(ACol, AStyle, aPrefix, aSuffix);
}

// Asking a cell's editor fills the grid's combo list with the column's items; it leaves
// the grid's own FloatFormat alone (the column's format reaches its cells through
// GetCellFloatFormat), so asking changes no setting of the grid.
void TExColumnGrid::GetCellEditorTypeEx(RealCol ACol, DisplRow ARow, TEditorType& AEditor) {
    if (const TGridColumnItem* item = ItemAt(ACol.v); item && IsNormalCell(ACol.v, ARow.v)) {
        AEditor = item->Editor();
        ClearComboString();
        for (int i = 0; i < item->ComboItems().Count(); ++i) AddComboString(item->ComboItems().Strings(i));
        if (QComboBox* combo = EditCombo()) combo->setMaxVisibleItems(std::max(1, item->DropDownCount()));
        TGridSpin* spin = GetSpinEdit();
        spin->SetMinValue(item->SpinMin());
        spin->SetMaxValue(item->SpinMax());
        spin->SetIncrement(item->SpinStep());
        // The column's link serves its edCustom cells.
        if (item->EditLink()) SetEditLink(item->EditLink());
        ControlLook()->DropDownCount = item->DropDownCount();
    }
    TExStringGrid::GetCellEditorTypeEx(ACol, ARow, AEditor);
}

// The fixed columns are counted on the screen: the displayed column is mapped once to
// the real column whose item answers.
void TExColumnGrid::IsFixedCell(DisplCol ACol, DisplRow ARow, bool& IsFixed) {
    if (ACol.v >= FixedCols() && ARow.v >= FixedRows())
        if (const TGridColumnItem* item = ItemAt(RealColIndex(ACol.v))) IsFixed = item->Fixed();
    TExStringGrid::IsFixedCell(ACol, ARow, IsFixed);
}

void TExColumnGrid::CanEditBaseCell(RealCol ACol, DisplRow ARow, bool& CanEdit) {
    CanEdit = false;
    const TGridColumnItem* item = ItemAt(ACol.v);
    if (!ComponentState().Contains(csLoading) && item && IsNormalCell(ACol.v, ARow.v)) CanEdit = !(item->ReadOnly() || item->Fixed());
    if (CanEdit && CellPropsAssigned(ACol.v, ARow.v)) CanEdit = !ReadOnly(ACol.v, ARow.v);
    const TPoint base = BaseCell(ACol.v, ARow.v);
    if (OnCanEditCell) OnCanEditCell(this, base.Y, base.X, CanEdit);
}

void TExColumnGrid::IsPasswordCell(RealCol ACol, DisplRow ARow, bool& IsPassword) {
    if (const TGridColumnItem* item = ItemAt(ACol.v)) IsPassword = item->Password();
    TExStringGrid::IsPasswordCell(ACol, ARow, IsPassword);
}

bool TExColumnGrid::CellHasComboBox(RealCol ACol, DisplRow ARow) {
    const TGridColumnItem* item = ItemAt(ACol.v);
    if (!item) return TExStringGrid::CellHasComboBox(ACol, ARow);
    bool hasCombo = IsNormalCell(ACol.v, ARow.v) &&
                    (item->Editor() == edComboEdit || item->Editor() == edComboList);
    if (OnHasComboBox) OnHasComboBox(this, ACol.v, ARow.v, hasCombo);
    return hasCombo;
}

void TExColumnGrid::GetCheckTrue(RealCol ACol, DisplRow ARow, QString& Value) {
    TExStringGrid::GetCheckTrue(ACol, ARow, Value);
    if (const TGridColumnItem* item = ItemAt(ACol.v); item && IsBodyCell(ACol.v, ARow.v)) Value = item->CheckTrue();
}

void TExColumnGrid::GetCheckFalse(RealCol ACol, DisplRow ARow, QString& Value) {
    TExStringGrid::GetCheckFalse(ACol, ARow, Value);
    if (const TGridColumnItem* item = ItemAt(ACol.v); item && IsBodyCell(ACol.v, ARow.v)) Value = item->CheckFalse();
}

bool TExColumnGrid::GetColumnFilter(RealCol Column) {
    FilterList()->SetSorted(false);
    TExStringGrid::GetColumnFilter(Column);
    const TGridColumnItem* item = ItemAt(Column.v);
    if (!item || item->Filter().Count() == 0) return false;
    FilterList()->SetSorted(false);
    FilterList()->Clear();
    for (int i = 0; i < item->Filter().Count(); ++i) FilterList()->Add(item->Filter().Strings(i).section(QLatin1Char('='), 0, 0));
    return true;
}

bool TExColumnGrid::HasColumnFilter(RealCol Column) {
    // The base still asks OnGetColumnFilter; the column item's entries decide.
    TExStringGrid::HasColumnFilter(Column);
    const TGridColumnItem* item = ItemAt(Column.v);
    return item && item->Filter().Count() > 0;
}

void TExColumnGrid::FilterSelect(int ItemIndex) {
    if (TGridColumnItem* item = ItemAt(FilterCol()); item && ItemIndex >= 0 && ItemIndex < item->Filter()->Count()) {
        const QString entry = item->Filter()->Strings(ItemIndex);
        const int equals = entry.indexOf(QLatin1Char('='));
        const QString caption = equals >= 0 ? entry.left(equals) : entry;
        if (FAutoFilterDisplay) item->SetHeader(caption);
        if (AutoFilterUpdate()) SetFilterActive(false);
        QString condition = equals >= 0 ? entry.mid(equals + 1) : entry;
        if (OnFilterSelect) OnFilterSelect(this, FilterCol(), ItemIndex, caption, condition);
        TFilterData& filter = Filter()->GetColFilter(FilterCol());
        filter.Condition = condition;
        filter.CaseSensitive = item->FilterCaseSensitive();
        if (AutoFilterUpdate()) {
            SetFilterActive(true);
            // Filtered down to the fixed rows, there is no row to go to.
            if (RowCount() > FixedRows()) SetRow(FixedRows());
            DoFilterDone();
        }
    }
    SetFilterCol(-1);
}

// The mask of the real column shown at displayed column ACol; a mask of the string
// grid's own wins when it has one.
QString TExColumnGrid::GetEditMask(int ACol, int ARow) {
    QString mask;
    if (ACol >= FixedCols() && ACol < Columns()->Count())
        if (const TGridColumnItem* item = ItemAt(RealColIndex(ACol))) mask = item->EditMask();
    const QString own = TExStringGrid::GetEditMask(ACol, ARow);
    return own.isEmpty() ? mask : own;
}

int TExColumnGrid::GetEditLimit() {
    const int current = Col();
    if (current >= FixedCols() && current < Columns()->Count())
        if (const TGridColumnItem* item = ItemAt(RealColIndex(current))) return item->EditLength();
    return TExStringGrid::GetEditLimit();
}
