// CSV files of 100,000 rows × 20 columns, with OnFileProgress assigned, next to their
// peers in the same run: std::ofstream writing the same texts joined by commas, and
// std::ifstream reading them back line by line and splitting the fields.

#include "bench_cell_texts.h"
#include "grid/core/string_grid.h"
#include "ratio_reporter.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 100'000;
constexpr int kCols = 20;

QTemporaryDir& Folder() {
    static QTemporaryDir folder;
    return folder;
}

QString GridFile() { return Folder().filePath(QStringLiteral("grid.csv")); }
std::string PeerFile() { return Folder().filePath(QStringLiteral("peer.csv")).toStdString(); }

TExStringGrid& FullGrid() {
    static TExStringGrid* grid = [] {
        auto* g = new TExStringGrid(nullptr);
        g->SetColCount(kCols);
        g->SetRowCount(kRows);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c) g->SetCells(c, r, BenchCellText(c, r, kCols));
        g->OnFileProgress = [](TObject*, short progress) { benchmark::DoNotOptimize(progress); };
        return g;
    }();
    return *grid;
}

void BM_SaveToCSV(benchmark::State& state) {
    TExStringGrid& grid = FullGrid();
    for (auto _ : state) grid.SaveToCSV(GridFile());
}
BENCHMARK(BM_SaveToCSV)->Unit(benchmark::kMillisecond);

void BM_Ofstream_Write_Same_Texts(benchmark::State& state) {
    std::vector<std::string> texts;
    for (int i = 0; i < kRows * kCols; ++i) texts.push_back(BenchCellText(i % kCols, i / kCols, kCols).toStdString());
    for (auto _ : state) {
        std::ofstream out(PeerFile(), std::ios::binary);
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < kCols; ++c) {
                if (c) out << ',';
                out << texts[std::size_t(r * kCols + c)];
            }
            out << "\r\n";
        }
    }
}
BENCHMARK(BM_Ofstream_Write_Same_Texts)->Unit(benchmark::kMillisecond);

void BM_LoadFromCSV(benchmark::State& state) {
    TExStringGrid& grid = FullGrid();
    grid.SaveToCSV(GridFile());
    TExStringGrid target(nullptr);
    target.OnFileProgress = [](TObject*, short progress) { benchmark::DoNotOptimize(progress); };
    for (auto _ : state) target.LoadFromCSV(GridFile());
}
BENCHMARK(BM_LoadFromCSV)->Unit(benchmark::kMillisecond);

void BM_Ifstream_Read_And_Split(benchmark::State& state) {
    for (auto _ : state) {
        std::ifstream in(PeerFile(), std::ios::binary);
        std::vector<std::vector<std::string>> rows;
        std::string line;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            std::vector<std::string> fields;
            std::size_t start = 0;
            for (std::size_t comma; (comma = line.find(',', start)) != std::string::npos; start = comma + 1)
                fields.push_back(line.substr(start, comma - start));
            fields.push_back(line.substr(start));
            rows.push_back(std::move(fields));
        }
        benchmark::DoNotOptimize(rows.size());
    }
}
BENCHMARK(BM_Ifstream_Read_And_Split)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    return RunBenchmarks(argc, argv, [](RatioReporter& reporter) {
        reporter.PrintRatio("BM_SaveToCSV", "BM_Ofstream_Write_Same_Texts",
                            "SaveToCSV takes %.2f times as long as std::ofstream writing the same texts.\n");
        reporter.PrintRatio("BM_LoadFromCSV", "BM_Ifstream_Read_And_Split",
                            "LoadFromCSV takes %.2f times as long as std::ifstream reading and splitting them.\n");
    });
}
