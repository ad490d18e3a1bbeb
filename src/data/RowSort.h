// Sorting list rows by text keys, each key built once.
//
// The lists order rows by comparing CP932 key texts. Building the two keys afresh in every
// comparison is what makes a naive sort slow, so here every row's key is built once into one
// buffer, turned into a byte string whose plain byte order is the CP932 order, and the rows are
// then sorted stably: rows with equal keys keep the order they had.
#pragma once

#include "platform/Cp932.h"
#include "platform/LargeBlocks.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace tessary {
namespace detail {

// The first eight bytes of a key from `at` as a big-endian number (missing bytes as zero), so
// that comparing the numbers compares those bytes.
inline std::uint64_t keyWord(const char* key, std::size_t length, std::size_t at) {
    if (at + 8 <= length) {
        std::uint64_t word;
        std::memcpy(&word, key + at, 8);
        if constexpr (std::endian::native == std::endian::little) {
            word = __builtin_bswap64(word);
        }
        return word;
    }
    std::uint64_t word = 0;
    for (std::size_t i = 0; i < 8; ++i) {
        word <<= 8;
        if (at + i < length) {
            word |= static_cast<unsigned char>(key[at + i]);
        }
    }
    return word;
}

// A head word as the ascending order of heads should see it.
inline std::uint64_t flipped(std::uint64_t word, bool descending) {
    return descending ? ~word : word;
}

// True when no byte of `text` is above 0x7F.
inline bool isAscii(const std::string& text) {
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        if (word & 0x8080808080808080u) {
            return false;
        }
    }
    for (; i < text.size(); ++i) {
        if (static_cast<unsigned char>(text[i]) >= 0x80) {
            return false;
        }
    }
    return true;
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
    // The keys of a million rows take tens of megabytes: they live in mapped blocks, with room
    // for every key as long as the first one (within reason) and a little more, so the buffer
    // rarely moves.
    std::basic_string<char, std::char_traits<char>, LargeArrayAllocator<char>> arena;
    std::string raw;
    std::string collated;
    std::vector<Slot, LargeArrayAllocator<Slot>> keyed;
    keyed.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        raw.clear();
        appendKey(rows[i], raw);
        const std::size_t offset = arena.size();
        if (detail::isAscii(raw)) {
            // ASCII is its own collation key.
            arena.append(raw);
        } else {
            collated.clear();
            appendCp932CollationKey(collated, raw);
            arena.append(collated);
        }
        const std::size_t length = arena.size() - offset;
        if (i == 0) {
            // A first key with a very long comment says nothing of the others.
            arena.reserve((std::min<std::size_t>(length, 256) + 8) * rows.size());
        }
        const char* key = arena.data() + offset;
        keyed.push_back({detail::keyWord(key, length, 0), detail::keyWord(key, length, 8), offset,
                         static_cast<std::uint32_t>(length), static_cast<std::uint32_t>(i)});
    }
    // The rows are ordered by the first 16 key bytes, then each run of rows whose keys agree that
    // far by the next 16 bytes, and so on: every key is read once per 16 bytes it shares with
    // another, instead of twice in every comparison. Descending order flips the bytes, and a key
    // that ends sorts before the same bytes going on (after them when descending). Equal keys keep
    // their previous order: the row's old position decides last.
    const char* base = arena.data();
    const auto byHeads = [](const Slot& a, const Slot& b) {
        if (a.head0 != b.head0) {
            return a.head0 < b.head0;
        }
        if (a.head1 != b.head1) {
            return a.head1 < b.head1;
        }
        return a.index < b.index;
    };
    struct Run {
        std::size_t begin;
        std::size_t end;
        std::size_t at; // the key bytes before `at` are equal throughout the run
    };
    std::vector<Run> runs;
    for (Slot& slot : keyed) {
        slot.head0 = detail::flipped(slot.head0, descending);
        slot.head1 = detail::flipped(slot.head1, descending);
    }
    std::sort(keyed.begin(), keyed.end(), byHeads);
    Slot* const table = keyed.data();
    const auto pushTies = [&runs, table](std::size_t begin, std::size_t end, std::size_t at) {
        for (std::size_t i = begin; i < end;) {
            std::size_t j = i + 1;
            while (j < end && table[j].head0 == table[i].head0 &&
                   table[j].head1 == table[i].head1) {
                ++j;
            }
            if (j - i > 1) {
                runs.push_back({i, j, at});
            }
            i = j;
        }
    };
    pushTies(0, keyed.size(), kHead);
    while (!runs.empty()) {
        const Run run = runs.back();
        runs.pop_back();
        Slot* const first = table + run.begin;
        Slot* const last = table + run.end;
        if (std::none_of(first, last, [&run](const Slot& s) { return s.length > run.at; })) {
            // Every key ended with the same bytes: the shorter key first.
            std::sort(first, last, [descending](const Slot& a, const Slot& b) {
                if (a.length != b.length) {
                    return descending ? a.length > b.length : a.length < b.length;
                }
                return a.index < b.index;
            });
            continue;
        }
        for (Slot* s = first; s != last; ++s) {
            const char* key = base + s->offset;
            s->head0 = detail::flipped(detail::keyWord(key, s->length, run.at), descending);
            s->head1 = detail::flipped(detail::keyWord(key, s->length, run.at + 8), descending);
        }
        std::sort(first, last, byHeads);
        pushTies(run.begin, run.end, run.at + kHead);
    }
    std::vector<Row> sorted;
    sorted.reserve(rows.size());
    for (const Slot& slot : keyed) {
        sorted.push_back(std::move(rows[slot.index]));
    }
    rows.swap(sorted);
}

} // namespace tessary
