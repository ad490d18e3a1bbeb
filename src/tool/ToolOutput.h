// Writing the tool's text: catalogue names and comments are CP932 bytes in the core and go out as
// UTF-8 unless the user asked for CP932; file names and the tool's own ASCII words go out as they
// are.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace tessary::tool {

class TextOut {
public:
    TextOut(std::ostream& stream, bool cp932) : stream_(stream), cp932_(cp932) {}

    // A text in CP932 bytes (names, comments, lines built from them).
    TextOut& text(std::string_view cp932);
    // Bytes that are already in the output's form: file names, ASCII words, numbers.
    TextOut& raw(std::string_view bytes);
    TextOut& number(long long value);
    TextOut& endLine() { return raw("\n"); }

    bool cp932() const { return cp932_; }
    std::ostream& stream() { return stream_; }

private:
    std::ostream& stream_;
    bool cp932_;
};

// A CSV field (RFC 4180): quoted when it holds a comma, a double quote or a line break, with
// double quotes doubled.
std::string csvField(std::string_view text);

// A JSON string literal of UTF-8 text, quotes included: quote, backslash and control characters
// escaped.
std::string jsonString(std::string_view utf8);

} // namespace tessary::tool
