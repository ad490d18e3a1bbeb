#include "data/Deed.h"
#include "platform/LargeBlocks.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <set>
#include <vector>

namespace tessary {
namespace {

// Several blocks' worth of deeds, freed in an order that leaves holes in every block and empties
// some blocks entirely, then refilled: no deed may share memory with another or lose a field.
TEST(DeedPool, DeedsFreedAndAllocatedAcrossManyBlocksKeepTheirFields) {
    constexpr std::uint32_t kCount = 150000;
    std::vector<std::unique_ptr<Deed>> deeds;
    const auto make = [](std::uint32_t serial) {
        auto deed = std::make_unique<Deed>();
        deed->serialNumber = serial;
        deed->itemCode = serial * 7u;
        deed->comment = std::string(serial % 40, 'x'); // some comments outside the deed itself
        return deed;
    };
    for (std::uint32_t i = 0; i < kCount; ++i) {
        deeds.push_back(make(i));
    }
    // Every third deed, then a whole run in the middle (at least one block's worth).
    for (std::uint32_t i = 0; i < kCount; i += 3) {
        deeds[i].reset();
    }
    for (std::uint32_t i = 40000; i < 100000; ++i) {
        deeds[i].reset();
    }
    for (std::uint32_t i = 0; i < kCount; ++i) {
        if (!deeds[i]) {
            deeds[i] = make(kCount + i);
        }
    }
    std::set<std::uintptr_t> seen;
    for (std::uint32_t i = 0; i < kCount; ++i) {
        const Deed& d = *deeds[i];
        const std::uint32_t serial = d.serialNumber;
        ASSERT_TRUE(serial == i || serial == kCount + i) << i;
        EXPECT_EQ(d.itemCode, serial * 7u);
        EXPECT_EQ(d.comment, std::string(serial % 40, 'x'));
        const auto at = reinterpret_cast<std::uintptr_t>(&d);
        EXPECT_EQ(at % alignof(Deed), 0u);
        // No two deeds overlap: the next deed starts no earlier than this one ends.
        auto next = seen.lower_bound(at);
        ASSERT_TRUE(next == seen.end() || *next >= at + sizeof(Deed)) << i;
        if (next != seen.begin()) {
            ASSERT_LE(*std::prev(next) + sizeof(Deed), at) << i;
        }
        seen.insert(at);
    }
}

TEST(LargeBlocks, MappingsAreAlignedWritableAndZeroed) {
    for (const std::size_t bytes : {std::size_t{1}, kLargeBlockBytes, kLargeBlockBytes + 1}) {
        auto* block = static_cast<unsigned char*>(mapLargeBlocks(bytes));
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % kLargeBlockBytes, 0u);
        EXPECT_EQ(block[0], 0);
        EXPECT_EQ(block[bytes - 1], 0);
        block[bytes - 1] = 1;
        unmapLargeBlocks(block, bytes);
    }
    EXPECT_EQ(mapLargeBlocks(0), nullptr);
}

} // namespace
} // namespace tessary
