// The core's share of opening a paper and of moving to the next question, in
// a temporary application folder with the compiled test bank: opening paper
// 101 (four tables read from the pack, question 1's page, the answer,
// result and marks files) and one Next (store the sheet, rewrite the answer
// file, swap the page file), against the one durable write every move makes:
// the answer file's bytes written atomically, on their own.
#include "BaselineReporter.h"
#include "core/formats/ResourcePack.h"
#include "core/io/FileIO.h"
#include "core/practice/OpenPaper.h"
#include "core/results/ResultsStore.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

using namespace orbisk;

struct Fixture {
    std::string bytes;
    ResourcePack pack;
    std::filesystem::path folder;

    Fixture()
        : bytes(files::ReadWholeFile(ORBISK_TESTBANK_PACK)), pack(bytes),
          folder(std::filesystem::temp_directory_path() /
                 ("orbisk-practice-bench-" +
                  std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()))) {
        std::filesystem::create_directories(folder);
        results::ResetResults(folder, "TST", {2}, pack);
    }
    ~Fixture() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    practice::PaperRequest request() const {
        practice::PaperRequest r;
        r.appFolder = folder;
        r.LChose = 2;
        r.lblCOD = "TST";
        r.TtPapersCon = 50;
        r.SubH1 = "Grammar (1)";
        r.PaperNum = 101;
        return r;
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_AnswerFileWriteAlone(benchmark::State& state) {
    const auto path = results::FilePath(fixture().folder, results::ResultsFile::First, 2, "TST");
    const std::string bytes = files::ReadWholeFile(path);
    for (auto _ : state) {
        files::WriteFileAtomically(path, bytes);
    }
}

void BM_OpenPaper101(benchmark::State& state) {
    for (auto _ : state) {
        auto paper = practice::OpenPaper::Open(fixture().pack, fixture().request());
        benchmark::DoNotOptimize(paper.AnswerSlots());
    }
}

void BM_NextQuestion(benchmark::State& state) {
    auto paper = practice::OpenPaper::Open(fixture().pack, fixture().request());
    const std::vector<std::string> sheet{"2"};
    for (auto _ : state) {
        const auto outcome = paper.CanGoNext() ? paper.NextQuestion(sheet) : paper.ChooseQuestion(1, sheet);
        benchmark::DoNotOptimize(outcome.page.ok());
    }
}

void BM_SheetAndCounts(benchmark::State& state) {
    auto paper = practice::OpenPaper::Open(fixture().pack, fixture().request());
    for (auto _ : state) {
        benchmark::DoNotOptimize(paper.Sheet().frames.size());
        benchmark::DoNotOptimize(paper.RemainingQuestions().size());
        benchmark::DoNotOptimize(paper.AnsweredCount());
    }
}

BENCHMARK(BM_AnswerFileWriteAlone);
BENCHMARK(BM_OpenPaper101);
BENCHMARK(BM_NextQuestion);
BENCHMARK(BM_SheetAndCounts);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::printf("application folder %s\n", fixture().folder.c_str());
    orbisk::bench::BaselineReporter reporter("BM_AnswerFileWriteAlone");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
