// Base grid cell painting: one painter for the per-cell step of Paint, for painting a
// cell onto any canvas and for merged areas, which are painted once per paint pass.

#include "grid/core/base_grid.h"

#include "controls/gradient_drawing.h"

#include <QPainter>
#include <algorithm>

namespace {

struct TSelectionColors {
    TColor Color, ColorTo, Corner, Border, UpperInner, LowerInner, Mirror, MirrorTo;
};

TSelectionColors SelectionColors(TGridSelectionStyle style, bool focused) {
    if (!focused) return {0xF8F8F8, 0xE5E5E5, 0xEFEFEF, 0xD9D9D9, 0xFBFAFA, 0xF0F0F0, clNone, clNone};
    switch (style) {
    case ssWin7: return {0xFCEBDC, 0xFCDBC1, 0xE0C5AE, 0xCEA27D, 0xFDF4EB, 0xFDEADB, clNone, clNone};
    case ssOffice2007: return {0xD7FFFD, 0x58D4FC, 0xC3D9DF, 0x8DD7D3, 0xF4FEFF, 0xCAF8FF, 0x58D4FC, 0xB3F1FC};
    default: return {0xFDF8F1, 0xFCEFD5, 0xFCEDCB, 0xFDDE99, 0xFDFBF6, 0xFDF5E7, clNone, clNone};
    }
}

}  // namespace

void TBaseGrid::Paint() {
    // Each screen pass takes a number of its own before it starts: a cell painted onto
    // another canvas between two passes (a drag image, printing) stamps the old number,
    // so the next pass still paints its area.
    ++FPaintID;
    TObjStringGrid::Paint();
}

void TBaseGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    if (!Canvas()) return;
    // A visible base cell paints its area; the area's other cells then find it painted
    // in this pass, and so does the base when one of them came first.
    // The painter names displayed columns; properties live at the real ones.
    if (TCellProperties* props = PropsAt(RealColIndex(ACol), ARow);
        props && props->IsBaseCell() && props->CellSpanX() != -1) {
        if (props->PaintID() == FPaintID) return;
        props->SetPaintID(FPaintID);
    }
    PaintCellCore(*Canvas(), ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCell(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    PaintCellCore(ACanvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(TCanvas& ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    PaintCellCore(ACanvas, ACol, ARow, ARect, AState, false);
}

void TBaseGrid::DrawGridCell(TCanvas& Canvas, int ACol, int ARow, TRect ARect, TGridDrawState) {
    if (ARect.IsEmpty()) return;
    // The painter passes the displayed column; the text lives at the real one.
    const QString text = Cells(RealColIndex(ACol), ARow);
    QPainter* painter = Canvas.Painter();
    painter->save();
    painter->setFont(Canvas.Font.ToQFont());
    painter->setPen(ToQColor(Canvas.Font.Color));
    painter->drawText(ARect.ToQRect(), Qt::AlignCenter | Qt::TextSingleLine, text);
    painter->restore();
}

void TBaseGrid::PaintCellCore(TCanvas& Canvas, int ACol, int ARow, TRect ARect, TGridDrawState AState, bool Full) {
    // 1. The hidden last row is a plain area in the grid's colour.
    if (ARow == RowCount() - 1 && FHideLastRow) {
        Canvas.Brush.Color = GridColor();
        Canvas.Brush.Style = bsSolid;
        Canvas.FillRect(ARect);
        return;
    }
    // 2. A non-base cell of an area paints the whole area once per pass, from its base.
    int bc = RealColIndex(ACol), br = ARow;
    if (!ResolveBaseCell(bc, ARow, bc, br)) {
        if (TCellProperties* baseProps = PropsAt(bc, br); baseProps && baseProps->PaintID() != FPaintID) {
            baseProps->SetPaintID(FPaintID);
            PaintCell(Canvas, DisplColIndex(bc), br, ARect, AState);
        }
        return;
    }
    // 3.
    if (Full && IsFixed(ACol, ARow)) {
        AState.Include(gdFixed);
        AState.Exclude(gdSelected);
    }
    // 4.
    const TRect R = Full ? CellRect(ACol, ARow) : ARect;
    if (R.IsEmpty()) return;
    // 5. A scrolled cell never paints over the fixed cells.
    const int fw = ACol >= FixedCols() ? FixedColsWidth() : 0;
    const int fh = ARow >= FixedRows() ? FixedRowsHeight() : 0;
    const bool clip = (ACol >= FixedCols() && FixedCols() > 0 && R.Left < fw) ||
                      (ARow >= FixedRows() && FixedRows() > 0 && R.Top < fh);
    QPainter* painter = Canvas.Painter();
    painter->save();
    if (clip) painter->setClipRect(QRect(fw, fh, Surface()->width() - fw, Surface()->height() - fh), Qt::IntersectClip);
    // 6.
    Canvas.Pen.Width = 1;
    Canvas.Font = GridFont();
    TColor colorTo = clNone, mirrorColor = clNone, mirrorColorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = false;
    TCellGradientDirection gd = GradientVertical;
    GetVisualProperties(ACol, ARow, AState, false, true, true, Canvas.Brush, colorTo, mirrorColor, mirrorColorTo,
                        Canvas.Font, ha, va, ww, gd);
    Canvas.Pen.Color = Canvas.Brush.Color;
    // 7. Hover row.
    if (FHoverRow && ARow == FHoverRowIdx &&
        !(AState.Contains(gdSelected) && !FHoverRowCells.Contains(hcSelected)) &&
        !(AState.Contains(gdFixed) && !FHoverRowCells.Contains(hcFixed))) {
        Canvas.Brush.Color = FHoverRowColor;
        colorTo = FHoverRowColorTo;
        mirrorColor = clNone;
        mirrorColorTo = clNone;
        gd = GradientVertical;
    }
    // 8. Active row.
    if ((FActiveRowShow && ARow == Row() && (ACol != Col() || !FShowSel) && ACol >= FixedCols()) ||
        (!Full && AState.Contains(gdSelected))) {
        Canvas.Brush.Color = FActiveRowColor;
        colorTo = FActiveRowColorTo;
        mirrorColor = FActiveRowMirrorColor;
        mirrorColorTo = FActiveRowMirrorColorTo;
    }
    // 9.
    Canvas.Pen.Color = Canvas.Brush.Color;
    // 10. Background.
    const bool fixed = AState.Contains(gdFixed);
    if (AState.Contains(gdSelected) && FSelectionStyle != ssDefault && FShowSel) {
        const TGridRect sel = Selection();
        const int L = std::min(sel.Left, sel.Right), Rt = std::max(sel.Left, sel.Right);
        int kind = 0;
        if (ACol == L && L < Rt) kind = 1;
        else if (ACol == Rt && Rt > L) kind = 2;
        else if (L < ACol && ACol < Rt) kind = 3;
        TRect S = R;
        if (!Options().Contains(goHorzLine)) S.Bottom += 1;
        if (!Options().Contains(goVertLine)) S.Right += 1;
        if (UseRightToLeftAlignment()) {
            S.Right += 1;
            S.Bottom += 1;
        }
        const bool focused = hasFocus() || Options().Contains(goDrawFocusSelected);
        const TSelectionColors c = SelectionColors(FSelectionStyle, focused);
        DrawRoundedGradientButton(Canvas, c.Color, c.ColorTo, c.Mirror, c.MirrorTo, c.UpperInner, c.LowerInner,
                                  c.Border, c.Corner, GridColor(), S, kind);
    } else if (!(UsesVCLStyles() && (fixed || AState.Contains(gdSelected)))) {
        if (mirrorColorTo == clNone)
            FillGradientRect(Canvas, Canvas.Brush.Color, colorTo, 64, R, gd == GradientHorizontal);
        else
            DrawGradientMirrorRect(Canvas, R, Canvas.Brush.Color, colorTo, mirrorColor, mirrorColorTo, true, clNone,
                                   false, true);
    }
    // 11. Grid lines inside the cell, at its right and bottom edge.
    int h = 1;
    if (fixed) {
        Canvas.Pen.Color = FGridFixedLineColor;
        Canvas.Pen.Width = 1;
    } else {
        if (FGridLineWidth > 0) Canvas.Pen.Color = FGridLineColor;
        Canvas.Pen.Width = FGridLineWidth;
        h = (FGridLineWidth + 1) / 2;
    }
    const TGridOptions options = Options();
    // A width of 0 still draws a one-pixel line, in the background colour.
    if (!(ACol == 0 && HasNodes()) &&
        ((options.Contains(goHorzLine) && !fixed) || (options.Contains(goFixedHorzLine) && fixed))) {
        Canvas.MoveTo(R.Left - h + 1, R.Bottom - h);
        Canvas.LineTo(R.Right - h + 1, R.Bottom - h);
    }
    if ((options.Contains(goVertLine) && !fixed) || (options.Contains(goFixedVertLine) && fixed)) {
        const int x = UseRightToLeftAlignment() ? R.Right - h + 1 : R.Right - h;
        Canvas.MoveTo(x, R.Bottom - h);
        Canvas.LineTo(x, R.Top - h);
    }
    // 12. Content.
    TRect content = R;
    if (fixed) {
        content.Right -= 1;
        content.Bottom -= 2;
    } else {
        content = {R.Left + FGridLineWidth, R.Top + FGridLineWidth, R.Right - FGridLineWidth, R.Bottom - FGridLineWidth};
    }
    if (Full) DrawGridCell(Canvas, ACol, ARow, content, AState);
    // 13.
    painter->restore();
    Canvas.Brush.Style = bsSolid;
    Canvas.Pen.Style = psSolid;
}
