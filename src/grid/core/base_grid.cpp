// Base grid: life cycle, cell access, merged areas, span queries, geometry, and the
// clearing and releasing of cell properties.

#include "grid/core/base_grid.h"

#include "controls/text_utilities.h"
#include "grid/core/cell_graphic.h"
#include "grid/core/grid_undo_redo.h"

#include <QWidget>
#include <algorithm>
#include <typeinfo>

TBaseGrid::TBaseGrid(TComponent* AOwner, QWidget* AParent) : TObjStringGrid(AOwner, AParent) {
    SetGridLineWidth(1);
    SetDefaultDrawing(false);
}

TBaseGrid::~TBaseGrid() {
    FDestroying = true;
    if (FUndoRedo) FUndoRedo->Notification(this, opRemove);
    // Everything the grid owns, also what lies beyond the counts or was unhooked from
    // its slot, goes with it.
    for (TCellProperties* props : FOwnedProps) {
        TObject* graphic = props->GraphicObject();
        if (graphic && typeid(*graphic) == typeid(TCellGraphic)) delete graphic;
        delete props;
    }
    FOwnedProps.clear();
}

void TBaseGrid::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent == FUndoRedo) FUndoRedo = nullptr;
    TObjStringGrid::Notification(AComponent, Operation);
}

void TBaseGrid::SetUndoRedo(TExGridUndoRedo* value) {
    TExGridUndoRedo* old = FUndoRedo;
    FUndoRedo = value;
    // The manager replaced lets go of this grid, as the grid it came from lets go of it.
    if (old && old != value && old->Grid() == this) old->SetGrid(nullptr);
    if (FUndoRedo) FUndoRedo->SetGrid(this);
}

void TBaseGrid::LinesMoving(bool Rows, int First, int Last, bool Removed) {
    // Areas store their cells' offsets from the base, so an area that moves whole stays
    // right; one that the change cuts through would point its cells at strangers, and
    // one that goes would stay counted. Both are split first. Only the edge lines of a
    // moving block can hold an area that reaches across it.
    if (FMergeCount <= 0) return;
    const int across = Rows ? TotalColCount() : RowCount();
    auto splitAt = [&](int line) {
        for (int i = 0; i < across; ++i) {
            const int c = Rows ? i : line;
            const int r = Rows ? line : i;
            const TCellProperties* props = PropsAt(c, r);
            if (!props || (props->CellSpanX() == -1 && props->CellSpanY() == -1)) continue;
            const TRect area = FullCell(c, r);
            const int lo = Rows ? area.Top : area.Left;
            const int hi = Rows ? area.Bottom : area.Right;
            if (Removed || lo < First || hi > Last) SplitCells(c, r);
        }
    };
    if (Removed) {
        for (int line = First; line <= Last; ++line) splitAt(line);
    } else {
        splitAt(First);
        if (Last != First) splitAt(Last);
    }
}

void TBaseGrid::StructureChanged() {
    // Recorded changes name cells by position; after rows or columns moved they would
    // write into the wrong cells.
    if (FUndoRedo) FUndoRedo->Reset();
}

TColor TBaseGrid::GridColor() const { return Color() == clDefault ? clWindow : Color(); }

TFont TBaseGrid::GridFont() const {
    const QFont f = font();
    TFont result;
    result.Name = f.family();
    result.Size = f.pointSize() > 0 ? f.pointSize() : 8;
    result.Color = clWindowText;
    if (f.bold()) result.Style.Include(fsBold);
    if (f.italic()) result.Style.Include(fsItalic);
    if (f.underline()) result.Style.Include(fsUnderline);
    if (f.strikeOut()) result.Style.Include(fsStrikeOut);
    return result;
}

// ---- properties -------------------------------------------------------------------

void TBaseGrid::SetGridLineWidth(int value) {
    FGridLineWidth = value;
    TObjStringGrid::SetGridLineWidth(0);  // this grid draws its lines inside the cells
    InvalidateGrid();
}

