// Looking up and reading every question page of the compiled test bank: the
// pack's lookup against a std::map of the same resources, and reading each
// page archive against copying its bytes.
#include "BaselineReporter.h"
#include "core/formats/ResourcePack.h"
#include "core/formats/mht/Mht.h"
#include "core/io/FileIO.h"

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <vector>

namespace {

struct Fixture {
    std::string bytes;
    std::vector<int> pages;
    std::map<int, std::string> copies;
};

const Fixture& fixture() {
    static const Fixture f = [] {
        Fixture made;
        made.bytes = orbisk::files::ReadWholeFile(ORBISK_TESTBANK_PACK);
        const orbisk::ResourcePack pack(made.bytes);
        for (const int id : pack.Ids()) {
            if (id >= 10000 && id < 30000) {
                made.pages.push_back(id);
                made.copies[id] = std::string(*pack.Find(id));
            }
        }
        return made;
    }();
    return f;
}

void BM_MapFindEveryPage(benchmark::State& state) {
    for (auto _ : state) {
        std::size_t total = 0;
        for (const int id : fixture().pages) {
            total += fixture().copies.find(id)->second.size();
        }
        benchmark::DoNotOptimize(total);
    }
}

void BM_PackFindEveryPage(benchmark::State& state) {
    const orbisk::ResourcePack pack(fixture().bytes);
    for (auto _ : state) {
        std::size_t total = 0;
        for (const int id : fixture().pages) {
            total += pack.Find(id)->size();
        }
        benchmark::DoNotOptimize(total);
    }
}

void BM_PackOpen(benchmark::State& state) {
    for (auto _ : state) {
        const orbisk::ResourcePack pack(fixture().bytes);
        benchmark::DoNotOptimize(pack.size());
    }
}

void BM_CopyOnePage(benchmark::State& state) {
    const std::string& page = fixture().copies.begin()->second;
    for (auto _ : state) {
        std::string copy = page;
        benchmark::DoNotOptimize(copy.data());
    }
}

void BM_ReadOnePageArchive(benchmark::State& state) {
    const std::string& page = fixture().copies.begin()->second;
    for (auto _ : state) {
        const auto archive = orbisk::mht::Read(page);
        benchmark::DoNotOptimize(archive.RootText().size());
    }
}

BENCHMARK(BM_MapFindEveryPage);
BENCHMARK(BM_PackFindEveryPage);
BENCHMARK(BM_PackOpen);
BENCHMARK(BM_CopyOnePage);
BENCHMARK(BM_ReadOnePageArchive);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    std::printf("%zu pages in the test bank\n", fixture().pages.size());
    orbisk::bench::BaselineReporter reporter("BM_MapFindEveryPage");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
