#include "grid/data/grid_print_job.h"

#include "controls/text_utilities.h"
#include "grid/core/string_grid.h"
#include "grid/data/print_settings.h"
#include "grid/view/markup_renderer.h"
#include "platform/date_time_format.h"
#include "platform/screen_resolution.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double TenthsOfMmPerInch = 254.0;

bool AtTop(TPrintPosition p) { return p == ppTopLeft || p == ppTopRight || p == ppTopCenter; }
bool AtBottom(TPrintPosition p) { return p == ppBottomLeft || p == ppBottomRight || p == ppBottomCenter; }
bool AtLeft(TPrintPosition p) { return p == ppTopLeft || p == ppBottomLeft; }

}  // namespace

TGridPrintJob::TGridPrintJob(TExStringGrid& grid, TCanvas& canvas, TPrintMode mode, TGridRect cells, bool selectedOnly,
                             int pageWidth, int pageBottom, TCanvas* measure)
    : FGrid(grid), FSettings(*grid.PrintSettings()), FCanvas(canvas), FMeasure(measure ? *measure : canvas),
      FMode(mode), FCells(cells),
      FSelectedOnly(selectedOnly), FPageWidth(pageWidth), FPageBottom(pageBottom),
      FK(TenthsOfMmPerInch / ScreenPixelsPerInchX()) {
    FSpacing = FSettings.UseFixedWidth ? 0 : FSettings.ColumnSpacing + 20;
    // Sized for every column of the grid, however many there are.
    const std::size_t columns = std::size_t(std::max({FGrid.ColCount(), FCells.Right + 1, 0}));
    FWidths.assign(columns, 0);
    FOffsets.assign(columns, 0);
    SetUpFonts();
}

TGridPrintJob::~TGridPrintJob() { FGrid.FPrintFitFactor = 1.0; }

TFont TGridPrintJob::Scaled(TFont font) const {
    if (FFit != 1.0) font.Size = std::max(1, int(font.Size * FFit));
    return font;
}

void TGridPrintJob::SetUpFonts() {
    FGrid.FPrintFitFactor = FFit;
    FMeasure.Font = Scaled(FSettings.HeaderFont);
    FHeaderLineHeight = FMeasure.TextHeight(QStringLiteral("gh"));
    FMeasure.Font = Scaled(FSettings.FooterFont);
    FFooterLineHeight = FMeasure.TextHeight(QStringLiteral("gh"));
    FMeasure.Font = Scaled(FSettings.Font);
    FLineHeight = FMeasure.TextHeight(QStringLiteral("gh"));
    FMargin = int(unsigned(FLineHeight) / 8);
    FPadding = FMeasure.TextWidth(QStringLiteral("g")) / 2;
    FRowHeights.assign(std::size_t(std::max(FGrid.RowCount(), 0)), kUnmeasured);
}

bool TGridPrintJob::RowPasses(int ARow) const {
    if (!FSelectedOnly) return true;
    if (FSettings.FixedCellsAlways && ARow < FGrid.FixedRows()) return true;
    const TMouseActions& mouse = *FGrid.MouseActions();
    if (mouse.DisjunctRowSelect())
        return FGrid.RowSelect(mouse.RowSelectPersistent() ? FGrid.RealRowIndex(ARow) : ARow);
    const TGridRect selection = FGrid.Selection();
    return ARow >= selection.Top && ARow <= selection.Bottom;
}

bool TGridPrintJob::ColPasses(int ACol) const {
    if (!FSelectedOnly) return true;
    if (FSettings.FixedCellsAlways && ACol < FGrid.FixedCols()) return true;
    const TMouseActions& mouse = *FGrid.MouseActions();
    if (mouse.DisjunctRowSelect()) return true;
    if (mouse.DisjunctColSelect()) return FGrid.ColSelect(ACol);
    const TGridRect selection = FGrid.Selection();
    return ACol >= selection.Left && ACol <= selection.Right;
}