void TBaseGrid::SetGridLineColor(TColor value) {
    FGridLineColor = value;
    InvalidateGrid();
}

void TBaseGrid::SetGridFixedLineColor(TColor value) {
    FGridFixedLineColor = value;
    InvalidateGrid();
}

void TBaseGrid::SetDefaultDrawing(bool value) {
    FDefaultDrawing = value;
    TObjStringGrid::SetDefaultDrawing(false);
}

// ---- hooks ------------------------------------------------------------------------

bool TBaseGrid::IsFixed(int, int) { return false; }
int TBaseGrid::GetRowIndent(int) { return 0; }
bool TBaseGrid::HasNodes() { return false; }

void TBaseGrid::GetDisplText(int ACol, int ARow, QString& Value) const {
    if (OnGetDisplText) OnGetDisplText(const_cast<TBaseGrid*>(this), ACol, ARow, Value);
}

void TBaseGrid::GetDisplWideText(int ACol, int ARow, QString& Value) const {
    if (OnGetDisplWideText) OnGetDisplWideText(const_cast<TBaseGrid*>(this), ACol, ARow, Value);
}

void TBaseGrid::GetCellDefaults(int, int, TFont& AFont, TBrush& ABrush, TColor& ColorTo, TColor& MirrorColor,
                                TColor& MirrorColorTo, TAlignment& HA, TVAlignment& VA, bool& WW,
                                TCellGradientDirection& GD) {
    AFont = GridFont();
    ABrush.Color = GridColor();
    ColorTo = clNone;
    MirrorColor = clNone;
    MirrorColorTo = clNone;
    HA = taLeftJustify;
    VA = vtaTop;
    WW = FWordWrap;
    GD = GradientVertical;
}

void TBaseGrid::GetVisualProperties(int, int, TGridDrawState&, bool, bool, bool, TBrush&, TColor&, TColor&, TColor&,
                                    TFont&, TAlignment&, TVAlignment&, bool&, TCellGradientDirection&) {}

// ---- cell properties --------------------------------------------------------------

bool TBaseGrid::CellPropsAssigned(int ACol, int ARow) const {
    return ACol >= 0 && ACol < TotalColCount() && ARow >= 0 && ARow < RowCount() && GetGridObject(ACol, ARow);
}

TCellProperties* TBaseGrid::PropsAt(int ACol, int ARow) const {
    if (!CellPropsAssigned(ACol, ARow)) return nullptr;
    return dynamic_cast<TCellProperties*>(GetGridObject(ACol, ARow));
}

void TBaseGrid::Adopt(TCellProperties* props) {
    if (props) FOwnedProps.insert(props);
}

void TBaseGrid::DeleteProps(TCellProperties* props) {
    // Only what the grid owns is freed, and only once.
    if (!props || FOwnedProps.erase(props) == 0) return;
    TObject* graphic = props->GraphicObject();
    if (graphic && typeid(*graphic) == typeid(TCellGraphic)) delete graphic;
    delete props;
}

TCellProperties* TBaseGrid::GetCellProperties(int ACol, int ARow) {
    if (auto* existing = dynamic_cast<TCellProperties*>(GetGridObject(ACol, ARow))) return existing;
    auto* props = new TCellProperties(this, ACol, ARow);
    Adopt(props);
    TStringGrid::SetObjects(ACol, ARow, props);
    TFont font;
    TBrush brush;
    TColor colorTo = clNone, mirrorColor = clNone, mirrorColorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = FWordWrap;
    TCellGradientDirection gd = GradientVertical;
    GetCellDefaults(ACol, ARow, font, brush, colorTo, mirrorColor, mirrorColorTo, ha, va, ww, gd);
    // Set as fields: a new cell has nothing to repaint yet.
    props->SetCalcType(acNONE);
    props->SetAlignment(ha);
    props->FVAlignment = va;
    props->FWordWrap = ww;
    props->SetFontName(font.Name);
    props->SetFontSize(font.Size);
    props->SetFontStyle(font.Style);
    props->SetFontColor(font.Color);
    props->FBrushColor = brush.Color;
    props->FBrushColorTo = colorTo;
    props->SetGradientDirection(gd);
    return props;
}

