// Reading what the tool is given: deed files as Tessary reads them, the catalogue of a settings
// file, and a tree node chosen by number.
#pragma once

#include "data/Catalogue.h"

#include <cstddef>
#include <optional>
#include <string>

namespace tessary {
class DeedDocument;
struct CatalogueEntry;
} // namespace tessary

namespace tessary::tool {

// Reads the deed file at `path` into `doc` as Tessary opens it, or, given `appendTo` (the path
// the document was opened from), as its append-load does: registration numbers handed out after
// the document's highest, and nothing appended when `path` names that same file. A file of
// 0 bytes holds no deeds. Throws RefusedInput when the file cannot be read or ends before the
// deeds its count announces. Returns the number of bytes after the last deed, which Tessary
// reads past without a word.
std::size_t readDeedFile(const std::string& path, DeedDocument& doc,
                         const std::string* appendTo = nullptr);

// The catalogue in force: the built-in one, or the one of the settings file `settingsPath`
// exactly as Tessary loads it at start-up, except that the settings file is never written.
// Throws RefusedInput for a settings file that cannot be read or whose stored catalogue is
// malformed (Tessary would run with an empty one).
void loadCatalogue(const std::optional<std::string>& settingsPath, Catalogue& catalogue);

// The tree node of `--group` and `--category`: the group entry, or the category entry when a
// category is given; none when neither is given. Throws UsageError when the catalogue lacks it.
const CatalogueEntry* chooseNode(const Catalogue& catalogue,
                                 const std::optional<std::string>& group,
                                 const std::optional<std::string>& category);

} // namespace tessary::tool
