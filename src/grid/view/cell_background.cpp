// The BackGround picture or gradient under one cell, and the selection rectangle with
// its resizer square.
#include "grid/core/string_grid.h"

#include "controls/color_utilities.h"

void TExStringGrid::DrawCellBackground(TCellDrawWork& Work, TRect R) {
    const TBackGround& back = *FBackGround;
    const bool fixed = Work.IsFixed;
    const bool admitted = back.Cells == bcAll || (back.Cells == bcFixed) == fixed;
    const bool selected = Work.AState.Contains(gdSelected);
    const bool ownColor =
        CellPropsAssigned(Work.RCol, Work.ARow) && CellProperties(Work.RCol, Work.ARow)->BrushColor() != clNone;
    if (!back.Bitmap.Empty() && !ownColor && admitted && !(selected && FShowSelection) && !back.IsGradient()) {
        const TRect area = Rect(R.Left - GridLineWidth() + 1, R.Top - GridLineWidth() + 1, R.Right, R.Bottom);
        if (back.Display == bdTile) DrawCellBackgroundTiled(*Work.Canvas, area, Work.ACol, Work.ARow);
        else DrawCellBackgroundFixed(*Work.Canvas, area);
        return;
    }
    if (back.IsGradient() && admitted) {
        const TCellType kind = Work.Graphic ? Work.Graphic->CellType() : ctEmpty;
        const bool controlCell = kind == ctCheckBox || kind == ctDataCheckBox || kind == ctRadio ||
                                 kind == ctButton || kind == ctRadioButton;
        const bool focused = Work.AState.Contains(gdFocused);
        const bool showable = ((!selected || focused) && (!focused || !Options().Contains(goDrawFocusSelected))) ||
                              !FShowSelection;
        if ((!ownColor || controlCell) && showable)
            DrawCellBackgroundGradient(*Work.Canvas, Rect(R.Left - 1, R.Top - GridLineWidth(), R.Right,
                                                          R.Bottom + GridLineWidth() - 1));
    }
}

void TExStringGrid::DrawCellBackgroundFixed(TCanvas& Canvas, TRect R) {
    const QImage& image = FBackGround->Bitmap.Image();
    // The part of the picture placed at (Left, Top) of the client that lies under R.
    Canvas.IntersectClip(R);
    Canvas.Painter()->drawImage(QPoint(FBackGround->Left, FBackGround->Top), image);
    Canvas.RestoreClip();
}

void TExStringGrid::DrawCellBackgroundTiled(TCanvas& Canvas, TRect R, int ACol, int ARow) {
    const QImage& image = FBackGround->Bitmap.Image();
    if (image.isNull()) return;
    // The pattern runs on across cells: the tile offset of a cell is the extent of the
    // columns and rows before it, from line 0 (bcFixed, bcAll) or the first normal line.
    // The grid lines between them count too, or every line would shift the pattern by a
    // pixel and show a seam.
    const int firstCol = FBackGround->Cells == bcNormal ? FixedCols() : 0;
    const int firstRow = FBackGround->Cells == bcNormal ? FixedRows() : 0;
    long long x = 0, y = 0;
    for (int c = firstCol; c < ACol; ++c) x += ColWidths(c) + GridLineWidth();
    for (int r = firstRow; r < ARow; ++r) y += RowHeights(r) + GridLineWidth();
    const int offsetX = static_cast<int>(x % image.width());
    const int offsetY = static_cast<int>(y % image.height());
    // Tiles start one pixel left of and above R.
    Canvas.TileDraw(R, image, R.Left - 1 - offsetX, R.Top - 1 - offsetY);
}

void TExStringGrid::DrawCellBackgroundGradient(TCanvas& Canvas, TRect R) {
    const TBackGround& back = *FBackGround;
    const bool horizontal = back.Display == bdGradientHorz;
    const int extent = horizontal ? width() : height();
    const int start = horizontal ? R.Left : R.Top;
    const int end = horizontal ? R.Right : R.Bottom;
    const TColor from = BlendColorAt(back.Color, back.ColorTo, 0, extent, start);
    const TColor to = BlendColorAt(back.Color, back.ColorTo, 0, extent, end);
    // 128 bands, each the colour of its position in the whole grid's gradient.
    const int length = end - start;
    if (length <= 0 || R.IsEmpty()) return;
    const int bands = qMin(128, length);
    for (int i = 0; i < bands; ++i) {
        const int a = start + length * i / bands, b = start + length * (i + 1) / bands;
        Canvas.Brush.Style = bsSolid;
        Canvas.Brush.Color = BlendColorAt(from, to, 0, bands - 1 > 0 ? bands - 1 : 1, i);
        Canvas.FillRect(horizontal ? Rect(a, R.Top, b, R.Bottom) : Rect(R.Left, a, R.Right, b));
    }
    Canvas.Brush.Color = to;
    Canvas.Pen.Color = to;
}

void TExStringGrid::DrawSelectionRectangle(TCellDrawWork& Work, TRect R) {
    if (!FSelectionRectangle || Work.IsFixed) return;
    TGridRect sel = Selection();
    // A merged area counts as its base cell.
    const TPoint base = BaseCell(sel.Left, sel.Top);
    if (IsBaseCell(base.X, base.Y) && (CellSpan(base.X, base.Y).X > 0 || CellSpan(base.X, base.Y).Y > 0)) {
        const TPoint span = CellSpan(base.X, base.Y);
        if (sel.Right <= base.X + span.X && sel.Bottom <= base.Y + span.Y) sel = {base.X, base.Y, base.X, base.Y};
    }
    const int c = Work.ACol, r = Work.ARow;
    if (c < sel.Left || c > sel.Right || r < sel.Top || r > sel.Bottom) return;
    TCanvas& canvas = *Work.Canvas;
    const TColor colour = FSelectionRectangleColor;
    const int glw = GridLineWidth();
    canvas.Pen.Style = psSolid;
    canvas.Pen.Color = colour;
    canvas.Pen.Width = 2;
    const int right = c == sel.Right ? R.Right - 1 : R.Right;
    if (c == sel.Left) {
        canvas.MoveTo(R.Left - glw + 1, R.Bottom);
        canvas.LineTo(R.Left - glw + 1, R.Top - glw);
    }
    if (c == sel.Right) {
        canvas.MoveTo(R.Right - 1, R.Bottom);
        canvas.LineTo(R.Right - 1, R.Top - glw);
    }
    if (r == sel.Top) {
        canvas.MoveTo(R.Left - glw, R.Top - glw + 1);
        canvas.LineTo(right, R.Top - glw + 1);
    }
    if (r == sel.Bottom) {
        canvas.MoveTo(R.Left - glw, R.Bottom);
        canvas.LineTo(right, R.Bottom);
    }
    if (FSelectionResizer && c == sel.Right && r == sel.Bottom) {
        canvas.Brush.Style = bsSolid;
        canvas.Brush.Color = colour;
        canvas.FillRect(Rect(R.Right - 4, R.Bottom - 4, R.Right, R.Bottom));
    }
    canvas.Pen.Width = 1;
}
