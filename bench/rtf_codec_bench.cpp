// The RTF codec against QTextDocument's own HTML import and export of the same content:
// a formatted document of about 1 MB and 10 MB of RTF is read into a QTextDocument and
// written back, and the same document goes through HTML. Prints the peer's time over
// ours (above 1: the codec is faster) and how our time grows from 1 MB to 10 MB.

#include "ratio_reporter.h"

#include "grid/edit/rtf_codec.h"

#include <QTextDocument>

#include <algorithm>
#include <map>

namespace {

// Runs cycling through the formats a cell uses, with non-ASCII text and paragraphs.
TRtfRuns FormattedRuns(qsizetype Characters) {
    static const QString kTexts[] = {QStringLiteral("Lampe im Flur "), QStringLiteral("Łódź € 12,5 "),
                                     QStringLiteral("x"), QStringLiteral("2"), QStringLiteral(" Gruppe 3\x2029")};
    TRtfRuns runs;
    qsizetype length = 0;
    for (int i = 0; length < Characters; ++i) {
        TRtfRun run;
        run.Text = kTexts[i % 5];
        run.Format.Bold = i % 3 == 0;
        run.Format.Italic = i % 4 == 1;
        run.Format.Underline = i % 7 == 2;
        if (i % 5 == 1) run.Format.Color = QColor(0xC0, 0x20, (i * 13) & 0xFF);
        run.Format.HalfPoints = i % 6 == 0 ? 28 : 0;
        if (i % 9 == 4) run.Format.Face = QStringLiteral("Courier New");
        if (i % 5 == 3) run.Format.Position = rvpSuperscript;
        length += run.Text.size();
        runs.push_back(run);
    }
    return runs;
}

struct TContent {
    QString Rtf;
    QString Html;
};

const TContent& Content(int Megabytes) {
    static std::map<int, TContent> contents;
    auto found = contents.find(Megabytes);
    if (found != contents.end()) return found->second;
    // Grow the runs until their RTF has the size asked for.
    const qsizetype perRun = WriteRtf(FormattedRuns(100000)).size() / 100000;
    const QString rtf = WriteRtf(FormattedRuns(qsizetype(Megabytes) * 1000000 / std::max<qsizetype>(1, perRun)));
    QTextDocument document;
    RtfToDocument(rtf, document);
    return contents[Megabytes] = {rtf, document.toHtml()};
}

void BM_Rtf_Read_Write(benchmark::State& state) {
    const TContent& content = Content(int(state.range(0)));
    for (auto _ : state) {
        QTextDocument document;
        RtfToDocument(content.Rtf, document);
        benchmark::DoNotOptimize(DocumentToRtf(document));
    }
    state.SetBytesProcessed(state.iterations() * content.Rtf.size());
}

void BM_Html_Read_Write(benchmark::State& state) {
    const TContent& content = Content(int(state.range(0)));
    for (auto _ : state) {
        QTextDocument document;
        document.setHtml(content.Html);
        benchmark::DoNotOptimize(document.toHtml());
    }
    state.SetBytesProcessed(state.iterations() * content.Html.size());
}

BENCHMARK(BM_Rtf_Read_Write)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Html_Read_Write)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv, [&](RatioReporter& reporter) {
        reporter.PrintPeerOverOurs("HTML time / RTF time (above 1: the codec is faster)",
                                   {{"BM_Rtf_Read_Write/1/iterations:3", "BM_Html_Read_Write/1/iterations:3"},
                                    {"BM_Rtf_Read_Write/10/iterations:3", "BM_Html_Read_Write/10/iterations:3"}});
        reporter.PrintRatio("BM_Rtf_Read_Write/10/iterations:3", "BM_Rtf_Read_Write/1/iterations:3",
                            "RTF 10 MB / 1 MB: %.2f\n");
        benchmark::Shutdown();
    });
}
