// The comment field of the deed entry dialog: the history of the ten most recent comments kept
// in the settings file, and the rules for text typed or pasted into the field.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tessary {

class ProfileFile;

// The history holds up to this many comments, most recent first.
inline constexpr int kCommentHistorySize = 10;
// Typing or pasting into the comment field stops at this many CP932 bytes.
inline constexpr std::size_t kCommentTypingLimit = 40;

// "CommentValue001" for number 1, ... "CommentValue010" for number 10.
std::string commentHistoryKey(int number);

// The non-empty values of the ten history keys, in key order, as stored (CP932 bytes).
std::vector<std::string> readCommentHistory(const ProfileFile& settings);

// One key of the "Settings" section and the value to write to it.
struct CommentHistoryWrite {
    std::string key;
    std::string value;
    bool operator==(const CommentHistoryWrite&) const = default;
};

// The writes that record the accepted comment: a non-empty comment goes to the first key, then
// every entry of `shown` (the history as the field's list holds it, in its order) that differs
// from the comment follows, up to the tenth key. The accepted comment thereby moves to the front,
// a duplicate of it is dropped and the oldest entry falls out; keys after the last one written
// are left alone.
std::vector<CommentHistoryWrite> commentHistoryWrites(std::string_view accepted,
                                                      const std::vector<std::string>& shown);

// Writes `writes` to the "Settings" section with one replacement of the file. False when the
// settings file could not be written.
bool writeCommentHistory(ProfileFile& settings, const std::vector<CommentHistoryWrite>& writes);

// The length of the longest start of `cp932` that holds at most `limit` bytes and does not end
// inside a double-byte character.
std::size_t cp932PrefixWithin(std::string_view cp932, std::size_t limit);

// `utf8` made fit for a one-line comment: every line break (CR LF, CR, LF, NEL, U+2028, U+2029)
// and every tab becomes one blank, every other control character is dropped.
std::string singleLineText(std::string_view utf8);

} // namespace tessary