void TBaseGrid::SetCellProperties(int ACol, int ARow, TCellProperties* Value) {
    auto* old = dynamic_cast<TCellProperties*>(GetGridObject(ACol, ARow));
    if (old == Value) return;
    TStringGrid::SetObjects(ACol, ARow, Value);
    DeleteProps(old);
    Adopt(Value);
}

void TBaseGrid::SetGridObject(int ACol, int ARow, TObject* Value) {
    TStringGrid::SetObjects(ACol, ARow, Value);
    Adopt(dynamic_cast<TCellProperties*>(Value));
}

// ---- cell access ------------------------------------------------------------------

bool TBaseGrid::ResolveBaseCell(int ACol, int ARow, int& BaseCol, int& BaseRow) const {
    const TPoint base = BaseCell(ACol, ARow);
    BaseCol = base.X;
    BaseRow = base.Y;
    return base.X == ACol && base.Y == ARow;
}

QString TBaseGrid::GetCellEx(int ACol, int ARow) const {
    const TPoint base = BaseCell(ACol, ARow);
    QString result = GetGridCell(base.X, base.Y);
    if (base.Y < FNormalRowCount) {
        GetDisplText(base.X, base.Y, result);
        if (OnGetDisplWideText) {
            QString wide = EscapedToWide(result);
            GetDisplWideText(base.X, base.Y, wide);
            result = WideToEscaped(wide);
        }
    }
    return result;
}

void TBaseGrid::SetCellEx(int ACol, int ARow, const QString& Value) {
    if (CellPropsAssigned(ACol, ARow)) {
        const TPoint base = BaseCell(ACol, ARow);
        SetGridCell(base.X, base.Y, Value);
        CellChanged(base.X, base.Y);
        if (parentWidget()) RepaintCell(ACol, ARow);
    } else {
        SetGridCell(ACol, ARow, Value);
    }
    if (FHideLastRow && ARow == RowCount() - 1) LastRowChanged();
}

TObject* TBaseGrid::GetObjectEx(int ACol, int ARow) const {
    const TCellProperties* props = PropsAt(ACol, ARow);
    return props ? props->CellObject() : nullptr;
}

void TBaseGrid::SetObjectEx(int ACol, int ARow, TObject* Value) {
    const bool blank = Cells(ACol, ARow).isEmpty();
    if (blank) SetCells(ACol, ARow, QStringLiteral(" "));
    GetCellProperties(ACol, ARow)->SetCellObject(Value);
    if (blank) SetCells(ACol, ARow, QString());
}

TObject* TBaseGrid::GetGraphicObjectEx(int ACol, int ARow) const { return GraphicOfProps(PropsAt(ACol, ARow)); }

void TBaseGrid::SetGraphicObjectEx(int ACol, int ARow, TObject* Value) {
    if (FDestroying) return;
    const bool blank = Cells(ACol, ARow).isEmpty();
    if (blank) SetCells(ACol, ARow, QStringLiteral(" "));
    GetCellProperties(ACol, ARow)->SetGraphicObject(Value);
    if (blank) SetCells(ACol, ARow, QString());
}

// ---- merged areas -----------------------------------------------------------------

void TBaseGrid::MergeCells(int c, int r, int spanx, int spany) {
    // Cut to the grid; an empty area is no area.
    spanx = std::min(spanx, TotalColCount() - c);
    spany = std::min(spany, RowCount() - r);
    if (spanx < 1 || spany < 1 || c < 0 || r < 0) return;
    // An area overlapping earlier ones replaces them: they are split first, so no cell
    // stays pointing at a base cell of an area that no longer covers it.
    for (int i = c; i < c + spanx; ++i)
        for (int j = r; j < r + spany; ++j)
            if (const TCellProperties* props = PropsAt(i, j); props && props->CellSpanX() != -1) SplitCells(i, j);
    ++FMergeCount;
    for (int i = c; i < c + spanx; ++i) {
        for (int j = r; j < r + spany; ++j) {
            TCellProperties* props = GetCellProperties(i, j);
            const bool base = i == c && j == r;
            props->SetIsBaseCell(base);
            props->SetCellSpanX(base ? spanx - 1 : i - c);
            props->SetCellSpanY(base ? spany - 1 : j - r);
        }
    }
    RepaintCell(c, r);
}

