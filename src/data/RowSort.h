// Sorting list rows by text keys, each key built once.
//
// The lists order rows by comparing CP932 key texts. Building the two keys afresh in every
// comparison is what makes a naive sort slow, so here every row's key is built once into one
// buffer, turned into a byte string whose plain byte order is the CP932 order, and the rows are
// then sorted stably: rows with equal keys keep the order they had.
#pragma once

#include "platform/Cp932.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace tessary {

// `appendKey(row, out)` appends the row's key text to `out`.
template <class Row, class AppendKey>
void sortRowsByKey(std::vector<Row>& rows, AppendKey&& appendKey, bool descending) {
    struct Slot {
        std::uint64_t offset;
        std::uint32_t length;
        std::uint32_t index;
    };
    std::string arena;
    std::string raw;
    std::vector<Slot> slots;
    slots.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        raw.clear();
        appendKey(rows[i], raw);
        const std::size_t offset = arena.size();
        appendCp932CollationKey(arena, raw);
        slots.push_back({offset, static_cast<std::uint32_t>(arena.size() - offset),
                         static_cast<std::uint32_t>(i)});
    }
    const char* base = arena.data();
    const auto less = [base](const Slot& a, const Slot& b) {
        const std::uint32_t n = std::min(a.length, b.length);
        const int c = n == 0 ? 0 : std::memcmp(base + a.offset, base + b.offset, n);
        return c != 0 ? c < 0 : a.length < b.length;
    };
    if (descending) {
        std::stable_sort(slots.begin(), slots.end(),
                         [&less](const Slot& a, const Slot& b) { return less(b, a); });
    } else {
        std::stable_sort(slots.begin(), slots.end(), less);
    }
    std::vector<Row> sorted;
    sorted.reserve(rows.size());
    for (const Slot& slot : slots) {
        sorted.push_back(std::move(rows[slot.index]));
    }
    rows.swap(sorted);
}

} // namespace tessary
