#pragma once
// Shows the runs as usual and keeps their times, so a benchmark program can print how
// our code compares with its peer in the same run.

#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdio>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) Times[run.benchmark_name()] = run.GetAdjustedRealTime();
    }

    // Prints "<ours> takes N times as long as <peer>." when both ran.
    void PrintRatio(const std::string& ours, const std::string& peer, const char* sentence) {
        const double a = Times[ours], b = Times[peer];
        if (a > 0 && b > 0) std::printf(sentence, a / b);
    }

    // Prints the title, then for each (ours, peer) pair that ran the peer's time over
    // ours (above 1: ours is faster), named by our benchmark without its "BM_".
    void PrintPeerOverOurs(const char* title, std::initializer_list<std::pair<const char*, const char*>> lines) {
        std::printf("\n%s\n", title);
        for (const auto& [ours, peer] : lines)
            if (Times.count(ours) && Times.count(peer))
                std::printf("  %-36s %8.2f\n", ours + 3, Times[peer] / Times[ours]);
    }

    std::map<std::string, double> Times;
};

// Runs the program's benchmarks in a Qt application (offscreen unless a platform is
// chosen) and hands their times to Report once all ran.
template <class Report>
int RunBenchmarks(int argc, char** argv, Report report) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    report(reporter);
    return 0;
}