void TBaseGrid::SplitCells(int c, int r) {
    const TCellProperties* props = PropsAt(c, r);
    if (!props || (props->CellSpanX() == -1 && props->CellSpanY() == -1)) return;  // not merged: nothing to split
    const TPoint base = props->GetBaseCell(c, r);
    const TCellProperties* baseProps = PropsAt(base.X, base.Y);
    const int sx = baseProps ? baseProps->CellSpanX() : 0;
    const int sy = baseProps ? baseProps->CellSpanY() : 0;
    RepaintCell(base.X, base.Y);
    for (int i = base.X; i <= base.X + sx; ++i) {
        for (int j = base.Y; j <= base.Y + sy; ++j) {
            TCellProperties* cell = PropsAt(i, j);
            if (!cell) continue;
            cell->SetIsBaseCell(true);
            cell->SetCellSpanX(-1);
            cell->SetCellSpanY(-1);
        }
    }
    --FMergeCount;
}

TPoint TBaseGrid::BaseCell(int ACol, int ARow) const {
    const TCellProperties* props = PropsAt(ACol, ARow);
    return props ? props->GetBaseCell(ACol, ARow) : TPoint{ACol, ARow};
}

bool TBaseGrid::IsBaseCell(int ACol, int ARow) const {
    const TCellProperties* props = PropsAt(ACol, ARow);
    return !props || props->IsBaseCell();
}

bool TBaseGrid::IsMergedCell(int ACol, int ARow) const {
    const TCellProperties* props = PropsAt(ACol, ARow);
    return props && (props->CellSpanX() > 0 || props->CellSpanY() > 0);
}

bool TBaseGrid::IsMergedNonBaseCell(int ACol, int ARow) const {
    const TCellProperties* props = PropsAt(ACol, ARow);
    return IsMergedCell(ACol, ARow) && !props->IsBaseCell();
}

bool TBaseGrid::IsXMergedCell(int ACol, int ARow) const {
    if (!PropsAt(ACol, ARow)) return false;
    const TPoint base = BaseCell(ACol, ARow);
    const TCellProperties* baseProps = PropsAt(base.X, base.Y);
    return baseProps && baseProps->CellSpanX() > 0;
}

bool TBaseGrid::IsYMergedCell(int ACol, int ARow) const {
    if (!PropsAt(ACol, ARow)) return false;
    const TPoint base = BaseCell(ACol, ARow);
    const TCellProperties* baseProps = PropsAt(base.X, base.Y);
    return baseProps && baseProps->CellSpanY() > 0;
}

TPoint TBaseGrid::CellSpan(int ACol, int ARow) const {
    const TCellProperties* props = PropsAt(ACol, ARow);
    if (!props || props->CellSpanX() == -1 || props->CellSpanY() == -1) return {0, 0};
    const TPoint base = props->GetBaseCell(ACol, ARow);
    const TCellProperties* baseProps = PropsAt(base.X, base.Y);
    if (!baseProps) return {0, 0};
    return {baseProps->CellSpanX(), baseProps->CellSpanY()};
}

TPoint TBaseGrid::CellExt(int ACol, int ARow) const {
    const TCellProperties* props = PropsAt(ACol, ARow);
    if (!props || props->CellSpanX() == -1 || props->CellSpanY() == -1) return {0, 0};
    const TPoint base = props->GetBaseCell(ACol, ARow);
    const TPoint span = CellSpan(ACol, ARow);
    return {base.X + span.X - ACol, base.Y + span.Y - ARow};
}

