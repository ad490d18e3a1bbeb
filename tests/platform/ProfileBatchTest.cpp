// A batch of writes puts the file's text together in one pass; the result must be byte for byte
// the file that the same writes made one at a time would give.
#include "platform/ProfileFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace tessary {
namespace {

struct Write {
    std::string section, key, value;
};

TEST(ProfileBatch, GivesTheSameFileAsWritingOneValueAtATime) {
    test::TempDir dir;
    std::mt19937 random(7);
    const auto pick = [&random](const std::vector<std::string>& from) {
        return from[random() % from.size()];
    };
    // Spellings that match each other, duplicates, keys before any section, comments and blank
    // lines in odd places, lines without a final line end.
    const std::vector<std::string> sections = {"A",         "a",   "B",       "Catalogue",
                                               "CATALOGUE", "New", "\x83\x41"};
    const std::vector<std::string> keys = {"K", "k", "Count", "Value0001", "Value0002", "x"};
    const std::vector<std::string> fillers = {"",         "; note", "   ", "junk without equals",
                                              "K=before", "\r"};
    for (int round = 0; round < 300; ++round) {
        SCOPED_TRACE(round);
        std::string base;
        for (int line = static_cast<int>(random() % 12); line > 0; --line) {
            switch (random() % 3) {
            case 0:
                base += "[" + pick(sections) + "]";
                break;
            case 1:
                base += pick(keys) + " = v" + std::to_string(random() % 100);
                break;
            default:
                base += pick(fillers);
                break;
            }
            base += random() % 4 == 0 ? "\n" : "\r\n";
        }
        if (random() % 3 == 0 && !base.empty()) {
            base.pop_back();
        }
        std::vector<Write> writes;
        for (int w = 1 + static_cast<int>(random() % 8); w > 0; --w) {
            writes.push_back({pick(sections), pick(keys),
                              random() % 5 == 0 ? " spaced\n" : "w" + std::to_string(w)});
        }

        dir.write("single.ini", base);
        dir.write("batch.ini", base);
        ProfileFile single(dir.file("single.ini"));
        ProfileFile batch(dir.file("batch.ini"));
        batch.beginBatch();
        for (std::size_t i = 0; i < writes.size(); ++i) {
            const Write& w = writes[i];
            ASSERT_TRUE(single.writeString(w.section, w.key, w.value));
            ASSERT_TRUE(batch.writeString(w.section, w.key, w.value));
            // A read in the middle of a batch sees the writes so far.
            if (i == writes.size() / 2) {
                EXPECT_EQ(batch.readString(w.section, w.key, "-"),
                          single.readString(w.section, w.key, "-"));
            }
        }
        ASSERT_TRUE(batch.endBatch());
        EXPECT_EQ(dir.read("batch.ini"), dir.read("single.ini")) << "base:\n" << base;
    }
}

} // namespace
} // namespace tessary
