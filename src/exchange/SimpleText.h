// The simple text (簡易テキスト) of a deed: the names of its type, material, quality and quantity
// in the order the user chose, joined by "/", as CP932 bytes for the clipboard.
#pragma once

#include <string>
#include <string_view>

namespace tessary {

class Catalogue;
struct Deed;

// The stored order when it has exactly eight characters, otherwise the default of
// settings::kSimpleTextOrder: four two-digit item numbers, 00 type, 01 material, 02 quality,
// 03 quantity.
std::string_view effectiveSimpleTextOrder(std::string_view stored);

// The one-line text of `deed`: for each two-digit item number of `order` from the left, the
// current name of that piece followed by "/" (numbers other than 0 to 3 add nothing), without
// the final byte. The quantity piece is the quantity's name, never multiplied by the part count.
// An order of the wrong length is replaced by the default.
std::string buildSimpleText(const Deed& deed, const Catalogue& catalogue, std::string_view order);

} // namespace tessary