TRect TBaseGrid::FullCell(int c, int r) const {
    const TPoint base = BaseCell(c, r);
    const TPoint span = CellSpan(c, r);
    return {base.X, base.Y, base.X + span.X, base.Y + span.Y};
}

int TBaseGrid::MinRowSpan(int ARow) const {
    int result = RowCount();
    bool found = false;
    for (int c = 0; c < TotalColCount(); ++c) {
        const int span = CellSpan(c, ARow).Y;
        if (span > 0 && (!found || span < result)) {
            result = span;
            found = true;
        }
    }
    return found ? result : RowCount();
}

int TBaseGrid::MaxRowSpan(int ARow) const {
    int result = 0;
    for (int c = 0; c < TotalColCount(); ++c) result = std::max(result, CellSpan(c, ARow).Y);
    return result;
}

bool TBaseGrid::RowSpanIdentical(int ARow1, int ARow2) const {
    bool found = false;
    for (int c = 0; c < TotalColCount(); ++c) {
        if (CellSpan(c, ARow1).Y <= 0 || CellSpan(c, ARow2).Y <= 0) continue;
        if (BaseCell(c, ARow1).Y != BaseCell(c, ARow2).Y) return false;
        found = true;
    }
    return found;
}

bool TBaseGrid::ColSpanIdentical(int ACol1, int ACol2) const {
    bool found = false;
    for (int r = 0; r < RowCount(); ++r) {
        const int span1 = CellSpan(ACol1, r).X;
        const int span2 = CellSpan(ACol2, r).X;
        if (span1 > 0 && span2 > 0) {
            if (BaseCell(ACol1, r).X != BaseCell(ACol2, r).X) return false;
            found = true;
        } else if (span1 != span2) {
            return false;
        }
    }
    return found;
}

// ---- geometry ---------------------------------------------------------------------

TRect TBaseGrid::UnclippedCellRect(int c, int r) const {
    const TGridAxis& cols = ColAxis();
    const TGridAxis& rows = RowAxis();
    auto position = [](const TGridAxis& axis, int index) {
        if (index < axis.Fixed()) return axis.Extent(0, index);
        const int first = axis.First();
        const int scrolled = index >= first ? axis.Extent(first, index) : -axis.Extent(index, first);
        return axis.FixedExtent() + scrolled;
    };
    const int left = position(cols, c);
    const int top = position(rows, r);
    return {left, top, left + ColWidths(c), top + RowHeights(r)};
}

TRect TBaseGrid::CellRect(int c, int r) const {
    // c is a displayed column; a merged area is kept at real columns.
    const int real = RealColIndex(c);
    const TCellProperties* props = PropsAt(real, r);
    if (props && (props->CellSpanX() != -1 || props->CellSpanY() != -1)) {
        const TPoint base = props->GetBaseCell(real, r);
        const TPoint span = CellSpan(real, r);
        TRect r1 = UnclippedCellRect(DisplColIndex(base.X), base.Y);
        if (r1.Width() == 0) r1.Right += 1;
        TRect r2 = UnclippedCellRect(DisplColIndex(base.X + span.X), base.Y + span.Y);
        if (r2.Width() == 0) r2.Left -= 1;
        return {std::min(r1.Left, r2.Left), std::min(r1.Top, r2.Top), std::max(r1.Right, r2.Right),
                std::max(r1.Bottom, r2.Bottom)};
    }
    if (props && props->Control()) return UnclippedCellRect(c, r);
    // A cell out of view has no rectangle on the screen.
    const TRect screen = TStringGrid::CellRect(c, r);
    if (screen.IsEmpty()) return {};
    return {screen.Left, screen.Top, screen.Left + ColWidths(c), screen.Top + RowHeights(r)};
}

