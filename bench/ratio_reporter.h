#pragma once
// Shows the runs as usual and keeps their times, so a benchmark program can print how
// our code compares with its peer in the same run.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

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

    std::map<std::string, double> Times;
};
