// Renaming the catalogue: the working copy the naming dialog edits, the rows it lists for each
// item kind, the check of a new name, and the catalogue that replaces the one in force when the
// user confirms.
//
// The working copy always holds the 169 built-in entries with their built-in numbers; each
// entry's `defaultName` is the built-in name and `name` the name in force. Confirming therefore
// gives a catalogue of exactly the built-in keys, numbers, images and colours with the user's
// names, whatever a hand-edited settings file held before.
#pragma once

#include "data/Catalogue.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessary {

// The item kinds the naming dialog offers, in the order of its drop-down list. Quantities are
// never renamed.
enum class NamingKind : int {
    Group = 0,
    Category = 1,
    Type = 2,
    Material = 3,
    Quality = 4,
};
inline constexpr int kNamingKindCount = 5;

// True when the entry with `key` is listed under `kind`.
bool isNamingKind(NamingKind kind, std::uint32_t key);

// Columns of the names list for `kind`: name and initial name, and for categories, types and
// materials a third column with the initial name of the owning group (or, for types, category).
int namingColumnCount(NamingKind kind);

// One row of the names list: the working entry's position and the column texts, each beginning
// with one space.
struct NamingRow {
    std::size_t entry = 0;
    std::array<std::string, 3> texts; // the third is empty for kinds with two columns
};

// The working copy for `current`: the built-in table, with every entry's name taken from the
// entry of the same key in `current`. Nothing when `current` lacks a built-in key (an empty or
// unusable catalogue): the dialog then closes at once.
std::optional<Catalogue> buildNamingCopy(const Catalogue& current);

// The rows of `kind` in key order.
std::vector<NamingRow> namingRows(const Catalogue& working, NamingKind kind);

// The text column 0 shows for a working entry.
std::string namingCellText(const CatalogueEntry& entry);

// Sets every working entry's name back to its initial name (all kinds).
void resetNames(Catalogue& working);

// Outcome of checking a typed name.
enum class NameCheck {
    Ok,
    Empty,          // nothing left after trimming
    TooLong,        // more than kMaxNameBytes CP932 bytes
    Unrepresentable // a character CP932 cannot hold, or a control character
};
inline constexpr std::size_t kMaxNameBytes = 40;

struct NameCheckResult {
    NameCheck check = NameCheck::Empty;
    std::string name; // the trimmed name in CP932 when check is Ok
};

// Checks a name typed in the names list (UTF-8): white space (ASCII blanks, the ideographic space
// and the no-break space) is removed at both ends, then the rest must be non-empty, hold only
// characters CP932 represents and no control characters, and take at most 40 CP932 bytes.
NameCheckResult checkNewName(std::string_view typedUtf8);

// The catalogue the document takes on confirmation: every working entry's key, part count, image,
// colour and name (not its initial name), in order.
Catalogue renamedCatalogue(const Catalogue& working);

} // namespace tessary
