#include "widgets/ColumnWidths.h"

#include "platform/DecimalText.h"
#include "platform/ProfileFile.h"

namespace tessary {
namespace {

constexpr std::size_t kDigitsPerColumn = 4;

} // namespace

std::vector<int> parseColumnWidths(std::string_view text, std::size_t columnCount,
                                   std::string_view defaultText) {
    if (text.size() != columnCount * kDigitsPerColumn) {
        text = defaultText;
    }
    std::vector<int> widths;
    widths.reserve(columnCount);
    for (std::size_t i = 0; i < columnCount; ++i) {
        const std::size_t at = i * kDigitsPerColumn;
        // A default of the wrong length (a programming slip) gives 0 for the missing pieces.
        widths.push_back(at < text.size() ? parseLeadingInt(text.substr(at, kDigitsPerColumn)) : 0);
    }
    return widths;
}

std::string formatColumnWidths(const std::vector<int>& widths) {
    std::string text;
    text.reserve(widths.size() * kDigitsPerColumn);
    for (const int width : widths) {
        appendZeroPadded(text, width, static_cast<int>(kDigitsPerColumn));
    }
    return text;
}

std::vector<int> readColumnWidths(const ProfileFile& settings, const settings::TextKey& key,
                                  std::size_t columnCount) {
    return parseColumnWidths(settings::read(settings, key), columnCount, key.defaultValue);
}

void writeColumnWidths(ProfileFile& settings, const settings::TextKey& key,
                       const std::vector<int>& widths) {
    settings::write(settings, key, formatColumnWidths(widths));
}

} // namespace tessary
