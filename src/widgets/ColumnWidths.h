// The column-width text the list views keep in the settings file: the width of every
// column in pixels, in column order, each as four zero-padded decimal digits ("%04d"), run
// together.
#pragma once

#include "resources/SettingsKeys.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tessary {

// The widths of `columnCount` columns read from `text`. A text whose length is not exactly four
// characters per column is replaced by `defaultText`; each four-character piece is read as a
// leading decimal number (a piece that starts with a non-digit gives 0).
std::vector<int> parseColumnWidths(std::string_view text, std::size_t columnCount,
                                   std::string_view defaultText);

// The widths as "%04d" pieces (a width of five digits takes five characters).
std::string formatColumnWidths(const std::vector<int>& widths);

// Reads the widths of `columnCount` columns from `key`, falling back to its default as above.
std::vector<int> readColumnWidths(const ProfileFile& settings, const settings::TextKey& key,
                                  std::size_t columnCount);

// Writes the widths to `key`.
void writeColumnWidths(ProfileFile& settings, const settings::TextKey& key,
                       const std::vector<int>& widths);

} // namespace tessary
