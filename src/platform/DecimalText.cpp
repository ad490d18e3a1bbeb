#include "platform/DecimalText.h"

#include <climits>
#include <cstdint>

namespace tessary {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

int parseLeadingInt(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // The magnitude stops growing once it is past every int, so it never overflows however many
    // digits follow.
    constexpr std::int64_t kLimit = static_cast<std::int64_t>(INT_MAX) + 1;
    std::int64_t magnitude = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        if (magnitude <= kLimit) {
            magnitude = magnitude * 10 + (text[i] - '0');
        }
        ++i;
    }
    if (negative) {
        return magnitude >= kLimit ? INT_MIN : static_cast<int>(-magnitude);
    }
    return magnitude >= kLimit ? INT_MAX : static_cast<int>(magnitude);
}

void appendZeroPadded(std::string& out, std::int64_t value, int width) {
    // The magnitude is taken as unsigned so that the most negative value has one too.
    const bool negative = value < 0;
    std::uint64_t magnitude = negative ? std::uint64_t{0} - static_cast<std::uint64_t>(value)
                                       : static_cast<std::uint64_t>(value);
    char digits[20];
    char* const end = digits + sizeof digits;
    char* p = end;
    do {
        *--p = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    const std::size_t digitCount = static_cast<std::size_t>(end - p);
    const std::size_t textLength = digitCount + (negative ? 1 : 0);

    if (width < 0) {
        // A negative field width means a left-justified field, where printf ignores the zero flag
        // and pads with blanks on the right.
        const std::size_t field = static_cast<std::size_t>(-static_cast<std::int64_t>(width));
        if (negative) {
            out.push_back('-');
        }
        out.append(p, digitCount);
        if (field > textLength) {
            out.append(field - textLength, ' ');
        }
        return;
    }
    if (negative) {
        out.push_back('-');
    }
    const std::size_t field = static_cast<std::size_t>(width);
    if (field > textLength) {
        out.append(field - textLength, '0');
    }
    out.append(p, digitCount);
}

} // namespace tessary