void TGridPrintJob::ComputeColumnWidths() {
    for (int c = FCells.Left; c <= FCells.Right; ++c) FWidths[std::size_t(c)] = 0;
    if (FSettings.NoAutoSize) {
        for (int c = FCells.Left; c <= FCells.Right; ++c)
            if (ColPasses(c)) FWidths[std::size_t(c)] = int(std::lround(FGrid.ColWidths(c) * FK));
        return;
    }
    std::vector<int> rows;
    if (FSettings.RepeatFixedRows)
        for (int r = 0; r < FGrid.FixedRows() && r < FCells.Top; ++r) rows.push_back(r);
    for (int r = FCells.Top; r <= FCells.Bottom; ++r) rows.push_back(r);
    for (int c = FCells.Left; c <= FCells.Right; ++c) {
        if (!ColPasses(c)) continue;
        const int real = FGrid.RealColIndex(c);
        int& width = FWidths[std::size_t(c)];
        for (int r : rows) {
            if (FGrid.IsXMergedCell(real, r)) continue;
            width = std::max(width, FSettings.UseFixedWidth ? FSettings.FixedWidth : MeasureCell(real, r).X);
        }
    }
}

void TGridPrintJob::FitColumnsToPage() {
    if (FSettings.FitToPage == fpNever) return;
    long long total = 0;
    for (int c = FCells.Left; c <= FCells.Right; ++c)
        if (ColPasses(c)) total += FWidths[std::size_t(c)] + FSpacing;
    const long long spacing = (long long)FSpacing * (FCells.Right - FCells.Left + 1);
    if (total == spacing) return;
    double factor = double(FPageWidth - FSettings.RightSize - FSettings.LeftSize - spacing) / double(total - spacing);
    // Margins wider than the page leave no room: the columns shrink to nothing, never below.
    factor = std::max(0.0, factor);
    if ((factor > 1 && FSettings.FitToPage == fpShrink) || (factor < 1 && FSettings.FitToPage == fpGrow)) factor = 1;
    if (FSettings.FitToPage == fpCustom && factor != 1) {
        bool allow = true;
        if (FGrid.OnFitToPage) FGrid.OnFitToPage(&FGrid, factor, allow);
        if (!allow) factor = 1;
    }
    if (factor == 1) return;
    for (int c = FCells.Left; c <= FCells.Right; ++c)
        FWidths[std::size_t(c)] = int(FWidths[std::size_t(c)] * factor);
    FFit = factor;
}

int TGridPrintJob::LastColumnOfBlock(int first, int repeatedWidth) const {
    int width = repeatedWidth;
    int last = first;
    for (int c = first; c <= FCells.Right; ++c) {
        if (ColPasses(c)) {
            const int next = width + FWidths[std::size_t(c)] + FSpacing;
            if (next > FPageWidth - FSettings.RightSize) break;
            width = next;
        }
        last = c;
    }
    // A block takes at least two columns (one when only one is left).
    if (last <= first) last = first + 1;
    return std::min(last, FCells.Right);
}

void TGridPrintJob::PlaceBlock(int first, int last, bool repeatFixedCols, int repeatedWidth) {
    const int start = FSettings.Centered ? 0 : FSettings.LeftSize;
    int x = start;
    if (repeatFixedCols)
        for (int c = 0; c < FGrid.FixedCols(); ++c) {
            FOffsets[std::size_t(c)] = x;
            if (ColPasses(c)) x += FWidths[std::size_t(c)] + FSpacing;
        }
    x = start;
    for (int c = first; c <= last; ++c) {
        FOffsets[std::size_t(c)] = x;
        if (ColPasses(c)) x += FWidths[std::size_t(c)] + FSpacing;
    }
    FBlockWidth = x - start + repeatedWidth;
    const int shift = FSettings.Centered && FBlockWidth < FPageWidth ? (FPageWidth - FBlockWidth) / 2 : 0;
    if (repeatFixedCols)
        for (int c = 0; c < FGrid.FixedCols(); ++c) FOffsets[std::size_t(c)] += shift;
    for (int c = first; c <= last; ++c) FOffsets[std::size_t(c)] += shift + repeatedWidth;
    FBlockStart = first;
    FBlockEnd = last;
}

bool TGridPrintJob::TitleIsMarkup() const {
    return FSettings.TitleText.isEmpty() && FSettings.TitleLines.Count() > 0 && FGrid.EnableHTML() &&
           CellTextKind(FSettings.TitleLines.Text(), true) == ckMiniHtml;
}

