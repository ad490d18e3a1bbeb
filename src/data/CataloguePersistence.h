// The catalogue in the settings file: section "ConstantValues", "Count" and one "Value%04d" per
// entry holding its numbers and name.
#pragma once

#include "data/Catalogue.h"

#include <optional>
#include <string>
#include <string_view>

namespace tessary {

class ProfileFile;

// Eight three-digit fields (key bytes 3, 2, 1, part count, image, red, green, blue), then the name.
std::string toProfileString(const CatalogueEntry& entry);

// The entry a settings value describes, or nothing when it is shorter than 25 bytes or a key
// byte is above 125.
std::optional<CatalogueEntry> fromProfileString(std::string_view text);

// Loads the catalogue from the settings: with no "Count" (or 0) the built-in table is used and
// written; a malformed or unordered value leaves the catalogue empty and writes nothing.
void loadCatalogue(ProfileFile& settings, Catalogue& catalogue);

// Writes "Count" and every value, in one replacement of the file. False when it failed.
bool saveCatalogue(ProfileFile& settings, const Catalogue& catalogue);

} // namespace tessary
