// Benchmarks of the settings file at start-up: loading a catalogue of many values from a fresh
// settings object (reading the file, parsing it once, reading every value).
#include "data/Catalogue.h"
#include "data/CataloguePersistence.h"
#include "platform/AtomicFile.h"
#include "platform/DecimalText.h"
#include "platform/ProfileFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

using namespace tessary;

// A settings file whose catalogue holds `count` valid values in ascending order.
std::string settingsWithValues(int count) {
    std::string text = "[Layout]\r\nMainWindowPos=00010001006000400\r\n[ConstantValues]\r\n";
    text += "Count=" + std::to_string(count) + "\r\n";
    for (int i = 0; i < count; ++i) {
        CatalogueEntry e;
        e.key = makeKey(static_cast<unsigned>(1 + i / (126 * 126)),
                        static_cast<unsigned>((i / 126) % 126), static_cast<unsigned>(i % 126));
        e.name = "name";
        text += "Value";
        appendZeroPadded(text, i + 1, 4);
        text += "=" + toProfileString(e) + "\r\n";
    }
    return text;
}

void BM_LoadCatalogueOfManyValues(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    char folder[] = "/tmp/tessary-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        state.SkipWithError("mkdtemp failed");
        return;
    }
    const std::string path = std::string(folder) + "/Tessary.ini";
    replaceFileAtomically(path, settingsWithValues(count));
    for (auto _ : state) {
        ProfileFile settings(path);
        Catalogue catalogue;
        loadCatalogue(settings, catalogue);
        if (catalogue.size() != static_cast<std::size_t>(count)) {
            state.SkipWithError("the catalogue did not load");
            break;
        }
        benchmark::DoNotOptimize(catalogue.entries().data());
    }
    unlink(path.c_str());
    rmdir(folder);
}
BENCHMARK(BM_LoadCatalogueOfManyValues)
    ->Arg(20'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// Writing a catalogue of many values into a settings file that has none yet.
void BM_SaveCatalogueOfManyValues(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    char folder[] = "/tmp/tessary-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        state.SkipWithError("mkdtemp failed");
        return;
    }
    const std::string path = std::string(folder) + "/Tessary.ini";
    replaceFileAtomically(path, settingsWithValues(count));
    Catalogue catalogue;
    {
        ProfileFile settings(path);
        loadCatalogue(settings, catalogue);
    }
    for (auto _ : state) {
        replaceFileAtomically(path, "[Layout]\r\nMainWindowPos=00010001006000400\r\n");
        ProfileFile settings(path);
        if (!saveCatalogue(settings, catalogue)) {
            state.SkipWithError("the catalogue was not written");
            break;
        }
    }
    unlink(path.c_str());
    rmdir(folder);
}
BENCHMARK(BM_SaveCatalogueOfManyValues)
    ->Arg(20'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace
