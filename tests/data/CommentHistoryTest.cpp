#include "data/CommentHistory.h"
#include "platform/ProfileFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

using test::TempDir;
using Writes = std::vector<CommentHistoryWrite>;

std::vector<std::string> letters(const char* from, int count) {
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i) {
        out.push_back(std::string(1, static_cast<char>(from[0] + i)));
    }
    return out;
}

TEST(CommentHistory, AcceptedCommentMovesToTheFrontAndItsDuplicateIsDropped) {
    EXPECT_EQ(
        commentHistoryWrites("X", {"A", "X", "B"}),
        (Writes{{"CommentValue001", "X"}, {"CommentValue002", "A"}, {"CommentValue003", "B"}}));
    // A new comment pushes the others down.
    EXPECT_EQ(
        commentHistoryWrites("N", {"A", "B"}),
        (Writes{{"CommentValue001", "N"}, {"CommentValue002", "A"}, {"CommentValue003", "B"}}));
    // An empty comment is not recorded; the list is written back from the first key.
    EXPECT_EQ(commentHistoryWrites("", {"A", "B"}),
              (Writes{{"CommentValue001", "A"}, {"CommentValue002", "B"}}));
    EXPECT_TRUE(commentHistoryWrites("", {}).empty());
    // The comparison is by bytes: a comment that differs in one trail byte is another comment.
    EXPECT_EQ(commentHistoryWrites("\x83\x65", {"\x83\x66"}),
              (Writes{{"CommentValue001", "\x83\x65"}, {"CommentValue002", "\x83\x66"}}));
}

TEST(CommentHistory, AFullHistoryDropsItsOldestEntryButNotWhenTheCommentWasInIt) {
    const std::vector<std::string> full = letters("A", 10); // A .. J
    Writes writes = commentHistoryWrites("new", full);
    ASSERT_EQ(writes.size(), 10u);
    EXPECT_EQ(writes.front(), (CommentHistoryWrite{"CommentValue001", "new"}));
    EXPECT_EQ(writes.back(), (CommentHistoryWrite{"CommentValue010", "I"}));

    // The last entry accepted again: it moves to the front and nothing falls out.
    writes = commentHistoryWrites("J", full);
    ASSERT_EQ(writes.size(), 10u);
    EXPECT_EQ(writes[0].value, "J");
    EXPECT_EQ(writes[1].value, "A");
    EXPECT_EQ(writes[9], (CommentHistoryWrite{"CommentValue010", "I"}));
}

TEST(CommentHistory, ReadsNonEmptyKeysInOrderAndRewritesOnlyTheWrittenKeys) {
    TempDir dir;
    dir.write("Tessary.ini", "[Layout]\r\nSplitter=0150\r\n"
                             "[Settings]\r\nCommentValue001=A\r\nCommentValue002=X\r\n"
                             "CommentValue003=B\r\ncommentvalue005=\r\nOther=1\r\n");
    ProfileFile settings(dir.file("Tessary.ini"));
    const std::vector<std::string> history = readCommentHistory(settings);
    EXPECT_EQ(history, (std::vector<std::string>{"A", "X", "B"}));

    ASSERT_TRUE(writeCommentHistory(settings, commentHistoryWrites("X", history)));
    EXPECT_EQ(dir.read("Tessary.ini"), "[Layout]\r\nSplitter=0150\r\n"
                                       "[Settings]\r\nCommentValue001=X\r\nCommentValue002=A\r\n"
                                       "CommentValue003=B\r\ncommentvalue005=\r\nOther=1\r\n");
    EXPECT_EQ(readCommentHistory(settings), (std::vector<std::string>{"X", "A", "B"}));
}

TEST(CommentHistory, TypingLimitCutsAtACharacterBoundary) {
    // "あい" in CP932: two double-byte characters.
    const std::string ai = "\x82\xa0\x82\xa2";
    EXPECT_EQ(cp932PrefixWithin(ai, 4), 4u);
    EXPECT_EQ(cp932PrefixWithin(ai, 3), 2u);
    EXPECT_EQ(cp932PrefixWithin(ai, 1), 0u);
    EXPECT_EQ(cp932PrefixWithin("a" + ai, 2), 1u);
    EXPECT_EQ(cp932PrefixWithin("abc", 0), 0u);
    EXPECT_EQ(cp932PrefixWithin("abc", 40), 3u);
    // Half-width katakana are single bytes; a lead byte at the very end counts as one byte.
    EXPECT_EQ(cp932PrefixWithin("\xb1\xb2\xb3", 2), 2u);
    EXPECT_EQ(cp932PrefixWithin("ab\x82", 3), 3u);
}

TEST(CommentHistory, PastedLineBreaksAndControlCharactersNeverReachAComment) {
    EXPECT_EQ(singleLineText("one\r\ntwo\rthree\nfour\tfive"), "one two three four five");
    EXPECT_EQ(singleLineText(std::string("a\x00"
                                         "b\x01\x1b\x7f"
                                         "c",
                                         8)),
              "abc");
    // NEL and the other C1 controls, the line and paragraph separators.
    EXPECT_EQ(singleLineText("a\xc2\x85"
                             "b\xc2\x9b"
                             "c\xe2\x80\xa8"
                             "d\xe2\x80\xa9"
                             "e"),
              "a bc d e");
    // Ordinary text, Japanese and the other characters near the controls are kept.
    EXPECT_EQ(singleLineText("鉄\xc2\xa0\xe2\x80\xa6 ok"), "鉄\xc2\xa0\xe2\x80\xa6 ok");
}

} // namespace
} // namespace tessary
