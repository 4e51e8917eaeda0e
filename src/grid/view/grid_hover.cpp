// Hover state: which row, fixed cell, cell button and link lie under the mouse. Each move
// replaces the state and repaints only the cells whose look changes; the painter reads
// the state. Leaving the grid resets the hover row and the hovered fixed cell.

#include "grid/core/string_grid.h"

#include "controls/text_utilities.h"
#include "grid/view/balloon_window.h"
#include "grid/view/html_hint_window.h"
#include "grid/view/markup_renderer.h"
#include "platform/image_list.h"

#include <QImage>
#include <QPainter>
#include <QToolTip>

namespace {

// The expand glyph: an 11 by 11 square 2 pixels inside the cell's top-right corner.
TRect ExpandButtonRect(TRect Cell) { return {Cell.Right - 13, Cell.Top + 2, Cell.Right - 2, Cell.Top + 13}; }

}  // namespace

void TExStringGrid::TrackHoverRow(int, int ARow) {
    if (!HoverRow() || ARow == FHoverRowIdx) return;
    const int old = FHoverRowIdx;
    FHoverRowIdx = ARow;
    InvalidateRow(ARow);
    if (old >= 0 && old < RowCount()) InvalidateRow(old);
}

void TExStringGrid::TrackHoverFixedCell(int ACol, int ARow) {
    const int fixedCols = TStringGrid::FixedCols();
    const int fixedRows = TStringGrid::FixedRows();
    auto isFixedLine = [&](int c, int r) { return c >= 0 && r >= 0 && (c < fixedCols || r < fixedRows); };
    if (FHoverFixedCellsKind != hfNone && !FNoMouseLeave) {
        const int oldCol = FHoverFixedX;
        const int oldRow = FHoverFixedY;
        FHoverFixedX = ACol;
        FHoverFixedY = ARow;
        if (oldCol != ACol || oldRow != ARow) {
            if (isFixedLine(oldCol, oldRow)) InvalidateCell(oldCol, oldRow);
            if (isFixedLine(ACol, ARow)) InvalidateCell(ACol, ARow);
        }
    }
    if (FLook == glListView && !(FHotFixedCell == TPoint{ACol, ARow})) {
        if (isFixedLine(FHotFixedCell.X, FHotFixedCell.Y)) InvalidateCell(FHotFixedCell.X, FHotFixedCell.Y);
        FHotFixedCell = {ACol, ARow};
        if (isFixedLine(ACol, ARow)) InvalidateCell(ACol, ARow);
    }
}

void TExStringGrid::TrackHoverButton(int ACol, int ARow, int X, int Y) {
    bool overButton = false;
    if (ACol >= 0 && ARow >= 0) {
        const int realCol = RealColIndex(ACol);
        if (HasCellObject(realCol, ARow, {ctButton})) overButton = GetCellGraphicRect(ACol, ARow).Contains({X, Y});
        else if (HasCellObject(realCol, ARow, {ctExpand}))
            overButton = ExpandButtonRect(CellRect(ACol, ARow)).Contains({X, Y});
    }
    const TPoint cell = overButton ? TPoint{ACol, ARow} : TPoint{-1, -1};
    if (cell == FHoverButton) return;
    if (FHoverButton.X != -1) InvalidateCell(FHoverButton.X, FHoverButton.Y);
    FHoverButton = cell;
    if (overButton) InvalidateCell(ACol, ARow);
}

void TExStringGrid::CMMouseLeave() {
    FMouseSelectMode = msNormal;
    FSizeFixed = false;
    FSizeFixedR = false;
    if (FSpecialCursor) Surface()->unsetCursor();
    FSpecialCursor = false;
    if (!FNoMouseLeave && FHoverFixedCellsKind != hfNone && (FHoverFixedX != -1 || FHoverFixedY != -1)) {
        const int col = FHoverFixedX;
        const int row = FHoverFixedY;
        FHoverFixedX = -1;
        FHoverFixedY = -1;
        if (col >= 0 && row >= 0) InvalidateCell(col, row);
    }
    const int fixedCols = TStringGrid::FixedCols();
    const int fixedRows = TStringGrid::FixedRows();
    if (FLook == glListView && FHotFixedCell.X >= 0 && FHotFixedCell.Y >= 0 &&
        (FHotFixedCell.X < fixedCols || FHotFixedCell.Y < fixedRows))
        InvalidateCell(FHotFixedCell.X, FHotFixedCell.Y);
    if (HoverRow() && FHoverRowIdx != -1) {
        const int old = FHoverRowIdx;
        FHoverRowIdx = -1;
        if (old < RowCount()) InvalidateRow(old);
    }
}

