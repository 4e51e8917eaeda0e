#include "grid/data/grid_print.h"

#include "grid/core/string_grid.h"
#include "grid/data/print_settings.h"
#include "platform/wall_clock.h"

#include <QImage>
#include <QPainter>

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

}  // namespace

int PrintGridRect(TExStringGrid& grid, TPrinter& printer, TGridRect cells, const TPrintStartEvent& onPrintStart) {
    const TPrintSettings& s = *grid.PrintSettings();
    if (!s.UseDefaultOrientation) printer.SetOrientation(s.Orientation);
    printer.Title = s.JobName;
    const int width = qRound(254.0 / printer.ResolutionX() * printer.PageWidth());
    const int height = qRound(254.0 / printer.ResolutionY() * printer.PageHeight());
    const QDateTime now = Now();

    MeasuringCanvas measure(printer.ResolutionX());
    TGridPrintJob counting(grid, *measure.canvas, pmCountPrint, cells, width, -height);
    const int count = counting.Run();
    int from = 1, to = count;
    if (onPrintStart) onPrintStart(count, from, to);
    if (from <= 0 || to <= 0 || to < from) return count;

    printer.BeginDoc();
    try {
        TCanvas& canvas = *printer.Canvas();
        canvas.SetMapMode(mmLoMetric);
        const TRect page = canvas.ClipRect();
        TGridPrintJob job(grid, canvas, pmPrintDraw, cells, page.Right - page.Left, page.Bottom);
        job.Range = {from, to};
        job.PageCount = count;
        job.PrintTime = now;
        job.NewPage = [&] {
            printer.NewPage();
            canvas.SetMapMode(mmLoMetric);
        };
        job.Run();
    } catch (...) {
        printer.EndDoc();
        throw;
    }
    printer.EndDoc();
    return count;
}

int PreviewGridRect(TExStringGrid& grid, TCanvas& canvas, TRect displayRect, TGridRect cells, int page) {
    const TMapMode keep = canvas.MapMode();
    canvas.SetMapMode(mmLoMetric);
    // The page's corner is the display rectangle's corner.
    canvas.Painter()->save();
    canvas.Painter()->translate(displayRect.Left, displayRect.Top);
    const TRect area = canvas.DeviceToLogical(Rect(0, 0, displayRect.Width(), displayRect.Height()));
    const int width = area.Right - area.Left;
    const int bottom = area.Bottom - area.Top;
    TGridPrintJob counting(grid, canvas, pmCountPreview, cells, width, bottom);
    const int count = counting.Run();
    TGridPrintJob job(grid, canvas, pmPreviewDraw, cells, width, bottom);
    job.Range = {page, page};
    job.PageCount = count;
    job.PrintTime = Now();
    job.Run();
    canvas.Painter()->restore();
    canvas.SetMapMode(keep);
    return count;
}
