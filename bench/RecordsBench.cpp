// The record readers on a file the size of the largest table (about 1,000
// lines), against a plain scan of the same file's lines.
#include "BaselineReporter.h"
#include "core/formats/Records.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Table {
    fs::path path;
    std::vector<std::string> lastPaperIds; // the 40 questions of the last paper
};

// An answer-key table: 25 papers of 40 questions, one record per question.
const Table& table() {
    static const Table t = [] {
        Table made;
        made.path = fs::temp_directory_path() / "orbisk-records-bench.txt";
        std::ofstream out(made.path, std::ios::binary);
        out << "...\r\n";
        for (int paper = 1; paper <= 25; ++paper) {
            for (int q = 1; q <= 40; ++q) {
                const std::string id = std::to_string(15000 + 100 * (paper - 1) + q);
                out << "#" << id << "#>" << (q % 4 + 1) << "\r\n";
                if (paper == 25) {
                    made.lastPaperIds.push_back(id);
                }
            }
        }
        out << "...\r\n";
        return made;
    }();
    return t;
}

void BM_PlainLineScan(benchmark::State& state) {
    for (auto _ : state) {
        std::ifstream in(table().path, std::ios::binary);
        std::string line;
        std::size_t lines = 0;
        while (std::getline(in, line)) {
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
}

void BM_ReadRecordValue_LastRecord(benchmark::State& state) {
    const std::string key = table().lastPaperIds.back();
    for (auto _ : state) {
        benchmark::DoNotOptimize(orbisk::records::ReadRecordLine(table().path, key));
    }
}

void BM_ReadQuestionValues_LastPaper(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(orbisk::records::ReadQuestionValues(table().path, table().lastPaperIds));
    }
}

void BM_CountQuestionValues_LastPaper(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(orbisk::records::CountQuestionValues(table().path, table().lastPaperIds));
    }
}

BENCHMARK(BM_PlainLineScan);
BENCHMARK(BM_ReadRecordValue_LastRecord);
BENCHMARK(BM_ReadQuestionValues_LastPaper);
BENCHMARK(BM_CountQuestionValues_LastPaper);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    orbisk::bench::BaselineReporter reporter("BM_PlainLineScan");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::filesystem::remove(table().path);
    return 0;
}