int TGridPrintJob::MarkupTitleHeight() {
    if (FSettings.Title == ppNone || !TitleIsMarkup()) return 0;
    const TMapMode keep = FMeasure.MapMode();
    FMeasure.SetMapMode(mmText);
    FMeasure.Font = Scaled(AtTop(FSettings.Title) ? FSettings.HeaderFont : FSettings.FooterFont);
    const TRect page = FMeasure.LogicalToDevice(Rect(FSettings.LeftSize, 0, FPageWidth, FPageBottom));
    TMarkupTextParams params;
    params.Canvas = &FMeasure;
    params.Text = FSettings.TitleLines.Text();
    params.Bounds = Rect(0, 0, page.Width(), 65535);
    params.MeasureOnly = true;
    params.Printing = true;
    params.ResolutionFactor = FMeasure.ResolutionY() / 96.0;
    DrawMarkupText(params);
    FMeasure.SetMapMode(keep);
    return int(std::lround(params.TotalHeight * TenthsOfMmPerInch / FMeasure.ResolutionY()));
}

void TGridPrintJob::MeasureHeaderAndFooter(bool firstOfBlock) {
    const TPrintSettings& s = FSettings;
    const bool markupTitle = TitleIsMarkup();
    auto textAt = [&](auto place) {
        return place(s.Time) || place(s.Date) || place(s.PageNr) || (place(s.Title) && !markupTitle);
    };
    const int extraTitleLines = markupTitle ? 0 : std::max(0, s.TitleLines.Count() - 1);
    const bool plainLines = s.TitleText.isEmpty() && extraTitleLines > 0;
    FHeaderHeight = s.HeaderSize;
    if (textAt(AtTop)) {
        FHeaderHeight += FMargin + FHeaderLineHeight;
        if (plainLines && AtTop(s.Title)) FHeaderHeight += extraTitleLines * FHeaderLineHeight;
    }
    FFooterHeight = FMargin + FFooterLineHeight + s.FooterSize;
    if (textAt(AtBottom)) {
        FFooterHeight += FMargin + FFooterLineHeight;
        if (plainLines && AtBottom(s.Title)) FFooterHeight += extraTitleLines * FFooterLineHeight;
    }
    // The markup title is measured once per block; it stands below the header texts or
    // above the footer texts.
    if (firstOfBlock) FTitleHeight = MarkupTitleHeight();
    if (AtBottom(s.Title)) FFooterHeight += FTitleHeight;
}

int TGridPrintJob::RowsTop() const { return -(FHeaderHeight + FSettings.TitleSpacing + (AtTop(FSettings.Title) ? FTitleHeight : 0)); }

void TGridPrintJob::TurnPage(int finished) {
    if (finished + 1 > Range.To) return;
    if (FMode == pmPrintDraw && finished >= Range.From && NewPage) NewPage();
    FCanvas.SetMapMode(mmLoMetric);
    if (!Counting() && FGrid.OnPrintPage) FGrid.OnPrintPage(&FGrid, &FCanvas, finished + 1, FPageWidth, FPageBottom);
}

