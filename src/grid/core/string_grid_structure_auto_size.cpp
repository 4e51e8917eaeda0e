// Sizing columns and rows of the string grid to their contents, fitting the columns into
// the control, and sizing the control to its cells. Texts are measured with the font the
// cell is drawn with: the fixed font or the grid's, the cell's own, then GetCellColor.

#include "controls/text_utilities.h"
#include "grid/core/string_grid.h"

#include <QFontMetrics>
#include <QStyle>
#include <algorithm>
#include <cmath>

namespace {

struct TTextExtent {
    int Width = 0;
    int Height = 0;
};

TTextExtent MeasureText(const TFont& Font, int ZoomFactor, const QString& Text) {
    TFont zoomed = Font;
    zoomed.Size = std::max(1, zoomed.Size + ZoomFactor);
    const QFontMetrics metrics(zoomed.ToQFont());
    TTextExtent extent;
    if (Text.isEmpty()) return extent;
    const QStringList lines = Text.split(QLatin1Char('\n'));
    for (const QString& line : lines) extent.Width = std::max(extent.Width, metrics.horizontalAdvance(line));
    extent.Height = metrics.height() * int(lines.size());
    return extent;
}

// Halves to even, as the width arithmetic of fitting asks.
int RoundEven(double value) { return int(std::nearbyint(value)); }

}  // namespace

// The font a cell is drawn with, and its displayed text measured in it.
static TTextExtent CellTextExtent(TExStringGrid& Grid, int DisplayedCol, int ARow, TFont Font, int ZoomFactor) {
    const int real = Grid.RealColIndex(DisplayedCol);
    TBrush brush;
    Grid.GetCellColor(RealCol(real), DisplRow(ARow), {}, &brush, &Font);
    QString text = Grid.Cells(real, ARow);
    if (CellTextKind(text, true) == ckRichText) {
        // Sized as shown, formatted, not as its RTF source.
        Font.Size += ZoomFactor;
        const TSize size = Grid.RichCellTextSize(real, ARow, Font, 0);
        return {size.cx, size.cy};
    }
    Grid.GetDisplText(real, ARow, text);
    return MeasureText(Font, ZoomFactor, text);
}

int TExStringGrid::CellContentWidth(int ACol, int ARow) {
    const int real = RealColIndex(ACol);
    const bool fixed = IsFixed(ACol, ARow);
    const TTextExtent text = CellTextExtent(*this, ACol, ARow, fixed ? *FFixedFont : Fonts(real, ARow), FZoomFactor);
    const TPoint graphic = GetCellGraphicSize(real, ARow);
    if (const TCellGraphic* g = GetCellGraphic(real, ARow); g && g->CellHAlign() == haFull)
        return graphic.X - 2 * GridLineWidth() - FXYOffset.X - 2;
    int width = graphic.X + text.Width;
    if (FControlLook->DropDownAlwaysVisible && CellHasComboBox(RealCol(real), DisplRow(ARow))) width += 16;
    // Room for the filter drop-down button of the filter row.
    if (FFilterDropDownAuto && ARow == FFilterDropDownRow && GetColumnFilter(RealCol(real))) width += 12;
    if (FSortSettings->Show && ARow == 0 && FSortSettings->Column == ACol) width += 10;
    return width;
}

void TExStringGrid::SizeColumnToContent(int ACol, bool GrowOnly) {
    if (ACol < 0 || ACol >= ColCount()) return;
    int first = 0;
    int last = RowCount() - 1;
    switch (FColumnSize->Rows()) {
        case arNormal: first = TStringGrid::FixedRows(); last = RowCount() - FFixedFooters - 1; break;
        case arFixed: last = TStringGrid::FixedRows() - 1; break;
        case arAll: break;
    }
    const int real = RealColIndex(ACol);
    int widest = 0;
    for (int r = first; r <= last; ++r) {
        if (IsXMergedCell(real, r)) continue;
        widest = std::max(widest, CellContentWidth(ACol, r));
    }
    int width = widest + HorzTextMargin() + 2 * GridLineWidth() + 2;
    if (!GrowOnly || ColWidths(ACol) < width) {
        DoUpdateAutoColumnSize(DisplCol(ACol), width);
        SetColWidths(ACol, ClampToRange(width, FMinColWidth, FMaxColWidth));
    }
}

void TExStringGrid::AutoSizeCol(int ACol, int Padding) {
    if (ACol < 0 || ACol >= ColCount()) return;
    SizeColumnToContent(ACol, FSizeGrowOnly);
    if (Padding != 0) SetColWidths(ACol, ClampToRange(ColWidths(ACol) + Padding, FMinColWidth, FMaxColWidth));
}

void TExStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding) {
    const int first = DoFixedCols ? 0 : TStringGrid::FixedCols();
    const int last = DoFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    for (int c = first; c <= last; ++c) AutoSizeCol(c, Padding);
}

void TExStringGrid::SizeRowToContent(int ARow, bool GrowOnly, int Padding) {
    if (ARow < 0 || ARow >= RowCount()) return;
    const bool allRowsFitBefore = AllRowsFit();
    int tallest = 0;
    for (int c = 0; c < ColCount(); ++c) {
        const int real = RealColIndex(c);
        if (IsYMergedCell(real, ARow) && !IsBaseCell(real, ARow)) continue;
        if (FIgnoreColumns->HasValue(real)) continue;
        const bool fixed = IsFixed(c, ARow);
        const TTextExtent text = CellTextExtent(*this, c, ARow, fixed ? *FFixedFont : Fonts(real, ARow), FZoomFactor);
        int textHeight = text.Height;
        TPoint graphic;
        CalcCellGraphicSize(real, ARow, graphic, Padding);
        int graphicHeight = graphic.Y;
        int height = 0;
        if (const TCellGraphic* g = GetCellGraphic(real, ARow)) {
            if (g->CellVAlign() == vaFull) graphicHeight = textHeight > 0 ? 0 : DefaultRowHeight();
            const TCellType kind = g->CellType();
            if ((kind == ctDataCheckBox || kind == ctVirtCheckBox) && graphicHeight > 0) textHeight = 0;
            height = textHeight + graphicHeight;
            if (kind == ctCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRadioButton)
                height = DefaultRowHeight();
        } else {
            height = textHeight + graphicHeight;
        }
        tallest = std::max(tallest, height);
    }
    int height = VertTextMargin() + tallest + 2 * GridLineWidth() + (FXYOffsetTopLeftOnly ? 2 : 0);
    if (!GrowOnly || RowHeights(ARow) < height)
        SetRowHeights(ARow, ClampToRange(height, FMinRowHeight, FMaxRowHeight));
    // A row grown while typing that makes the grid scroll moves the cell: the editor is
    // placed over it again, its caret at the end of the text typed so far.
    if (allRowsFitBefore && EditorMode() && FSizeWhileTyping->Height() && !AllRowsFit()) {
        HideEditor();
        ShowEditor();
        if (EditorMode()) InplaceEditor()->SetSelStart(InplaceEditor()->Text().size());
    }
}

bool TExStringGrid::AllRowsFit() const { return VisibleRowCount() + TStringGrid::FixedRows() >= RowCount(); }

void TExStringGrid::AutoSizeRow(int ARow, int Padding) {
    if (ARow < 0 || ARow >= RowCount()) return;
    SizeRowToContent(ARow, FSizeGrowOnly, Padding);
    if (Padding != 0) SetRowHeights(ARow, ClampToRange(RowHeights(ARow) + Padding, FMinRowHeight, FMaxRowHeight));
}

void TExStringGrid::SetRowHeightForLines(int ARow, int Lines, int Padding) {
    if (ARow < 0 || ARow >= RowCount()) return;
    const int c = std::min(TStringGrid::FixedCols(), ColCount() - 1);
    TFont font = Fonts(RealColIndex(c), ARow);
    TBrush brush;
    GetCellColor(RealCol(RealColIndex(c)), DisplRow(ARow), {}, &brush, &font);
    const int h = QFontMetrics(font.ToQFont()).height();
    SetRowHeights(ARow, ClampToRange(Padding + Lines * (h + h / 8), FMinRowHeight, FMaxRowHeight));
}

void TExStringGrid::AutoSizeRows(bool DoFixedRows, int Padding) {
    if (RowCount() == 0) return;
    const int first = DoFixedRows ? 0 : TStringGrid::FixedRows();
    ExportNotification(esExportStart, first);
    for (int r = first; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        if (WordWrap()) {
            AutoSizeRow(r, 0);
            if (Padding != 0) SetRowHeights(r, ClampToRange(RowHeights(r) + Padding, FMinRowHeight, FMaxRowHeight));
        } else {
            int lines = 1;
            if (FMultilinecells)
                for (int c = 0; c < ColCount(); ++c)
                    lines = std::max(lines, int(Cells(RealColIndex(c), r).count(QLatin1Char('\n'))) + 1);
            SetRowHeightForLines(r, lines, Padding);
        }
    }
    ApplyScrollBarAlways(true);
    ExportNotification(esExportDone, 0);
}

