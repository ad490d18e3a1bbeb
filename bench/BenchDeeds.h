// The collection of deeds both benchmark programs work on: valid items of every group of the
// built-in catalogue, drawn from a seeded generator, as a deed file image.
#pragma once

#include "data/Catalogue.h"
#include "data/Deed.h"
#include "data/DeedFile.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace tessary::bench {

enum class BenchComments {
    Trade,  // a third of the deeds say "trade"; no combine counts
    Varied, // a third carry one to three words, some Japanese; combine counts set
};

// The deed file image of `count` deeds numbered 1 to `count`.
inline std::string benchDeedFile(int count, std::uint32_t seed, BenchComments comments) {
    Catalogue catalogue;
    catalogue.buildDefault();
    std::vector<std::uint32_t> typeKeys;
    for (const CatalogueEntry& e : catalogue.entries()) {
        if (e.group() <= 4 && e.category() >= 1 && e.category() <= 120 && e.type() >= 1) {
            typeKeys.push_back(e.key);
        }
    }
    const int materials[] = {0, 1, 9, 1, 4};
    const char* words[] = {"sell", "keep", "\x82\xa0\x82\xa2", "trade", "\xb1\xb2", "guild"};
    std::mt19937 random(seed);
    std::string out;
    appendDeedCount(out, count);
    for (int i = 0; i < count; ++i) {
        const std::uint32_t key = typeKeys[random() % typeKeys.size()];
        Deed d;
        d.itemCode = key | static_cast<std::uint32_t>(1 + random() % materials[key >> 24]);
        d.orderCode = Deed::makeOrderCode(1 + static_cast<int>(random() % 2),
                                          1 + static_cast<int>(random() % 3));
        if (comments == BenchComments::Varied) {
            d.combined = d.isLarge() ? static_cast<std::uint16_t>((random() % 64) << 10)
                                     : static_cast<std::uint16_t>(random() % 11);
        }
        d.serialNumber = static_cast<std::uint32_t>(i + 1);
        if (random() % 3 == 0) {
            if (comments == BenchComments::Trade) {
                d.comment = "trade";
            } else {
                for (unsigned n = 1 + random() % 3; n > 0; --n) {
                    d.comment += words[random() % 6];
                    d.comment += ' ';
                }
            }
        }
        appendDeedRecord(out, d);
    }
    return out;
}

} // namespace tessary::bench
