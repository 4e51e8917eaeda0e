#pragma once
// Lays a rectangle of grid cells out on pages and draws them: blocks of columns that fit
// across a page, rows continuing on the next page, header and footer texts. The same
// pass counts pages (drawing nothing) and draws them, so both agree. Every page takes at
// least one row, so a job ends for any grid and any settings; a row taller than the room
// between header and footer prints alone, cut at the footer.

#include "platform/canvas.h"
#include "platform/string_grid.h"

#include <QDateTime>
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
    // The canvas is in the metric mapping mode; the page is (0, 0, width, bottom) in
    // 0.1 mm, its bottom negative. ScreenResolution is the pixels per inch that screen
    // sizes are converted from.
    TGridPrintJob(TExStringGrid& grid, TCanvas& canvas, TPrintMode mode, TGridRect cells, int pageWidth,
                  int pageBottom, int screenResolution = 96);

    // Pages outside the range are laid out but not drawn. PageCount is the count shown
    // in page numbers. NewPage starts the next printed page.
    TPrintPageRange Range;
    int PageCount = -1;
    QDateTime PrintTime;
    std::function<void()> NewPage;

    // The number of pages over all blocks of columns.
    int Run();

    int ColWidth(int col) const { return FWidths[std::size_t(col)]; }
    int ColOffset(int col) const { return FOffsets[std::size_t(col)]; }

private:
    bool Counting() const { return FMode == pmCountPrint || FMode == pmCountPreview; }
    bool Drawn(int page) const { return !Counting() && page >= Range.From && page <= Range.To; }
    void ComputeColumnWidths();
    int RowHeight(int row);
    int HeaderHeight() const;
    int FooterHeight() const;
    int BlockEnd(int first) const;
    void PlaceBlock(int first, int last);
    void PaintRow(int y, int row, int first, int last, int page);
    void PaintHeaderAndFooter(int page, int pageInBlock, int block);
    void PaintFrame(int top, int bottom, int first, int last);
    QString PageNumberText(int page, int pageInBlock, int block) const;

    TExStringGrid& FGrid;
    const TPrintSettings& FSettings;
    TCanvas& FCanvas;
    TPrintMode FMode;
    TGridRect FCells;
    int FPageWidth;
    int FPageBottom;
    double FScreenFactor;
    int FLineHeight = 0;
    int FHeaderLineHeight = 0;
    int FFooterLineHeight = 0;
    int FMargin = 0;   // e: an eighth of the cell line height
    int FPadding = 0;  // p: half the width of "g"
    int FSpacing = 0;  // s: added to every column
    bool FSeveralBlocks = false;
    std::vector<int> FWidths;
    std::vector<int> FOffsets;
};
