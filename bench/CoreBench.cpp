// Benchmarks of the core on a collection of 1,000,000 deeds: reading and writing the deed file,
// counting the order status, and sorting the deed list (each key built once, against the naive
// sort that builds both keys in every comparison).
#include "BenchDeeds.h"
#include "content/DeedDocument.h"
#include "data/Catalogue.h"
#include "data/DeedFile.h"
#include "data/DeedSortKey.h"
#include "platform/Cp932.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>
#include <unistd.h>

namespace {

using namespace tessary;

constexpr int kDeedCount = 1'000'000;

// A plausible collection: valid items of every group, a third with comments, some Japanese.
const std::string& deedFileImage() {
    static const std::string image =
        bench::benchDeedFile(kDeedCount, 42, bench::BenchComments::Varied);
    return image;
}

std::string tempFolder() {
    static const std::string folder = [] {
        char pattern[] = "/tmp/tessary-bench-XXXXXX";
        return std::string(::mkdtemp(pattern)) + "/";
    }();
    return folder;
}

DeedDocument& loadedDocument() {
    static DeedDocument* doc = [] {
        auto* d = new DeedDocument;
        d->catalogue().buildDefault();
        d->readDocument(deedFileImage());
        return d;
    }();
    return *doc;
}

void BM_OpenDeedFile(benchmark::State& state) {
    const std::string path = tempFolder() + "read.dat";
    {
        FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(deedFileImage().data(), 1, deedFileImage().size(), f);
        std::fclose(f);
    }
    DeedDocument doc;
    doc.catalogue().buildDefault();
    for (auto _ : state) {
        if (!doc.openDocument(path).ok() || doc.deeds().size() != kDeedCount) {
            state.SkipWithError("open failed");
        }
    }
    state.counters["deeds"] = static_cast<double>(doc.deeds().size());
    state.counters["bytes"] = static_cast<double>(deedFileImage().size());
}
BENCHMARK(BM_OpenDeedFile)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_WriteDeedFileImage(benchmark::State& state) {
    const DeedDocument& doc = loadedDocument();
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc.writeDocument());
    }
}
BENCHMARK(BM_WriteDeedFileImage)->Unit(benchmark::kMillisecond)->Iterations(5);

// The whole save: the image, a temporary file, fsync and the rename over the old file.
void BM_SaveDeedFile(benchmark::State& state) {
    DeedDocument& doc = loadedDocument();
    const std::string path = tempFolder() + "write.dat";
    for (auto _ : state) {
        if (!doc.saveDocument(path).ok()) {
            state.SkipWithError("save failed");
        }
    }
}
BENCHMARK(BM_SaveDeedFile)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_BuildConditionRows(benchmark::State& state) {
    DeedDocument& doc = loadedDocument();
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc.buildConditionRows());
    }
}
BENCHMARK(BM_BuildConditionRows)->Unit(benchmark::kMillisecond)->Iterations(5);

std::vector<const Deed*> fileOrderRows() {
    std::vector<const Deed*> rows;
    rows.reserve(kDeedCount);
    for (const auto& d : loadedDocument().deeds()) {
        rows.push_back(d.get());
    }
    return rows;
}

constexpr const char* kBenchOrder = "05030100020406";

void BM_SortDeeds(benchmark::State& state) {
    const int item = static_cast<int>(state.range(0));
    const std::vector<const Deed*> original = fileOrderRows();
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<const Deed*> rows = original;
        state.ResumeTiming();
        sortDeeds(rows, item, false, kBenchOrder);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_SortDeeds)->Arg(0)->Arg(5)->Arg(99)->Unit(benchmark::kMillisecond)->Iterations(3);

// The comparison as a list's sort callback does it: both keys built afresh in every comparison.
void BM_SortDeedsRebuildingKeys(benchmark::State& state) {
    const int item = static_cast<int>(state.range(0));
    const std::vector<const Deed*> original = fileOrderRows();
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<const Deed*> rows = original;
        state.ResumeTiming();
        std::stable_sort(rows.begin(), rows.end(), [item](const Deed* a, const Deed* b) {
            return compareCp932(sortKey(*a, item, kBenchOrder), sortKey(*b, item, kBenchOrder)) < 0;
        });
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_SortDeedsRebuildingKeys)
    ->Arg(0)
    ->Arg(5)
    ->Arg(99)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace

BENCHMARK_MAIN();
