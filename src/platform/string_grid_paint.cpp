// Painting of the string grid: DrawCell for each visible cell, then the grid lines of
// the default drawing.

#include "platform/string_grid.h"

namespace {

bool InRect(const TGridRect& r, int c, int y) { return c >= r.Left && c <= r.Right && y >= r.Top && y <= r.Bottom; }

}  // namespace

void TStringGrid::Paint() {
    TCanvas* canvas = Canvas();
    const int width = ClientW();
    const int height = ClientH();
    const TColor background = Color() == clDefault ? clWindow : Color();
    canvas->Brush.Color = background;
    canvas->FillRect({0, 0, width, height});

    const TGridRect selection = Selection();
    const bool focused = Focused() || (FInplaceEdit && FInplaceEdit->hasFocus());
    // Fixed lines first, then the scrolled lines from the first scrolled one on.
    auto visibleLines = [](const TGridAxis& axis, int extent) {
        std::vector<int> lines;
        int edge = 0;
        for (int i = 0; i < axis.Fixed() && i < axis.Count() && edge < extent; ++i) {
            lines.push_back(i);
            edge += axis.Size(i);
        }
        for (int i = axis.First(); i < axis.Count() && edge < extent; ++i) {
            lines.push_back(i);
            edge += axis.Size(i);
        }
        return lines;
    };
    const std::vector<int> cols = visibleLines(FColAxis, width);
    const std::vector<int> rows = visibleLines(FRowAxis, height);
    const int line = FGridLineWidth;
    // Rows outside the area being painted are skipped when the cells stay inside their
    // own rectangles (CanScrollPicture); otherwise a cell may reach into the area.
    QRect dirty = PaintArea();
    if (dirty.isEmpty() || !CanScrollPicture()) dirty = QRect(0, 0, width, height);

    for (int r : rows) {
        const int rowTop = FRowAxis.LinePosition(r, height);
        if (rowTop > dirty.bottom() || rowTop + FRowAxis.Size(r) <= dirty.top()) continue;
        for (int c : cols) {
            TRect rect = CellScreenRect(c, r);
            TGridDrawState state;
            const bool fixed = c < FixedCols() || r < FixedRows();
            if (fixed) state.Include(gdFixed);
            else {
                const bool current = c == FCurrent.X && r == FCurrent.Y;
                if (current && focused) state.Include(gdFocused);
                if (InRect(selection, c, r) &&
                    (!current || !focused || FOptions.Contains(goDrawFocusSelected) || FOptions.Contains(goRowSelect)))
                    state.Include(gdSelected);
                if (FOptions.Contains(goRowSelect) && r == FCurrent.Y) state.Include(gdRowSelected);
            }
            const TRect cellArea{rect.Left, rect.Top, rect.Right - line, rect.Bottom - line};
            canvas->Brush.Style = bsSolid;
            canvas->Brush.Color = fixed ? FFixedColor : state.Contains(gdSelected) ? clHighlight : background;
            canvas->Font.Color = state.Contains(gdSelected) ? clHighlightText : clWindowText;
            DrawCell(c, r, cellArea, state);
            if (line > 0) {
                const bool vertical = FOptions.Contains(fixed ? goFixedVertLine : goVertLine);
                const bool horizontal = FOptions.Contains(fixed ? goFixedHorzLine : goHorzLine);
                canvas->Brush.Color = fixed ? clBlack : clSilver;
                canvas->Brush.Style = bsSolid;
                if (vertical) canvas->FillRect({rect.Right - line, rect.Top, rect.Right, rect.Bottom});
                if (horizontal) canvas->FillRect({rect.Left, rect.Bottom - line, rect.Right, rect.Bottom});
            }
        }
    }
}

void TStringGrid::DrawCell(int ACol, int ARow, TRect ARect, TGridDrawState AState) {
    TCanvas* canvas = Canvas();
    if (FDefaultDrawing && canvas) {
        canvas->FillRect(ARect);
        canvas->Brush.Style = bsClear;
        canvas->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
        canvas->Brush.Style = bsSolid;
        if (AState.Contains(gdFocused)) {
            canvas->Painter()->save();
            QPen pen(Qt::DotLine);
            canvas->Painter()->setPen(pen);
            canvas->Painter()->drawRect(ARect.ToQRect().adjusted(0, 0, -1, -1));
            canvas->Painter()->restore();
        }
    }
    if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}
