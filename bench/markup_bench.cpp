// The mini-HTML renderer against QTextDocument on a typical cell text (bold, a colour,
// a link, an entity, a line break), in the same run: painting it into a 220 x 40 cell
// and measuring it. QTextDocument gets the equivalent HTML, parsed once outside the
// loop, while the renderer parses its text at every call as cells do. The ratio peer
// time / renderer time is printed at the end (above 1: the renderer is faster).

#include "grid/view/markup_renderer.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <cstdio>
#include <map>
#include <string>

namespace {

const QString kMarkup = QStringLiteral(
    "<b>Gateway</b> 1.1 &amp; <font color=\"clred\">line 2</font><br>see <a href=\"https://example.com\">manual</a>");
const QString kHtml = QStringLiteral(
    "<b>Gateway</b> 1.1 &amp; <font color=\"red\">line 2</font><br>see <a href=\"https://example.com\">manual</a>");

struct Cell {
    QImage Image{220, 40, QImage::Format_ARGB32_Premultiplied};
    QPainter Painter{&Image};
    TCanvas Canvas{&Painter};
    Cell() {
        Canvas.Font.Name = QStringLiteral("DejaVu Sans");
        Canvas.Font.Size = 8;
    }
};

void Renderer(benchmark::State& state, bool measureOnly) {
    Cell cell;
    for (auto _ : state) {
        TMarkupTextParams p;
        p.Canvas = &cell.Canvas;
        p.Text = kMarkup;
        p.Bounds = Rect(0, 0, 220, 40);
        p.MeasureOnly = measureOnly;
        DrawMarkupText(p);
        benchmark::DoNotOptimize(p.TotalHeight);
    }
}

void Document(benchmark::State& state, bool measureOnly) {
    Cell cell;
    QTextDocument document;
    document.setDefaultFont(cell.Canvas.Font.ToQFont());
    document.setHtml(kHtml);
    document.setTextWidth(220);
    for (auto _ : state) {
        if (measureOnly) {
            document.markContentsDirty(0, document.characterCount());
            benchmark::DoNotOptimize(document.size());
        } else {
            document.drawContents(&cell.Painter, QRectF(0, 0, 220, 40));
        }
    }
}

void BM_Paint_Markup(benchmark::State& state) { Renderer(state, false); }
void BM_Paint_Document(benchmark::State& state) { Document(state, false); }
void BM_Measure_Markup(benchmark::State& state) { Renderer(state, true); }
void BM_Measure_Document(benchmark::State& state) { Document(state, true); }

BENCHMARK(BM_Paint_Markup)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Paint_Document)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Measure_Markup)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Measure_Document)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv, [&](RatioReporter& reporter) {
        std::printf("\nQTextDocument time / renderer time (above 1: the renderer is faster)\n");
        for (const char* name : {"Paint", "Measure"}) {
            const std::string markup = std::string("BM_") + name + "_Markup";
            const std::string document = std::string("BM_") + name + "_Document";
            if (reporter.Times.count(markup) && reporter.Times.count(document))
                std::printf("  %-8s %6.2f\n", name, reporter.Times[document] / reporter.Times[markup]);
        }
        benchmark::Shutdown();
    });
}
