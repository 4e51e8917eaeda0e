#pragma once
// Lays a rectangle of grid cells out on pages and draws them: blocks of columns that fit
// across a page, rows continuing on the next page, header and footer texts, frame lines.
// The same pass counts pages (drawing nothing) and draws them, so both agree. Every page
// takes at least one row, so a job ends for any grid and any settings; a row taller than
// the room between header and footer prints alone, cut at the footer.
//
// Lengths are in 0.1 mm on a canvas in the metric mapping mode; a screen pixel is k =
// 254 / the screen's pixels per inch of them. Columns are display indexes, cells are read
// at their real column.

#include "grid/core/cell_graphic.h"
#include "grid/view/cell_draw_work.h"
#include "platform/alignment.h"
#include "platform/canvas.h"
#include "platform/string_grid.h"

#include <QDateTime>
#include <QStringList>
#include <climits>
#include <functional>
#include <vector>

class TExStringGrid;
class TPrintSettings;

enum TPrintMode { pmPreviewDraw, pmPrintDraw, pmCountPrint, pmCountPreview };

struct TPrintPageRange {
    int From = 1;
    int To = 1;
};

class TGridPrintJob {
public:
    // The page is (0, 0, pageWidth, pageBottom), its bottom negative. SelectedOnly prints
    // the selected rows and columns only. Text is measured on the measuring canvas when
    // one is given (a preview measures as its printer does, so their pages agree).
    TGridPrintJob(TExStringGrid& grid, TCanvas& canvas, TPrintMode mode, TGridRect cells, bool selectedOnly,
                  int pageWidth, int pageBottom, TCanvas* measure = nullptr);
    ~TGridPrintJob();
    TGridPrintJob(const TGridPrintJob&) = delete;
    TGridPrintJob& operator=(const TGridPrintJob&) = delete;

    // Pages outside the range are laid out but not drawn. PageCount is the count shown
    // in page numbers. NewPage starts the next printed sheet. Fast stops laying out rows
    // two pages after the first page drawn.
    TPrintPageRange Range;
    int PageCount = -1;
    QDateTime PrintTime;
    std::function<void()> NewPage;
    bool Fast = false;

    // The number of pages over all blocks of columns.
    int Run();

    // The layout of the last block laid out, for the grid's print properties.
    const std::vector<int>& ColWidths() const { return FWidths; }
    const std::vector<int>& ColOffsets() const { return FOffsets; }
    int BlockStart() const { return FBlockStart; }
    int BlockEnd() const { return FBlockEnd; }
    int BlockWidth() const { return FBlockWidth; }
    double FitFactor() const { return FFit; }

    // A cell's measured size; ACol is the real column.
    TPoint MeasureCell(int ACol, int ARow);
    // The height of a row's content.
    int RowContentHeight(int ARow);
    // What a row takes on the page: its content with margins and spacing.
    int PrintedRowHeight(int ARow);

private:
    // ---- page layout (grid_print_job.cpp)
    bool Counting() const { return FMode == pmCountPrint || FMode == pmCountPreview; }
    bool Drawing(int page) const { return !Counting() && page >= Range.From && page <= Range.To; }
    bool RowPasses(int ARow) const;
    bool ColPasses(int ACol) const;
    void SetUpFonts();
    void ComputeColumnWidths();
    void FitColumnsToPage();
    int LastColumnOfBlock(int first, int repeatedWidth) const;
    void PlaceBlock(int first, int last, bool repeatFixedCols, int repeatedWidth);
    void MeasureHeaderAndFooter(bool firstOfBlock);
    bool TitleIsMarkup() const;
    int MarkupTitleHeight();
    int RowsTop() const;
    void TurnPage(int finished);
    void PaintRow(int y, int ARow, int floor);
    void PaintFrame(int top, int bottom);
    void PaintHeaderAndFooter(int page, int pageInBlock, int block);
    void PaintMarkupTitle(TRect area);
    QString PageNumberText(int page, int pageInBlock, int block);
    TFont Scaled(TFont font) const;

    // ---- cells (grid_print_cells.cpp)
    void PaintCells(int y, int fromCol, int toCol, int ARow);
    void PaintCell(TRect cell, int c, int ARow, TCellBorders borders, int penWidth, bool merged);
    void PaintPlainText(const QString& text, TRect r, TAlignment HA, TVAlignment VA, bool wordWrap, int angle,
                        bool merged);
    void PaintMarkupText(const QString& text, TRect r, bool wordWrap);
    void PaintGraphic(const TCellDrawWork& work, TRect cell, const TFont& font);
    void PaintGradient(TRect r, TColor from, TColor to);
    QString PrintedText(int ACol, int ARow, int& kind);
    TFont CellFont(int col, int ARow, bool remap, TBrush& brush, TColor& colorTo, TVAlignment& VA, bool& wordWrap);
    QStringList TextLines(const QString& text) const;

    TExStringGrid& FGrid;
    const TPrintSettings& FSettings;
    TCanvas& FCanvas;
    TCanvas& FMeasure;
    TPrintMode FMode;
    TGridRect FCells;
    bool FSelectedOnly;
    int FPageWidth;
    int FPageBottom;
    double FK;          // 0.1 mm per screen pixel
    double FFit = 1.0;  // applied to fonts while rows and headers are measured and painted
    int FLineHeight = 0;
    int FHeaderLineHeight = 0;
    int FFooterLineHeight = 0;
    int FMargin = 0;   // e: an eighth of the cell line height
    int FPadding = 0;  // p: half the width of "g"
    int FSpacing = 0;  // s: added to every column
    int FHeaderHeight = 0;
    int FFooterHeight = 0;
    int FTitleHeight = 0;  // a markup title's height at the top, else 0
    bool FSeveralBlocks = false;
    bool FRepeatFixedCols = false;
    int FBlockStart = 0;
    int FBlockEnd = -1;
    int FBlockWidth = 0;
    // Measured row heights of this print by row; a row is measured over every column of
    // the print, so it is measured once.
    static constexpr int kUnmeasured = INT_MIN;
    std::vector<int> FRowHeights;
    std::vector<int> FWidths;
    std::vector<int> FOffsets;
};
