// The grid's printing and preview: pages are counted on a measuring canvas at the
// printer's resolution before any document begins, so OnPrintStart decides first and a
// refused range leaves no document.

#include "grid/core/string_grid.h"
#include "grid/data/grid_print_job.h"
#include "grid/data/print_settings.h"
#include "platform/wall_clock.h"

#include <QImage>
#include <QPainter>
#include <climits>

namespace {

// A canvas that measures at the printer's resolution without a document.
struct MeasuringCanvas {
    explicit MeasuringCanvas(int resolution) : image(1, 1, QImage::Format_RGB32) {
        const int dotsPerMeter = qRound(resolution / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        painter.begin(&image);
        canvas = std::make_unique<TCanvas>(&painter);
        canvas->SetMapMode(mmLoMetric);
    }
    QImage image;
    QPainter painter;
    std::unique_ptr<TCanvas> canvas;
};

// Notifies the start of an export now and its end however the scope is left.
class ExportScope {
public:
    explicit ExportScope(TExStringGrid& grid) : FGrid(grid) { FGrid.ExportNotification(esExportStart, -1); }
    ~ExportScope() { FGrid.ExportNotification(esExportDone, -1); }
    ExportScope(const ExportScope&) = delete;
    ExportScope& operator=(const ExportScope&) = delete;

private:
    TExStringGrid& FGrid;
};

// Puts the canvas's mapping mode back however the scope is left.
class KeptMapMode {
public:
    explicit KeptMapMode(TCanvas& canvas) : FCanvas(canvas), FKeep(canvas.MapMode()) {}
    ~KeptMapMode() { FCanvas.SetMapMode(FKeep); }
    KeptMapMode(const KeptMapMode&) = delete;
    KeptMapMode& operator=(const KeptMapMode&) = delete;

private:
    TCanvas& FCanvas;
    TMapMode FKeep;
};

// Ends the printer's document however the scope is left.
class OpenDocument {
public:
    explicit OpenDocument(TPrinter& printer) : FPrinter(printer) { FPrinter.BeginDoc(); }
    ~OpenDocument() {
        if (FPrinter.Printing()) FPrinter.EndDoc();
    }
    OpenDocument(const OpenDocument&) = delete;
    OpenDocument& operator=(const OpenDocument&) = delete;

private:
    TPrinter& FPrinter;
};

bool Accepted(int from, int to) { return from > 0 && to > 0 && to >= from; }

}  // namespace

TPrinter& TExStringGrid::Printer() {
    if (!FPrinter) FPrinter = std::make_unique<TPrinter>();
    return *FPrinter;
}

int TExStringGrid::MapFontHeight(int pointsize) const { return -int(pointsize * 254.0 / 72.0 * FPrintFitFactor); }

int TExStringGrid::MapFontSize(int Height) const { return Height * 72 / 254; }

TGridRect TExStringGrid::WholeGrid() const { return {0, 0, ColCount() - 1, RowCount() - 1}; }

TGridRect TExStringGrid::PrintableRect(TGridRect r) const {
    if (r.Left > r.Right) std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
    r.Left = std::max(r.Left, 0);
    r.Top = std::max(r.Top, 0);
    r.Right = std::min(r.Right, ColCount() - 1);
    r.Bottom = std::min(r.Bottom, RowCount() - 1);
    return r;
}

void TExStringGrid::KeepPrintLayout(const TGridPrintJob& Job, TRect PageRect) {
    MaxWidths = Job.ColWidths();
    Indents = Job.ColOffsets();
    FPrintPageRect = PageRect;
    FPrintPageWidth = Job.BlockWidth();
    FPrintColStart = Job.BlockStart();
    FPrintColEnd = Job.BlockEnd();
}

void TExStringGrid::Print() { PrintCells(Printer(), WholeGrid(), false); }
void TExStringGrid::PrintSelection() { PrintCells(Printer(), Selection(), false); }
void TExStringGrid::PrintRect(TGridRect Gridrect) { PrintCells(Printer(), Gridrect, false); }
void TExStringGrid::PrintSelectedRows() { PrintCells(Printer(), WholeGrid(), true); }
void TExStringGrid::PrintSelectedCols() { PrintCells(Printer(), WholeGrid(), true); }

void TExStringGrid::PrintCells(TPrinter& APrinter, TGridRect Gridrect, bool SelectedOnly) {
    ExportScope scope(*this);
    const TGridRect cells = PrintableRect(Gridrect);
    const TPrintSettings& s = *FPrintSettings;
    if (!s.UseDefaultOrientation) APrinter.SetOrientation(s.Orientation);
    APrinter.Title = s.JobName;
    const int width = qRound(254.0 / APrinter.ResolutionX() * APrinter.PageWidth());
    const int height = qRound(254.0 / APrinter.ResolutionY() * APrinter.PageHeight());
    const QDateTime now = Now();

    int count = INT_MAX;
    if (!FastPrint) {
        MeasuringCanvas measure(APrinter.ResolutionX());
        TGridPrintJob counting(*this, *measure.canvas, pmCountPrint, cells, SelectedOnly, width, -height);
        count = counting.Run();
    }
    int from = 1, to = count;
    FPrintNrOfPages = count;
    if (OnPrintStart) {
        OnPrintStart(this, count, from, to);
        if (!Accepted(from, to)) return;
        FPrintNrOfPages = to;
    }
    if (count == 0) return;
    FPrintFromPage = from;
    FPrintToPage = to;

    OpenDocument document(APrinter);
    TCanvas& canvas = *APrinter.Canvas();
    KeptMapMode keep(canvas);
    canvas.SetMapMode(mmLoMetric);
    const TRect page = canvas.ClipRect();
    TGridPrintJob job(*this, canvas, pmPrintDraw, cells, SelectedOnly, page.Right - page.Left, page.Bottom);
    job.Range = {from, to};
    job.PageCount = count;
    job.PrintTime = now;
    job.Fast = FastPrint;
    job.NewPage = [&] {
        APrinter.NewPage();
        canvas.SetMapMode(mmLoMetric);
    };
    job.Run();
    KeepPrintLayout(job, Rect(0, 0, page.Right - page.Left, page.Bottom));
}

void TExStringGrid::PrintPreview(TCanvas& Canvas, TRect Displayrect) {
    PreviewCells(Canvas, Displayrect, WholeGrid(), false);
}
void TExStringGrid::PrintPreviewRect(TCanvas& Canvas, TRect Displayrect, TGridRect Gridrect) {
    PreviewCells(Canvas, Displayrect, Gridrect, false);
}
void TExStringGrid::PrintPreviewSelection(TCanvas& Canvas, TRect Displayrect) {
    PreviewCells(Canvas, Displayrect, Selection(), false);
}
void TExStringGrid::PrintPreviewSelectedRows(TCanvas& Canvas, TRect Displayrect) {
    PreviewCells(Canvas, Displayrect, WholeGrid(), true);
}
void TExStringGrid::PrintPreviewSelectedCols(TCanvas& Canvas, TRect Displayrect) {
    PreviewCells(Canvas, Displayrect, WholeGrid(), true);
}

void TExStringGrid::PreviewCells(TCanvas& Canvas, TRect Displayrect, TGridRect Gridrect, bool SelectedOnly) {
    ExportScope scope(*this);
    struct PreviewFlag {
        bool& flag;
        ~PreviewFlag() { flag = false; }
    } previewFlag{FIsPrintPreview};
    const TGridRect cells = PrintableRect(Gridrect);
    QPainter& painter = *Canvas.Painter();
    // The page's corner is the display rectangle's corner, and nothing leaves it.
    painter.save();
    struct RestoredPainter {
        QPainter& painter;
        ~RestoredPainter() { painter.restore(); }
    } restored{painter};
    painter.translate(Displayrect.Left, Displayrect.Top);
    painter.setClipRect(QRect(0, 0, Displayrect.Width(), Displayrect.Height()), Qt::IntersectClip);
    KeptMapMode keep(Canvas);
    Canvas.SetMapMode(mmLoMetric);
    const TRect area = Canvas.DeviceToLogical(Rect(0, 0, Displayrect.Width(), Displayrect.Height()));
    const int width = area.Right - area.Left;
    const int bottom = area.Bottom - area.Top;
    // Text is measured as the printer measures it.
    MeasuringCanvas measure(Printer().ResolutionX());
    int count = 1;
    if (!FastPrint) {
        TGridPrintJob counting(*this, Canvas, pmCountPreview, cells, SelectedOnly, width, bottom, measure.canvas.get());
        count = counting.Run();
    }
    FPrintNrOfPages = count;
    FIsPrintPreview = true;
    int from = 1, to = count;
    if (OnPrintStart) OnPrintStart(this, count, from, to);
    if (!Accepted(from, to)) return;
    TGridPrintJob job(*this, Canvas, pmPreviewDraw, cells, SelectedOnly, width, bottom, measure.canvas.get());
    job.Range = {FPrintFromPage, FPrintToPage};
    job.PageCount = count;
    job.PrintTime = Now();
    job.Fast = FastPrint;
    job.Run();
    KeepPrintLayout(job, Rect(0, 0, width, bottom));
}

void TExStringGrid::PrintDraw(TCanvas& Canvas, TRect DrawRect) { PrintDrawRect(Canvas, DrawRect, WholeGrid()); }

void TExStringGrid::PrintDrawRect(TCanvas& Canvas, TRect, TGridRect Gridrect) {
    FPrintFromPage = FPrintToPage = 1;
    FPrintNrOfPages = 1;
    KeptMapMode keep(Canvas);
    Canvas.SetMapMode(mmLoMetric);
    const TRect page = Canvas.ClipRect();
    TGridPrintJob job(*this, Canvas, pmPrintDraw, PrintableRect(Gridrect), false, page.Right - page.Left, page.Bottom);
    job.PageCount = 1;
    job.PrintTime = Now();
    job.Run();
    KeepPrintLayout(job, Rect(0, 0, page.Right - page.Left, page.Bottom));
}
