// Conversion and comparison of Windows code page 932 (Shift-JIS) text.
//
// The core keeps every name, comment and settings value as CP932 bytes in std::string. These
// helpers convert at the edges (UTF-8 for the user interface, UTF-16LE for the wide comment form
// of the deed file) and compare CP932 text the way the list sorts and the settings order test
// expect. None of them throws or crashes on invalid input.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tessary {

// UTF-8 to CP932. A character CP932 cannot hold, or an invalid UTF-8 sequence, becomes '?'.
std::string utf8ToCp932(std::string_view utf8);

// UTF-8 to CP932 without any replacement: nothing when the text holds a character CP932 cannot
// represent or is not valid UTF-8. Used where a mangled text must not be stored (new names).
std::optional<std::string> utf8ToCp932Exact(std::string_view utf8);

// CP932 to UTF-8. A byte sequence that is not valid CP932 becomes U+FFFD, one per bad byte.
std::string cp932ToUtf8(std::string_view cp932);

// UTF-16 little-endian bytes to CP932. An odd trailing byte is dropped; an unpaired surrogate or
// a character CP932 cannot hold becomes '?'.
std::string utf16leToCp932(std::string_view utf16leBytes);

// True for the bytes that open a double-byte CP932 character (0x81-0x9F, 0xE0-0xFC).
constexpr bool isCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Length of a CP932 text in bytes (the unit of every length limit).
inline std::size_t cp932ByteLength(std::string_view text) {
    return text.size();
}

// Compares two CP932 texts character by character: a double-byte character counts as
// lead * 256 + trail, a single byte as its value; a lead byte at the very end counts as a single
// byte. A text that is a prefix of the other is smaller. Returns <0, 0 or >0.
int compareCp932(std::string_view a, std::string_view b);

// Appends to `out` a byte string whose plain byte order (memcmp, shorter prefix first) equals the
// order compareCp932 gives. ASCII bytes are copied as they are, so a pure ASCII text maps to
// itself; this lets a sort build each key once and compare with memcmp.
void appendCp932CollationKey(std::string& out, std::string_view cp932);

} // namespace tessary
