// Deeds and deed files for the tests: the one builder of deed file images, written by the core's
// writer (whose bytes the deed file tests check against literal bytes).
#pragma once

#include "data/Deed.h"
#include "data/DeedFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tessary::test {

// A deed of the given indices, registration number and comment.
inline Deed makeDeed(int group, int category, int type, int material, int quality, int quantity,
                     std::uint32_t serial = 0, std::string comment = {}) {
    Deed d;
    d.itemCode = Deed::makeItemCode(group, category, type, material);
    d.orderCode = Deed::makeOrderCode(quality, quantity);
    d.serialNumber = serial;
    d.comment = std::move(comment);
    return d;
}

// The deed file holding `deeds` as they are.
inline std::string deedFileOf(const std::vector<Deed>& deeds) {
    std::string out;
    appendDeedCount(out, static_cast<std::int32_t>(deeds.size()));
    for (const Deed& d : deeds) {
        appendDeedRecord(out, d);
    }
    return out;
}

// The deed file holding `deeds` numbered 1, 2, ... in their order.
inline std::string numberedDeedFileOf(std::vector<Deed> deeds) {
    std::uint32_t serial = 0;
    for (Deed& d : deeds) {
        d.serialNumber = ++serial;
    }
    return deedFileOf(deeds);
}

} // namespace tessary::test
