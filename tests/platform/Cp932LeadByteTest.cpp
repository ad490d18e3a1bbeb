// Which bytes open a double-byte CP932 character, at the edges of both lead-byte ranges: sorting
// and the byte limit of comments both depend on it.
#include "data/CommentHistory.h"
#include "platform/Cp932.h"

#include <gtest/gtest.h>

#include <string>

namespace tessary {
namespace {

struct Edge {
    unsigned char byte;
    bool lead;
};
constexpr Edge kEdges[] = {{0x80, false}, {0x81, true}, {0x9F, true}, {0xA0, false},
                           {0xDF, false}, {0xE0, true}, {0xFC, true}, {0xFD, false}};

std::string key(std::string_view text) {
    std::string out;
    appendCp932CollationKey(out, text);
    return out;
}

int sign(int value) {
    return (value > 0) - (value < 0);
}

TEST(Cp932LeadBytes, EdgesOfBothRangesInComparisonSortKeysAndTheByteLimit) {
    for (const Edge& edge : kEdges) {
        SCOPED_TRACE(static_cast<int>(edge.byte));
        EXPECT_EQ(isCp932LeadByte(edge.byte), edge.lead);
        const std::string text = {static_cast<char>(edge.byte), '\x40', 'a'};

        // As one character (lead * 256 + trail) it sorts after every single byte, 0xFE
        // included; as a single byte of its own it sorts before 0xFE.
        const std::string fe = "\xFE";
        EXPECT_EQ(sign(compareCp932(text, fe)), edge.lead ? 1 : -1);
        EXPECT_EQ(sign(key(text).compare(key(fe))), edge.lead ? 1 : -1);

        // A double-byte character ends after its trail byte, which may look like any ASCII
        // character; a single byte is followed by a character of its own.
        const std::string sameStart = {static_cast<char>(edge.byte), '\x40', '\x7F'};
        const std::string otherTrail = {static_cast<char>(edge.byte), '\x41'};
        EXPECT_LT(compareCp932(text, sameStart), 0);
        EXPECT_LT(compareCp932(text, otherTrail), 0);
        EXPECT_LT(key(text), key(otherTrail));

        // A limit of one byte never keeps half a character.
        EXPECT_EQ(cp932PrefixWithin(text, 1), edge.lead ? 0u : 1u);
        EXPECT_EQ(cp932PrefixWithin(text, 2), 2u);
        EXPECT_EQ(cp932PrefixWithin("x" + text, 2), edge.lead ? 1u : 2u);
    }
}

} // namespace
} // namespace tessary