int TGridPrintJob::Run() {
    ComputeColumnWidths();
    FitColumnsToPage();
    SetUpFonts();
    for (int c = FCells.Left; c <= FCells.Right; ++c)
        if (FGrid.OnPrintSetColumnWidth) FGrid.OnPrintSetColumnWidth(&FGrid, c, FWidths[std::size_t(c)]);

    const int fixedCols = FGrid.FixedCols();
    const int fixedRows = FGrid.FixedRows();
    const bool selectedRange = FCells.Top > fixedRows - 1 || FCells.Bottom < FGrid.RowCount() - FGrid.FixedFooters() - 1;
    int pages = 0;
    int block = 0;
    bool cancel = false;
    for (int first = FCells.Left; first <= FCells.Right && !cancel;) {
        ++block;
        FRepeatFixedCols = fixedCols > 0 && FSettings.RepeatFixedCols && first >= fixedCols &&
                           !(block == 1 && FCells.Left <= fixedCols);
        int repeatedWidth = 0;
        if (FRepeatFixedCols)
            for (int c = 0; c < fixedCols; ++c)
                if (ColPasses(c)) repeatedWidth += FWidths[std::size_t(c)] + FSpacing;
        const int last = LastColumnOfBlock(first, repeatedWidth);
        if (last < FCells.Right) FSeveralBlocks = true;
        PlaceBlock(first, last, FRepeatFixedCols, repeatedWidth);
        MeasureHeaderAndFooter(true);
        if (!Counting() && FGrid.OnPrintPage) FGrid.OnPrintPage(&FGrid, &FCanvas, pages + 1, FPageWidth, FPageBottom);

        int row = FCells.Top;
        for (int pageInBlock = 1;; ++pageInBlock) {
            const int page = pages + 1;
            const bool drawn = Drawing(page);
            if (drawn) PaintHeaderAndFooter(page, pageInBlock, block);
            const int top = RowsTop();
            const int floor = FPageBottom + FFooterHeight;
            int y = top;
            if (FSettings.RepeatFixedRows && fixedRows > 0 && row >= fixedRows && (page > 1 || FCells.Top >= fixedRows))
                for (int r = 0; r < fixedRows; ++r) {
                    if (drawn) PaintRow(y, r, floor);
                    y -= PrintedRowHeight(r);
                }
            bool any = false;
            while (row <= FCells.Bottom) {
                if (!RowPasses(row)) {
                    ++row;
                    continue;
                }
                const int height = PrintedRowHeight(row);
                if (any && y - height < floor) break;
                FGrid.ExportNotification(selectedRange ? esExportSelRow : esExportNewRow, row);
                if (drawn) PaintRow(y, row, floor);
                y -= height;
                any = true;
                ++row;
                bool newPage = false;
                if (FGrid.OnPrintNewPage) FGrid.OnPrintNewPage(&FGrid, row, newPage);
                if (newPage) break;
            }
            while (row <= FCells.Bottom && !RowPasses(row)) ++row;
            if (!Counting()) {
                if (FGrid.OnPrintPageDone)
                    FGrid.OnPrintPageDone(&FGrid, &FCanvas, row, y, page, FPageWidth, FPageBottom);
                if (FGrid.OnPrintCancel) FGrid.OnPrintCancel(&FGrid, page, cancel);
            }
            if (drawn) PaintFrame(top, y + FMargin / 2);
            pages = page;
            if (row > FCells.Bottom || cancel || (Fast && page >= Range.From + 2)) break;
            TurnPage(page);
            MeasureHeaderAndFooter(false);
        }
        first = last + 1;
        if (first <= FCells.Right && !cancel) TurnPage(pages);
    }
    return pages;
}

void TGridPrintJob::PaintRow(int y, int ARow, int floor) {
    // A row taller than the room is cut at the footer.
    FCanvas.IntersectClip(Rect(0, y, FPageWidth, std::min(y, floor)));
    if (FRepeatFixedCols) PaintCells(y, 0, FGrid.FixedCols() - 1, ARow);
    PaintCells(y, FBlockStart, FBlockEnd, ARow);
    FCanvas.RestoreClip();
}

void TGridPrintJob::PaintFrame(int top, int bottom) {
    const TPrintBorders b = FSettings.Borders;
    const int left = FRepeatFixedCols ? FOffsets[0] : FOffsets[std::size_t(FBlockStart)];
    const int right = FOffsets[std::size_t(FBlockEnd)] + (ColPasses(FBlockEnd) ? FWidths[std::size_t(FBlockEnd)] + FSpacing : 0);
    FCanvas.Pen.Color = clBlack;
    FCanvas.Pen.Style = FSettings.BorderStyle;
    FCanvas.Pen.Width = b == pbDouble ? 10 : 2;
    auto line = [&](int x1, int y1, int x2, int y2) {
        FCanvas.MoveTo(x1, y1);
        FCanvas.LineTo(x2, y2);
    };
    if (b == pbAround || b == pbAroundVertical || b == pbAroundHorizontal) {
        line(left, top, right, top);
        line(right, top, right, bottom);
        line(left, top, left, bottom);
    }
    if (b == pbAround || b == pbAroundVertical || b == pbAroundHorizontal || b == pbDouble || b == pbHorizontal)
        line(left, bottom, right, bottom);
    if ((b == pbDouble || b == pbVertical || b == pbAroundVertical) && FRepeatFixedCols)
        for (int c = 0; c < FGrid.FixedCols(); ++c) line(FOffsets[std::size_t(c)], top, FOffsets[std::size_t(c)], bottom);
}

