// Only small leather footwear deeds count toward the cloth orders.
#include "content/DeedDocument.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

int clothSlotsFilled(const DeedDocument& doc) {
    int filled = 0;
    for (const ConditionRow& r : doc.conditionRows()) {
        if (r.group() == 3) {
            filled += r.filled;
        }
    }
    return filled;
}

TEST(FootwearCrossCount, NoOtherDeedCountsTowardTheClothOrders) {
    DeedDocument doc;
    doc.catalogue().buildDefault();
    const auto add = [&doc](int group, int category, int type, int material) {
        auto d = std::make_unique<Deed>();
        d->itemCode = Deed::makeItemCode(group, category, type, material);
        d->orderCode = Deed::makeOrderCode(1, 1);
        doc.registerDeed(std::move(d));
    };
    // Leather deeds of every other category, with the small types that cross in category 1,
    // and the first category of the two smithing groups.
    for (int category = 2; category <= 5; ++category) {
        for (int type = 1; type <= 5; ++type) {
            add(4, category, type, 1);
        }
    }
    for (const int group : {1, 2}) {
        for (int type = 2; type <= 5; ++type) {
            add(group, 1, type, 1);
        }
    }
    doc.buildConditionRows();
    EXPECT_EQ(clothSlotsFilled(doc), 0);

    // A leather sandal does cross, into the cloth categories 5 and 8.
    add(4, 1, 2, 1);
    doc.buildConditionRows();
    EXPECT_EQ(clothSlotsFilled(doc), 2);
}

} // namespace
} // namespace tessary
