// String grid cell object store: the one TCellGraphic a cell may carry, its kind, the
// size it claims for layout and printing, its rectangle, sort value and the sort
// indicator; and the display-text hook that turns URLs in a text into links.
//
// GetCellType and GetCellGraphic run for every painted cell: they only read the cell's
// properties and never create them.

#include "grid/core/string_grid.h"

#include "controls/text_utilities.h"
#include "platform/picture.h"

#include <QFontMetrics>
#include <cmath>

namespace {
bool IsSharedKind(TCellType kind) { return kind == ctVirtCheckBox || kind == ctRowCheckBox; }
}  // namespace

TCellType TExStringGrid::GetCellType(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0) return ctEmpty;
    if (ACol == 0 && FMouseActions->HotmailRowSelect()) return ctRowCheckBox;
    const TCellProperties* props = PropsOf(ACol, ARow);
    const auto* graphic = props ? dynamic_cast<const TCellGraphic*>(props->GraphicObject()) : nullptr;
    return graphic ? graphic->CellType() : ctEmpty;
}

TCellGraphic* TExStringGrid::GetCellGraphic(int ACol, int ARow) const {
    if (ACol < 0 || ARow < 0) return nullptr;
    if (ACol == 0 && FMouseActions->HotmailRowSelect()) {
        // The one shared row check box, refreshed for the row asked about: row 0 shows
        // whether all data rows are selected (CellAngle 1: only some are).
        FCellGraphic->SetCellType(ctRowCheckBox);
        FCellGraphic->SetCellTransparent(FControlLook->ControlStyle == csFlat);
        if (ARow == 0) {
            const int selected = FSelectedRows->Count();
            const int dataRows = RowCount() - TStringGrid::FixedRows();
            FCellGraphic->SetCellBoolean(selected >= dataRows);
            FCellGraphic->SetCellAngle(selected > 0 && selected < dataRows ? 1 : 0);
        } else {
            const int real = RealRowIndex(ARow);
            FCellGraphic->SetCellAngle(0);
            FCellGraphic->SetCellBoolean(real < int(FRowSelect.size()) && FRowSelect[std::size_t(real)]);
        }
        return FCellGraphic.get();
    }
    const TCellProperties* props = PropsOf(ACol, ARow);
    return props ? dynamic_cast<TCellGraphic*>(props->GraphicObject()) : nullptr;
}

TCellGraphic* TExStringGrid::CreateCellGraphic(int ACol, int ARow) {
    if (ACol < 0 || ARow < 0) return nullptr;
    // A cell with an object always has its properties: an empty cell is given a blank
    // while the object is attached, then emptied again.
    const bool wasEmpty = Cells(ACol, ARow).isEmpty();
    if (wasEmpty) SetCells(ACol, ARow, QStringLiteral(" "));
    TCellProperties* props = GetCellProperties(ACol, ARow);
    auto* old = dynamic_cast<TCellGraphic*>(props->GraphicObject());
    props->SetGraphicObject(nullptr);
    if (old && !IsSharedKind(old->CellType()) && old != FCellGraphic.get()) delete old;
    auto* graphic = new TCellGraphic();
    props->SetGraphicObject(graphic);
    if (wasEmpty) SetCells(ACol, ARow, QString());
    const int displayed = DisplColIndex(ACol);
    if (displayed != ACol) RepaintCell(displayed, ARow);
    return graphic;
}

bool TExStringGrid::RemoveCellGraphic(int ACol, int ARow) {
    TCellProperties* props = PropsOf(ACol, ARow);
    auto* graphic = props ? dynamic_cast<TCellGraphic*>(props->GraphicObject()) : nullptr;
    if (!graphic) return false;
    props->SetGraphicObject(nullptr);
    if (!IsSharedKind(graphic->CellType()) && graphic != FCellGraphic.get()) delete graphic;
    if (!ComponentState().Contains(csDestroying)) RepaintCell(DisplColIndex(ACol), ARow);
    return true;
}

bool TExStringGrid::RemoveCellGraphicOfType(int ACol, int ARow, TCellType AType) {
    if (GetCellType(ACol, ARow) != AType) return false;
    return RemoveCellGraphic(ACol, ARow);
}