TPoint TBaseGrid::CellSize(int c, int r) const {
    const TCellProperties* props = PropsAt(c, r);
    if (props && (props->CellSpanX() != -1 || props->CellSpanY() != -1)) {
        const TPoint base = props->GetBaseCell(c, r);
        const TPoint span = CellSpan(c, r);
        const TRect r1 = UnclippedCellRect(base.X, base.Y);
        const TRect r2 = UnclippedCellRect(base.X + span.X, base.Y + span.Y);
        return {std::max(r1.Right, r2.Right) - std::min(r1.Left, r2.Left),
                std::max(r1.Bottom, r2.Bottom) - std::min(r1.Top, r2.Top)};
    }
    const TRect rect = UnclippedCellRect(c, r);
    return {rect.Width(), rect.Height()};
}

int TBaseGrid::FixedColsWidth() const { return ColAxis().FixedExtent(); }
int TBaseGrid::FixedRowsHeight() const { return RowAxis().FixedExtent(); }

void TBaseGrid::RepaintCell(int c, int r) {
    // Only the part of the area on the screen is measured: the whole area's rectangle sums
    // the sizes of every line it spans and of every line between it and the view, which a
    // grid with tall merged areas cannot afford on every write.
    const TRect area = FullCell(c, r);
    int left = 0, right = 0, top = 0, bottom = 0;
    if (ColAxis().ScreenSpan(area.Left, area.Right, Surface()->width(), left, right) &&
        RowAxis().ScreenSpan(area.Top, area.Bottom, Surface()->height(), top, bottom))
        Surface()->update(left, top, right - left, bottom - top);
}

void TBaseGrid::RepaintMergedFixedCols() {
    if (FixedCols() == 0) return;
    for (int r = TopRow(); r <= TopRow() + VisibleRowCount() && r < RowCount(); ++r)
        for (int c = 0; c < FixedCols(); ++c)
            if (IsMergedCell(c, r)) RepaintCell(c, r);
}

void TBaseGrid::RepaintMergedFixedRows() {
    if (FixedRows() == 0) return;
    for (int c = LeftCol(); c <= LeftCol() + VisibleColCount() && c < ColCount(); ++c)
        for (int r = 0; r < FixedRows(); ++r)
            if (IsMergedCell(c, r)) RepaintCell(c, r);
}

// ---- clearing and releasing -------------------------------------------------------

void TBaseGrid::ClearColCells(int ACol) {
    for (int r = 0; r < RowCount(); ++r) {
        TStringGrid::SetObjects(ACol, r, nullptr);
        SetCells(ACol, r, QString());
    }
}

void TBaseGrid::ClearRowCells(int ARow) {
    for (int c = 0; c < TotalColCount(); ++c) {
        TStringGrid::SetObjects(c, ARow, nullptr);
        SetCells(c, ARow, QString());
    }
}

void TBaseGrid::ClearCellAndObject(int ACol, int ARow) {
    // The slot first, so that the text written is this cell's own and not the base
    // cell's of a merged area.
    TStringGrid::SetObjects(ACol, ARow, nullptr);
    SetCells(ACol, ARow, QString());
}

void TBaseGrid::FreeCellProps(int ACol, int ARow) {
    auto* props = dynamic_cast<TCellProperties*>(GetGridObject(ACol, ARow));
    TStringGrid::SetObjects(ACol, ARow, nullptr);
    DeleteProps(props);
}

void TBaseGrid::FreeCellPropsRange(int ACol1, int ARow1, int ACol2, int ARow2) {
    if (!FHasCellProps) return;
    for (int c = std::max(0, ACol1); c <= ACol2; ++c)
        for (int r = std::max(0, ARow1); r <= ARow2; ++r)
            if (dynamic_cast<TCellProperties*>(GetGridObject(c, r))) FreeCellProps(c, r);
}

void TBaseGrid::FreeAllCellProps() {
    // Over the whole storage: hidden columns and rows beyond the count keep cells too.
    FreeCellPropsRange(0, 0, std::max(TotalColCount(), CellStore().ColumnSlots()) - 1,
                       std::max(RowCount(), CellStore().RowSlots()) - 1);
}
