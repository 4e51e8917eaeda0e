#include "grid/data/grid_print_job.h"

#include "grid/core/string_grid.h"
#include "grid/data/print_settings.h"
#include "platform/date_time_format.h"

#include <QStringList>
#include <algorithm>

namespace {

constexpr double TenthsOfMmPerInch = 254.0;

bool AtTop(TPrintPosition p) { return p == ppTopLeft || p == ppTopRight || p == ppTopCenter; }
bool AtBottom(TPrintPosition p) { return p == ppBottomLeft || p == ppBottomRight || p == ppBottomCenter; }

QStringList CellLines(const QString& text) {
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t.split(QLatin1Char('\n'));
}

TCellBorders BordersOf(TPrintBorders borders) {
    switch (borders) {
    case pbSingle:
    case pbDouble: return TCellBorders{cbTop, cbLeft, cbRight, cbBottom};
    case pbVertical:
    case pbAroundVertical: return TCellBorders{cbLeft, cbRight};
    case pbHorizontal:
    case pbAroundHorizontal: return TCellBorders{cbTop, cbBottom};
    default: return {};
    }
}

}  // namespace

TGridPrintJob::TGridPrintJob(TExStringGrid& grid, TCanvas& canvas, TPrintMode mode, TGridRect cells, int pageWidth,
                             int pageBottom, int screenResolution)
    : FGrid(grid), FSettings(*grid.PrintSettings()), FCanvas(canvas), FMode(mode), FCells(cells),
      FPageWidth(pageWidth), FPageBottom(pageBottom), FScreenFactor(TenthsOfMmPerInch / screenResolution) {
    FCanvas.Font = FSettings.HeaderFont;
    FHeaderLineHeight = FCanvas.TextHeight(QStringLiteral("gh"));
    FCanvas.Font = FSettings.FooterFont;
    FFooterLineHeight = FCanvas.TextHeight(QStringLiteral("gh"));
    FCanvas.Font = FSettings.Font;
    FLineHeight = FCanvas.TextHeight(QStringLiteral("gh"));
    FMargin = FLineHeight / 8;
    FPadding = FCanvas.TextWidth(QStringLiteral("g")) / 2;
    FSpacing = FSettings.UseFixedWidth ? 0 : FSettings.ColumnSpacing + 20;
    // Sized for every column of the grid, however many there are.
    const std::size_t columns = std::size_t(std::max(FGrid.ColCount(), FCells.Right + 1));
    FWidths.assign(columns, 0);
    FOffsets.assign(columns, 0);
}

void TGridPrintJob::ComputeColumnWidths() {
    FCanvas.Font = FSettings.Font;
    const int empty = FCanvas.TextWidth(QStringLiteral("gh"));
    for (int c = FCells.Left; c <= FCells.Right; ++c) {
        int width = 0;
        if (FSettings.UseFixedWidth) width = FSettings.FixedWidth;
        else if (FSettings.NoAutoSize) width = qRound(FGrid.ColWidths(c) * FScreenFactor);
        else {
            for (int r = FCells.Top; r <= FCells.Bottom; ++r)
                for (const QString& line : CellLines(FGrid.Cells(c, r)))
                    width = std::max(width, FCanvas.TextWidth(line) + 2 * FPadding);
            if (width == 0) width = empty;
        }
        FWidths[std::size_t(c)] = width;
    }
}

int TGridPrintJob::RowHeight(int row) {
    int h;
    if (FSettings.NoAutoSizeRow) h = qRound(FGrid.RowHeights(row) * FScreenFactor) - 4;
    else if (FSettings.UseFixedHeight) h = FSettings.FixedHeight;
    else {
        int lines = 1;
        for (int c = FCells.Left; c <= FCells.Right; ++c)
            lines = std::max<int>(lines, int(CellLines(FGrid.Cells(c, row)).size()));
        h = lines * FLineHeight;
        h += unsigned(h) / 8;
    }
    return 2 * FMargin + std::max(0, h) + FSettings.RowSpacing;
}