bool TExStringGrid::HasCellObject(int ACol, int ARow, TSet<TCellType> Kinds) const {
    if (ACol < 0 || ARow < 0) return false;
    const TPoint base = BaseCell(ACol, ARow);
    return Kinds.Contains(GetCellType(base.X, base.Y));
}

TPoint TExStringGrid::GetCellGraphicSize(int ACol, int ARow) {
    TPoint size;
    CalcCellGraphicSize(ACol, ARow, size, 0);
    return size;
}

void TExStringGrid::CalcCellGraphicSize(int ACol, int ARow, TPoint& Size, int FreeHeight) {
    Size = {0, 0};
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return;
    const QString text = Cells(ACol, ARow);
    const bool hasText = !text.isEmpty();
    const bool besideH = graphic->CellHAlign() == haBeforeText || graphic->CellHAlign() == haAfterText;
    const bool besideV = graphic->CellVAlign() == vaUnderText || graphic->CellVAlign() == vaAboveText;
    const int displayed = DisplColIndex(ACol);
    const int cellWidth = ColWidths(displayed);
    const int cellHeight = RowHeights(ARow);
    const int marginX = FXYOffsetTopLeftOnly ? FXYOffset.X : 2 * FXYOffset.X;
    const int marginY = FXYOffsetTopLeftOnly ? FXYOffset.Y : 2 * FXYOffset.Y;
    const QFontMetrics metrics(font());
    bool fullWidth = false;
    switch (graphic->CellType()) {
    case ctPicture:
    case ctFilePicture: {
        const TPoint picture = graphic->GetPictureSize(cellWidth - 1 - marginX, cellHeight - 1 - marginY - FreeHeight,
                                                       hasText);
        Size = picture;
        break;
    }
    case ctButton:
    case ctBitButton: {
        const int storedWidth = graphic->CellIndex() & 0xFFFF;
        const int storedHeight = (graphic->CellIndex() >> 16) & 0xFFFF;
        const int captionWidth = metrics.horizontalAdvance(graphic->CellText()) + 4;
        if (hasText) {
            if (graphic->CellHAlign() == haCenter || besideV) Size.X = 0;
            else if (graphic->CellHAlign() == haFull) Size.X = captionWidth;
            else Size.X = storedWidth;
            Size.Y = besideV ? storedHeight : 0;
        } else {
            Size.X = graphic->CellHAlign() == haFull ? captionWidth : storedWidth;
            fullWidth = graphic->CellHAlign() == haFull;
            Size.Y = storedHeight;
        }
        break;
    }
    case ctProgressPie: Size = {20, 20}; break;
    case ctRadioButton: Size = {FControlLook->RadioSize, FControlLook->RadioSize}; break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox: Size = {FControlLook->CheckSize, FControlLook->CheckSize}; break;
    case ctRating:
        Size = {static_cast<int>(std::lround(graphic->CellValue())) * 18, 16};
        fullWidth = true;
        break;
    default:
        // Icons, bitmaps, image lists and interfaced objects are measured with the
        // pictures and images of their own features.
        Q_UNUSED(besideH);
        break;
    }
    if (graphic->CellVAlign() == vaFull) Size.Y = cellHeight;
    if (graphic->CellHAlign() == haFull && !fullWidth) Size.X = cellWidth;
}

void TExStringGrid::CalcPrintGraphicSize(int ACol, int ARow, TPoint& Size, double ResFactor, int CellWidth,
                                         int CellHeight) {
    Size = {0, 0};
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return;
    switch (graphic->CellType()) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox: Size = {FControlLook->CheckSize, FControlLook->CheckSize}; break;
    case ctRadioButton: Size = {FControlLook->RadioSize, FControlLook->RadioSize}; break;
    case ctNode:
    case ctProgressPie: Size = {20, 20}; break;
    case ctPicture:
    case ctFilePicture: {
        const TPoint picture = graphic->GetPictureSize(CellWidth, CellHeight, !Cells(ACol, ARow).isEmpty());
        const double factor = ResFactor != 0.0 ? ResFactor : 1.0;
        Size = {static_cast<int>(std::lround(picture.X / factor)), static_cast<int>(std::lround(picture.Y / factor))};
        break;
    }
    case ctProgress:
    case ctXPProgress: Size = {ColWidths(DisplColIndex(ACol)), RowHeights(ARow)}; break;
    case ctButton:
    case ctBitButton: Size = {graphic->CellIndex() & 0xFFFF, (graphic->CellIndex() >> 16) & 0xFFFF}; break;
    case ctShape: Size = {RowHeights(ARow) - 2 * FXYOffset.Y, RowHeights(ARow) - 2 * FXYOffset.Y}; break;
    default: break;
    }
}

