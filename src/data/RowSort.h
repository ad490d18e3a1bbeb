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
namespace detail {

// The first eight bytes of a key from `at` as a big-endian number (missing bytes as zero), so
// that comparing the numbers compares those bytes. Keys hold no zero bytes, so the padding
// sorts a shorter key first, as the byte order does.
inline std::uint64_t keyWord(const char* key, std::size_t length, std::size_t at) {
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        word <<= 8;
        if (at + i < length) {
            word |= static_cast<unsigned char>(key[at + i]);
        }
    }
    return word;
}

} // namespace detail

// `appendKey(row, out)` appends the row's key text to `out`.
template <class Row, class AppendKey>
void sortRowsByKey(std::vector<Row>& rows, AppendKey&& appendKey, bool descending) {
    // Each slot carries the first 16 bytes of its key, which decide most comparisons without
    // reading the key buffer; only keys equal that far are compared in the buffer.
    struct Slot {
        std::uint64_t head0;
        std::uint64_t head1;
        std::uint64_t offset;
        std::uint32_t length;
        std::uint32_t index;
    };
    constexpr std::size_t kHead = 16;
    std::string arena;
    std::string raw;
    std::vector<Slot> keyed;
    keyed.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        raw.clear();
        appendKey(rows[i], raw);
        const std::size_t offset = arena.size();
        appendCp932CollationKey(arena, raw);
        const std::size_t length = arena.size() - offset;
        const char* key = arena.data() + offset;
        keyed.push_back({detail::keyWord(key, length, 0), detail::keyWord(key, length, 8), offset,
                         static_cast<std::uint32_t>(length), static_cast<std::uint32_t>(i)});
    }
    const char* base = arena.data();
    const auto compare = [base](const Slot& a, const Slot& b) -> int {
        if (a.head0 != b.head0) {
            return a.head0 < b.head0 ? -1 : 1;
        }
        if (a.head1 != b.head1) {
            return a.head1 < b.head1 ? -1 : 1;
        }
        if (a.length > kHead && b.length > kHead) {
            const std::uint32_t n = std::min(a.length, b.length) - kHead;
            if (const int c = std::memcmp(base + a.offset + kHead, base + b.offset + kHead, n)) {
                return c;
            }
        }
        return a.length == b.length ? 0 : a.length < b.length ? -1 : 1;
    };
    // Equal keys keep their previous order: the row's old position decides last.
    std::sort(keyed.begin(), keyed.end(), [&compare, descending](const Slot& a, const Slot& b) {
        const int c = compare(a, b);
        if (c != 0) {
            return descending ? c > 0 : c < 0;
        }
        return a.index < b.index;
    });
    std::vector<Row> sorted;
    sorted.reserve(rows.size());
    for (const Slot& slot : keyed) {
        sorted.push_back(std::move(rows[slot.index]));
    }
    rows.swap(sorted);
}

} // namespace tessary