QString TGridPrintJob::PageNumberText(int page, int pageInBlock, int block) {
    QString text;
    int number = page;
    if (FSeveralBlocks) {
        number = pageInBlock;
        text = QString::number(pageInBlock) + QLatin1Char('-') + QString::number(block);
    } else {
        text = QString::number(page + FSettings.PageNumberOffset);
        if (!FSettings.PageNumSep.isEmpty() && PageCount > 1)
            text += FSettings.PageNumSep + QString::number(PageCount + FSettings.MaxPagesOffset);
    }
    FGrid.DoPrintGetPageNum(number, block, text);
    return text;
}

void TGridPrintJob::PaintHeaderAndFooter(int page, int pageInBlock, int block) {
    const TPrintSettings& s = FSettings;
    const bool markupTitle = TitleIsMarkup();
    QString places[ppBottomCenter + 1];
    auto put = [&](TPrintPosition p, const QString& item, bool blankAlways) {
        if (p == ppNone) return;
        QString& place = places[p];
        const QString blank = blankAlways || (!place.isEmpty() && !item.isEmpty()) ? QStringLiteral(" ") : QString();
        place = AtLeft(p) ? item + blank + place : place + blank + item;
    };
    put(s.Time, FormatDateTime(QStringLiteral("hh:nn"), PrintTime), true);
    put(s.Date, FormatDateTime(s.DateFormat, PrintTime), true);
    put(s.PageNr, s.PagePrefix + QLatin1Char(' ') + PageNumberText(page, pageInBlock, block) + QLatin1Char(' ') + s.PageSuffix,
        true);
    QStringList titleLines;
    if (!s.TitleText.isEmpty()) titleLines << s.TitleText;
    else if (!markupTitle)
        for (int i = 0; i < s.TitleLines.Count(); ++i) titleLines << s.TitleLines[i];
    if (!titleLines.isEmpty()) put(s.Title, titleLines.first(), false);

    FCanvas.Brush.Style = bsClear;
    for (int p = ppTopLeft; p <= ppBottomCenter; ++p) {
        const auto place = TPrintPosition(p);
        const bool top = AtTop(place);
        FCanvas.Font = Scaled(top ? s.HeaderFont : s.FooterFont);
        const int lineHeight = top ? FHeaderLineHeight : FFooterLineHeight;
        QStringList lines{places[p]};
        if (place == s.Title) lines << titleLines.mid(1);
        int y = top ? -s.HeaderSize
                    : FPageBottom + s.FooterSize + FMargin + FFooterLineHeight + int(lines.size() - 1) * lineHeight;
        for (const QString& line : lines) {
            if (!line.isEmpty()) {
                const int width = FCanvas.TextWidth(line);
                int x = s.LeftSize;
                if (p == ppTopRight || p == ppBottomRight) x = FPageWidth - s.RightSize - 20 - width;
                else if (p == ppTopCenter || p == ppBottomCenter) x = (FPageWidth - width) / 2;
                FCanvas.TextOut(x, y, line);
            }
            y -= lineHeight;
        }
    }
    if (markupTitle && FTitleHeight > 0) {
        if (AtTop(s.Title)) PaintMarkupTitle(Rect(s.LeftSize, -FHeaderHeight, FPageWidth, -FHeaderHeight - FTitleHeight));
        else if (AtBottom(s.Title))
            PaintMarkupTitle(Rect(s.LeftSize, FPageBottom + s.FooterSize + FTitleHeight, FPageWidth,
                                  FPageBottom + s.FooterSize));
    }
}

void TGridPrintJob::PaintMarkupTitle(TRect area) {
    FCanvas.Font = Scaled(AtTop(FSettings.Title) ? FSettings.HeaderFont : FSettings.FooterFont);
    PaintMarkupText(FSettings.TitleLines.Text(), area, false);
}
