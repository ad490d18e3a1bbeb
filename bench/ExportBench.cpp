// Benchmarks of the text export on a deed list of 1,000,000 rows: building and sorting the
// missing deeds as the export dialog opens, and writing the export file of the shown deeds.
#include "data/Catalogue.h"
#include "data/Deed.h"
#include "data/DeedSortKey.h"
#include "exchange/MissingDeeds.h"
#include "exchange/TextExport.h"
#include "resources/SettingsKeys.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace tessary;

constexpr int kRowCount = 1'000'000;
// The category node the list shows: 鍛冶（防具） Platemail, 7 types x 9 materials x 6 grades.
constexpr int kGroup = 2;
constexpr int kCategory = 3;

const Catalogue& builtinCatalogue() {
    static const Catalogue catalogue = [] {
        Catalogue c;
        c.buildDefault();
        return c;
    }();
    return catalogue;
}

// The rows of the category node, sorted by 種類順 as the list shows them. The deeds hold most
// combinations, but no valorite and no exceptional verite, so some 60 are missing.
const std::vector<Deed>& categoryDeeds() {
    static const std::vector<Deed> deeds = [] {
        std::mt19937 random(7);
        const char* words[] = {"sell", "keep", "\x82\xa0\x82\xa2", "trade"};
        std::vector<Deed> out;
        out.reserve(kRowCount);
        while (out.size() < static_cast<std::size_t>(kRowCount)) {
            const int type = 1 + static_cast<int>(random() % 7);
            const int material = 1 + static_cast<int>(random() % 8);
            const int quality = 1 + static_cast<int>(random() % 2);
            if (material == 8 && quality == 2) {
                continue;
            }
            Deed d;
            d.itemCode = Deed::makeItemCode(kGroup, kCategory, type, material);
            d.orderCode = Deed::makeOrderCode(quality, 1 + static_cast<int>(random() % 3));
            d.combined = type == 1 ? static_cast<std::uint16_t>((random() % 64) << 10)
                                   : static_cast<std::uint16_t>(random() % 11);
            d.serialNumber = static_cast<std::uint32_t>(out.size() + 1);
            if (random() % 3 == 0) {
                d.comment = words[random() % 4];
            }
            out.push_back(std::move(d));
        }
        return out;
    }();
    return deeds;
}

const std::vector<const Deed*>& shownRows() {
    static const std::vector<const Deed*> rows = [] {
        std::vector<const Deed*> out;
        out.reserve(kRowCount);
        for (const Deed& d : categoryDeeds()) {
            out.push_back(&d);
        }
        sortDeeds(out, kSortByType, false, settings::kDeedViewSortItem.defaultValue);
        return out;
    }();
    return rows;
}

// What the dialog computes as it opens: the missing deeds, sorted, the state of their check box
// and the two sample lines.
void BM_ExportOpenMissingDeeds(benchmark::State& state) {
    const Catalogue& catalogue = builtinCatalogue();
    const CatalogueEntry* node = catalogue.findEntry(makeKey(kGroup, kCategory, 0));
    const std::vector<const Deed*>& rows = shownRows();
    ExportOptions options;
    for (const ExportItemRow& row : kDefaultExportItems) {
        if (row.checked) {
            options.items.push_back(row.item);
        }
    }
    std::size_t missingCount = 0;
    for (auto _ : state) {
        const MissingDeeds missing = buildMissingDeeds(catalogue, node, Deed{}, rows, kSortByType,
                                                       settings::kDeedViewSortItem.defaultValue);
        const MissingOptionState box = missingOptionAtOpening(missing);
        const ExportSample sample = chooseExportSample(rows, missing, box.checked, false);
        const ExportLineBuilder builder(catalogue, options);
        benchmark::DoNotOptimize(builder.line(*sample.first, 1));
        missingCount = missing.deeds.size();
    }
    state.counters["rows"] = static_cast<double>(rows.size());
    state.counters["missing"] = static_cast<double>(missingCount);
}
BENCHMARK(BM_ExportOpenMissingDeeds)->Unit(benchmark::kMillisecond)->Iterations(5);