int TGridPrintJob::HeaderHeight() const {
    const TPrintSettings& s = FSettings;
    if (!(AtTop(s.Time) || AtTop(s.Date) || AtTop(s.PageNr) || AtTop(s.Title))) return s.HeaderSize;
    int h = FMargin + FHeaderLineHeight + s.HeaderSize;
    if (s.TitleText.isEmpty() && s.TitleLines.Count() > 1 && AtTop(s.Title))
        h += (s.TitleLines.Count() - 1) * FHeaderLineHeight;
    return h;
}

int TGridPrintJob::FooterHeight() const {
    const TPrintSettings& s = FSettings;
    if (!(AtBottom(s.Time) || AtBottom(s.Date) || AtBottom(s.PageNr) || AtBottom(s.Title)))
        return FMargin + FFooterLineHeight + s.FooterSize;
    int h = 2 * (FMargin + FFooterLineHeight) + s.FooterSize;
    if (s.TitleText.isEmpty() && s.TitleLines.Count() > 1 && AtBottom(s.Title))
        h += (s.TitleLines.Count() - 1) * FFooterLineHeight;
    return h;
}

int TGridPrintJob::BlockEnd(int first) const {
    int width = 0;
    int last = first - 1;
    for (int c = first; c <= FCells.Right; ++c) {
        if (width + FWidths[std::size_t(c)] + FSpacing > FPageWidth - FSettings.RightSize) break;
        width += FWidths[std::size_t(c)] + FSpacing;
        last = c;
    }
    // A block takes at least two columns (one when only one is left).
    return std::min(std::max(last, first + 1), FCells.Right);
}

void TGridPrintJob::PlaceBlock(int first, int last) {
    int x = FSettings.Centered ? 0 : FSettings.LeftSize;
    for (int c = first; c <= last; ++c) {
        FOffsets[std::size_t(c)] = x;
        x += FWidths[std::size_t(c)] + FSpacing;
    }
    const int width = x - (FSettings.Centered ? 0 : FSettings.LeftSize);
    if (FSettings.Centered && width < FPageWidth)
        for (int c = first; c <= last; ++c) FOffsets[std::size_t(c)] += (FPageWidth - width) / 2;
}

int TGridPrintJob::Run() {
    ComputeColumnWidths();
    int pages = 0;
    int block = 0;
    for (int first = FCells.Left; first <= FCells.Right;) {
        const int last = BlockEnd(first);
        if (last < FCells.Right) FSeveralBlocks = true;
        ++block;
        PlaceBlock(first, last);
        int pageInBlock = 0;
        int row = FCells.Top;
        while (row <= FCells.Bottom) {
            ++pages;
            ++pageInBlock;
            const int page = pages;
            if (Drawn(page)) PaintHeaderAndFooter(page, pageInBlock, block);
            const int top = -(HeaderHeight() + FSettings.TitleSpacing);
            const int floor = FPageBottom + FooterHeight();
            int y = top;
            bool any = false;
            while (row <= FCells.Bottom) {
                const int h = RowHeight(row);
                if (any && y - h < floor) break;
                if (Drawn(page)) {
                    // A row taller than the room is cut at the footer.
                    FCanvas.IntersectClip(Rect(0, y, FPageWidth, std::min(y, floor)));
                    PaintRow(y, row, first, last, page);
                    FCanvas.RestoreClip();
                }
                y -= h;
                any = true;
                ++row;
            }
            if (Drawn(page)) PaintFrame(top, std::max(y, floor), first, last);
            const bool more = row <= FCells.Bottom || last < FCells.Right;
            // A new sheet only between two pages that are both printed.
            if (more && !Counting() && page >= Range.From && page + 1 <= Range.To && NewPage) NewPage();
        }
        first = last + 1;
    }
    return pages;
}

