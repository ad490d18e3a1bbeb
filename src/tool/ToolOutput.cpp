#include "tool/ToolOutput.h"

#include "platform/Cp932.h"

#include <cstdio>

namespace tessary::tool {

TextOut& TextOut::text(std::string_view cp932) {
    if (cp932_) {
        stream_ << cp932;
    } else {
        stream_ << cp932ToUtf8(cp932);
    }
    return *this;
}

TextOut& TextOut::raw(std::string_view bytes) {
    stream_ << bytes;
    return *this;
}

TextOut& TextOut::number(long long value) {
    stream_ << value;
    return *this;
}

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
    return out;
}

std::string jsonString(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

} // namespace tessary::tool
