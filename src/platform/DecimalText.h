// Small helpers for the decimal numbers that settings values and sort keys are made of.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tessary {

// Reads a decimal integer the way the C library's atoi does: leading blanks skipped, an optional
// sign, then digits up to the first non-digit; no digits gives 0. Values beyond the int range are
// clamped instead of overflowing.
int parseLeadingInt(std::string_view text);

// Appends `value` in decimal, padded with leading zeros to at least `width` digits, exactly as
// printf("%0*d") does: a negative value takes a minus sign and width - 1 digits.
void appendZeroPadded(std::string& out, std::int64_t value, int width);

} // namespace tessary