void TGridPrintJob::PaintRow(int y, int row, int first, int last, int) {
    const int height = RowHeight(row);
    const TCellBorders borders = BordersOf(FSettings.Borders);
    FCanvas.Font = FSettings.Font;
    FCanvas.Brush.Style = bsClear;
    for (int c = first; c <= last; ++c) {
        const int left = FOffsets[std::size_t(c)];
        const int right = left + FWidths[std::size_t(c)] + FSpacing;
        const QStringList lines = CellLines(FGrid.Cells(c, row));
        int lineY = y - FMargin;
        for (const QString& line : lines) {
            FCanvas.TextOut(left + FPadding, lineY, line);
            lineY -= FLineHeight;
        }
        FCanvas.Pen.Color = FSettings.BorderColor;
        FCanvas.Pen.Style = FSettings.BorderStyle;
        FCanvas.Pen.Width = 2;
        const int bottom = y - height;
        auto line = [&](int x1, int y1, int x2, int y2) {
            FCanvas.MoveTo(x1, y1);
            FCanvas.LineTo(x2, y2);
        };
        if (borders.Contains(cbTop)) line(left, y, right, y);
        if (borders.Contains(cbBottom)) line(left, bottom, right, bottom);
        if (borders.Contains(cbLeft)) line(left, y, left, bottom);
        if (borders.Contains(cbRight)) line(right, y, right, bottom);
    }
}

void TGridPrintJob::PaintFrame(int top, int bottom, int first, int last) {
    const TPrintBorders b = FSettings.Borders;
    if (b != pbAround && b != pbAroundVertical && b != pbAroundHorizontal) return;
    const int left = FOffsets[std::size_t(first)];
    const int right = FOffsets[std::size_t(last)] + FWidths[std::size_t(last)] + FSpacing;
    FCanvas.Pen.Color = clBlack;
    FCanvas.Pen.Style = FSettings.BorderStyle;
    FCanvas.Pen.Width = 2;
    FCanvas.MoveTo(left, top);
    FCanvas.LineTo(right, top);
    FCanvas.LineTo(right, bottom);
    FCanvas.LineTo(left, bottom);
    FCanvas.LineTo(left, top);
}

QString TGridPrintJob::PageNumberText(int page, int pageInBlock, int block) const {
    if (FSeveralBlocks) return QString::number(pageInBlock) + QLatin1Char('-') + QString::number(block);
    QString text = QString::number(page + FSettings.PageNumberOffset);
    if (!FSettings.PageNumSep.isEmpty() && PageCount > 1)
        text += FSettings.PageNumSep + QString::number(PageCount + FSettings.MaxPagesOffset);
    return text;
}

void TGridPrintJob::PaintHeaderAndFooter(int page, int pageInBlock, int block) {
    const TPrintSettings& s = FSettings;
    QString places[7];
    auto put = [&](TPrintPosition p, const QString& item) {
        if (p == ppNone) return;
        QString& place = places[p];
        const bool left = p == ppTopLeft || p == ppBottomLeft;
        if (place.isEmpty()) place = item;
        else place = left ? item + QLatin1Char(' ') + place : place + QLatin1Char(' ') + item;
    };
    put(s.Time, FormatDateTime(QStringLiteral("hh:nn"), PrintTime));
    put(s.Date, FormatDateTime(s.DateFormat, PrintTime));
    put(s.PageNr, s.PagePrefix + QLatin1Char(' ') + PageNumberText(page, pageInBlock, block) + QLatin1Char(' ') +
                      s.PageSuffix);
    const QString title = !s.TitleText.isEmpty() ? s.TitleText : s.TitleLines.Count() ? s.TitleLines[0] : QString();
    if (!title.isEmpty()) put(s.Title, title);
    FCanvas.Brush.Style = bsClear;
    for (int p = ppTopLeft; p <= ppBottomCenter; ++p) {
        if (places[p].isEmpty()) continue;
        const bool top = AtTop(TPrintPosition(p));
        FCanvas.Font = top ? s.HeaderFont : s.FooterFont;
        const int y = top ? -s.HeaderSize : FPageBottom + s.FooterSize + FMargin + FFooterLineHeight;
        const int width = FCanvas.TextWidth(places[p]);
        int x = s.LeftSize;
        if (p == ppTopRight || p == ppBottomRight) x = FPageWidth - s.RightSize - 20 - width;
        else if (p == ppTopCenter || p == ppBottomCenter) x = (FPageWidth - width) / 2;
        FCanvas.TextOut(x, y, places[p]);
    }
}