void TExStringGrid::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY) {
    BeginUpdate();
    struct EndOnExit {
        TExStringGrid* Grid;
        ~EndOnExit() { Grid->EndUpdate(); }
    } end{this};
    const int firstCol = DoFixedCells ? 0 : TStringGrid::FixedCols();
    const int firstRow = DoFixedCells ? 0 : TStringGrid::FixedRows();
    for (int c = firstCol; c < ColCount(); ++c) {
        const int real = RealColIndex(c);
        int widest = FSizeGrowOnly ? ColWidths(c) : 0;
        for (int r = firstRow; r < RowCount(); ++r) {
            const bool fixed = IsFixed(c, r);
            const TTextExtent text = CellTextExtent(*this, c, r, fixed ? *FFixedFont : Fonts(real, r), FZoomFactor);
            const TPoint graphic = GetCellGraphicSize(real, r);
            const int needX = text.Width + graphic.X + PaddingX + FXYOffset.X;
            const int needY = text.Height + graphic.Y + PaddingY + FXYOffset.Y;
            if (!IsXMergedCell(real, r) && needX > widest) {
                const int clamped = ClampToRange(needX, FMinColWidth, FMaxColWidth);
                if (clamped > widest) widest = clamped;
            }
            if (!IsYMergedCell(real, r) && needY > RowHeights(r)) {
                const int clamped = ClampToRange(needY, FMinRowHeight, FMaxRowHeight);
                if (clamped > RowHeights(r)) SetRowHeights(r, clamped);
            }
        }
        SetColWidths(c, widest);
    }
}

void TExStringGrid::AutoFitColumns(bool DoFixedCells) {
    if (ColCount() <= 0) return;
    const bool allRowsFit = AllRowsFit();
    const int V = FScrollBarAlways == saVert || (FScrollBars != ssNone && !allRowsFit)
                      ? style()->pixelMetric(QStyle::PM_ScrollBarExtent)
                      : 0;
    const int B = 0;  // the grid draws no border of its own
    const int first = DoFixedCells ? 0 : TStringGrid::FixedCols();
    const int last = DoFixedCells ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    int available = width();
    if (!DoFixedCells) {
        for (int c = 0; c < first; ++c) available -= ColWidths(c);
        for (int c = last + 1; c < ColCount(); ++c) available -= ColWidths(c);
    }
    int lines = 0;
    if (Options().Contains(goVertLine))
        lines = GridLineWidth() * (ColCount() - TStringGrid::FixedCols() - FFixedRightCols);
    if (DoFixedCells && Options().Contains(goFixedVertLine)) lines += TStringGrid::FixedCols() + FFixedRightCols;
    if (ColCount() < 2) {
        SetColWidths(0, width() - V - 5);
        return;
    }
    long long sum = 0;
    for (int c = first; c <= last; ++c) sum += ColWidths(c);
    if (sum <= 0 || sum == available - V - B) return;
    const double e = double(available - V - B - lines) / double(sum);
    long long n = 0;
    for (int c = first; c <= last; ++c) n += RoundEven(e * ColWidths(c));
    for (int c = first; c <= last; ++c) SetColWidths(c, RoundEven(double(ColWidths(c)) * double(n) / double(sum)));
    long long newSum = 0;
    for (int c = first; c <= last; ++c) newSum += ColWidths(c);
    long long rest = available - V - B - newSum;
    const int k = last - first + 1;
    if (k >= 2 && rest > k) {
        for (int c = first; c <= last; ++c) SetColWidths(c, ColWidths(c) + int(rest / k));
        rest %= k;
    }
    int widest = first;
    for (int c = first; c <= last; ++c)
        if (ColWidths(c) > ColWidths(widest)) widest = c;
    SetColWidths(widest, ColWidths(widest) + int(rest));
}

void TExStringGrid::SizeToCols() {
    int total = 0;
    for (int c = 0; c < ColCount(); ++c) total += ColWidths(c);
    resize(total + (width() - viewport()->width()), height());
}

void TExStringGrid::SizeToRows() {
    int total = 0;
    for (int r = 0; r < RowCount(); ++r) total += RowHeights(r);
    resize(width(), total + (height() - viewport()->height()));
}

void TExStringGrid::SizeToCells() {
    const TScrollStyle bars = FScrollBars;
    SetScrollBars(ssNone);
    SizeToCols();
    SizeToRows();
    SetScrollBars(bars);
}