// A catalogue edited up to the bound: 1,000,000 combinations in one category, none held.
void BM_MissingDeedsAtTheBound(benchmark::State& state) {
    Catalogue catalogue = builtinCatalogue();
    auto& entries = catalogue.entries();
    for (unsigned i = 4; i <= 100; ++i) {
        entries.push_back({makeKey(1, 1, i), 1, 7, 0, "t", {}});
    }
    for (unsigned i = 2; i <= 100; ++i) {
        entries.push_back({makeKey(1, kMaterialBlock, i), 0, 0, 0, "m", {}});
    }
    for (unsigned i = 3; i <= 10; ++i) {
        entries.push_back({makeKey(kQualityBlock, i, 0), 0, 0, 0, "q", {}});
    }
    for (unsigned i = 4; i <= 10; ++i) {
        entries.push_back({makeKey(kQuantityBlock, i, 0), 0, 0, 0, std::to_string(i), {}});
    }
    std::sort(entries.begin(), entries.end(),
              [](const CatalogueEntry& a, const CatalogueEntry& b) { return a.key < b.key; });
    const CatalogueEntry* node = catalogue.findEntry(makeKey(1, 1, 0));
    std::size_t missingCount = 0;
    for (auto _ : state) {
        const MissingDeeds missing =
            buildMissingDeeds(catalogue, node, Deed{}, {}, kSortByItemOrder, "00010203040506");
        missingCount = missing.deeds.size();
    }
    state.counters["missing"] = static_cast<double>(missingCount);
}
BENCHMARK(BM_MissingDeedsAtTheBound)->Unit(benchmark::kMillisecond)->Iterations(3);

// A folder of its own for the exported file, removed with the file when the benchmark is done.
class ExportFolder {
public:
    ExportFolder() {
        char pattern[] = "/tmp/tessary-export-bench-XXXXXX";
        if (::mkdtemp(pattern) != nullptr) {
            folder_ = pattern;
        }
    }
    ~ExportFolder() {
        if (!folder_.empty()) {
            ::unlink(path().c_str());
            ::rmdir(folder_.c_str());
        }
    }
    ExportFolder(const ExportFolder&) = delete;
    ExportFolder& operator=(const ExportFolder&) = delete;
    std::string path() const { return folder_ + "/export.txt"; }

private:
    std::string folder_;
};

// 実行 on the shown deeds with the default items: every line built, then the file replaced.
void BM_ExportShownDeeds(benchmark::State& state) {
    const Catalogue& catalogue = builtinCatalogue();
    const std::vector<const Deed*>& rows = shownRows();
    ExportOptions options;
    for (const ExportItemRow& row : kDefaultExportItems) {
        if (row.checked) {
            options.items.push_back(row.item);
        }
    }
    options.encoding = state.range(0) != 0 ? ExportEncoding::Utf8 : ExportEncoding::Cp932;
    const ExportFolder folder;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const ExportLineBuilder builder(catalogue, options);
        const std::string text = buildExportText(builder, rows);
        if (writeExportFile(folder.path(), text).status != ExportWriteStatus::Written) {
            state.SkipWithError("export failed");
        }
        bytes = text.size();
    }
    state.counters["rows"] = static_cast<double>(rows.size());
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_ExportShownDeeds)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

// The lines alone, without the file: what the export costs before the disk has its say.
void BM_ExportShownDeedLines(benchmark::State& state) {
    const Catalogue& catalogue = builtinCatalogue();
    const std::vector<const Deed*>& rows = shownRows();
    ExportOptions options;
    for (const ExportItemRow& row : kDefaultExportItems) {
        if (row.checked) {
            options.items.push_back(row.item);
        }
    }
    for (auto _ : state) {
        const ExportLineBuilder builder(catalogue, options);
        benchmark::DoNotOptimize(buildExportText(builder, rows));
    }
}
BENCHMARK(BM_ExportShownDeedLines)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