void TExStringGrid::CancelShownHint() {
    QToolTip::hideText();
    if (FHTMLHintWindow) FHTMLHintWindow->hide();
    if (FHToolTip) FHToolTip->Pop();
}

bool TExStringGrid::HitTestCellMarkup(int ACol, int ARow, int X, int Y, TMarkupTextParams& Params) {
    const int realCol = RealColIndex(ACol);
    const TRect cell = CellRect(ACol, ARow);
    TRect bounds{cell.Left + FXYOffset.X + 1, cell.Top + FXYOffset.Y + 1, cell.Right - FXYOffset.X, cell.Bottom};
    if (HasCheckBox(realCol, ARow)) bounds.Left += FControlLook->CheckSize;
    QImage scratch(1, 1, QImage::Format_ARGB32);
    QPainter painter(&scratch);
    TCanvas canvas(&painter);
    TGridDrawState state;
    GetFontProperties(ACol, realCol, ARow, state, canvas.Font, canvas.Brush, true);
    Params.Canvas = &canvas;
    Params.Text = Cells(realCol, ARow);
    Params.Bounds = bounds;
    Params.MouseX = X;
    Params.MouseY = Y;
    Params.HitTestOnly = true;
    bool wordWrap = WordWrap();
    GetCellWordWrap(RealCol(realCol), DisplRow(ARow), wordWrap);
    Params.WordWrap = wordWrap || FMultilinecells;
    Params.Images = dynamic_cast<const TCustomImageList*>(GetCellImageList());
    const bool hit = DrawMarkupText(Params);
    Params.Canvas = nullptr;
    return hit;
}

void TExStringGrid::TrackLinks(int ACol, int ARow, int X, int Y) {
    const int realCol = RealColIndex(ACol);
    const QString text = Cells(realCol, ARow);
    const bool html = CellTextKind(text, FEnableHTML) == ckMiniHtml;
    const bool otherHovered = FHoverlink != -1 || (FHoverCell.X != -1 && !(FHoverCell == TPoint{ACol, ARow}));
    bool special = false;
    if (FURLShow && !html && IsUrlText(text)) special = true;
    if (html) {
        TMarkupTextParams params;
        const bool hit = HitTestCellMarkup(ACol, ARow, X, Y, params);
        const int hoveredAnchor = hit ? params.HoverAnchor : -1;
        if (FURLUnderlineOnHover) {
            if (otherHovered) {
                if (FHoverCell.X != -1) InvalidateCell(FHoverCell.X, FHoverCell.Y);
                FHoverCell = {ACol, ARow};
            }
            if (!(FHoverCell == TPoint{ACol, ARow} && FHoverlink == -1 && hoveredAnchor == -1)) {
                FHoverCell = {ACol, ARow};
                FHoverlink = hoveredAnchor;
                InvalidateCell(ACol, ARow);
            }
        }
        // Only a real hit counts: the renderer may leave an anchor of a line above the mouse.
        const QString anchor = hit ? params.AnchorHref : QString();
        if (!anchor.isEmpty()) {
            QString hint = params.AnchorTitle;
            if (hint.isEmpty() && OnAnchorHint) {
                hint = anchor;
                OnAnchorHint(this, ARow, ACol, hint);
            }
            if (!FLastAnchorHint.isEmpty() && hint != FLastAnchorHint && anchor != FAnchor) {
                FLastAnchorHint = hint;
                CancelShownHint();
            }
            special = true;
            if (anchor != FAnchor) {
                if (OnAnchorEnter) OnAnchorEnter(this, ARow, ACol, anchor);
                FAnchor = anchor;
            }
        } else if (!FAnchor.isEmpty()) {
            if (OnAnchorExit) OnAnchorExit(this, ARow, ACol, FAnchor);
            FAnchor.clear();
        }
    } else if (FURLUnderlineOnHover && otherHovered) {
        FHoverlink = -1;
        if (FHoverCell.X != -1) InvalidateCell(FHoverCell.X, FHoverCell.Y);
        FHoverCell = {-1, -1};
    }
    FLinkUnderMouse = special;
}