TRect TExStringGrid::GetCellGraphicRect(int ACol, int ARow) {
    const TCellGraphic* graphic = GetCellGraphic(RealColIndex(ACol), ARow);
    if (!graphic) return {};
    const TRect cell = CellRect(ACol, ARow);
    const int offsets = static_cast<int>(std::lround(graphic->CellValue()));
    TRect r;
    r.Left = cell.Left + (offsets & 0xFFFF);
    r.Top = cell.Top + ((offsets >> 16) & 0xFFFF);
    r.Right = r.Left + (graphic->CellIndex() & 0xFFFF);
    r.Bottom = r.Top + ((graphic->CellIndex() >> 16) & 0xFFFF);
    if (graphic->CellVAlign() == vaFull) {
        r.Top = cell.Top;
        r.Bottom = cell.Bottom;
    }
    if (graphic->CellHAlign() == haFull) {
        r.Left = cell.Left;
        r.Right = cell.Right;
    }
    return r;
}

int TExStringGrid::GetGraphicSortValue(int ACol, int ARow) const {
    const TCellGraphic* graphic = GetCellGraphic(ACol, ARow);
    if (!graphic) return -1;
    switch (graphic->CellType()) {
    // The reference itself orders the cells; only its bits matter.
    case ctBitmap: return static_cast<int>(reinterpret_cast<quintptr>(graphic->CellBitmap()));
    case ctIcon: return static_cast<int>(reinterpret_cast<quintptr>(graphic->CellIcon()));
    case ctImageList: return graphic->CellIndex();
    default: return -1;
    }
}

bool TExStringGrid::IsSortIndicatorCell(int ACol, int ARow) const {
    int row = ARow;
    if (IsMergedCell(ACol, ARow)) {
        const TRect area = FullCell(ACol, ARow);
        row = area.Bottom;
    }
    return row == FSortSettings->Row && FSortSettings->Show && RowCount() > TStringGrid::FixedRows() + 1;
}

void TExStringGrid::RepaintHeaderCells(int OldCol, int OldRow, int NewCol, int NewRow) {
    const int fixedRows = TStringGrid::FixedRows();
    const int fixedCols = TStringGrid::FixedCols();
    for (const TPoint p : {TPoint{OldCol, OldRow}, TPoint{NewCol, NewRow}}) {
        if (fixedRows > 0) RepaintCell(p.X, fixedRows - 1);
        if (fixedCols > 0) RepaintCell(fixedCols - 1, p.Y);
    }
}

void TExStringGrid::SetURLColor(TColor Value) {
    FURLColor = Value;
    if (FURLShow) InvalidateGrid();
}

void TExStringGrid::SetURLShow(bool Value) {
    FURLShow = Value;
    InvalidateGrid();
}

void TExStringGrid::SetURLShowInText(bool Value) {
    FURLShowInText = Value;
    InvalidateGrid();
}

void TExStringGrid::SetURLFull(bool Value) {
    FURLFull = Value;
    if (FURLShow) InvalidateGrid();
}

void TExStringGrid::GetDisplText(int ACol, int ARow, QString& Value) const {
    TBaseGrid::GetDisplText(ACol, ARow, Value);
    if (FURLShowInText) {
        static const char* const prefixes[] = {"HTTP://", "WWW.",    "MAILTO:", "HTTPS://",
                                               "NNTP://", "FILE://", "FTP://"};
        const QString upper = Value.toUpper();
        for (const char* prefix : prefixes) {
            if (!upper.contains(QLatin1String(prefix))) continue;
            QString linked;
            if (WrapUrlInAnchor(Value, QLatin1String(prefix), linked)) Value = linked;
            break;
        }
    }
    // The group count of node rows comes with grouping and nodes.
}
