// The catalogue in force: every entry in strictly ascending key order, with the lookups the
// views, dialogs and counters use. Lookups never fail loudly: an absent entry gives an empty
// name, colour 0, part count 0 or image 0.
#pragma once

#include "data/CatalogueEntry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tessary {

struct Deed;

// Kinds of name for nameOf and colorOf.
enum NameKind : int {
    kNameGroup = 0,
    kNameCategory = 1,
    kNameType = 2,
    kNameMaterial = 3,
    kNameQuality = 4,
    kNameQuantity = 5,
};
// Every kind of name, in the order of their numbers.
inline constexpr NameKind kNameKinds[] = {kNameGroup,    kNameCategory, kNameType,
                                          kNameMaterial, kNameQuality,  kNameQuantity};

// Kinds of drop-down list filling for fillCombo.
enum ComboKind : int {
    kComboGroups = 1,
    kComboCategories = 2,
    kComboTypes = 3,
    kComboMaterials = 4,
    kComboQualities = 5,
    kComboQuantities = 6,
    kComboCombineCounts = 7,
};

// The largest combine count a small deed can hold.
inline constexpr int kMaxCombineCount = 65535;

// One choice of a drop-down list: its text (CP932) and its item data.
struct ComboChoice {
    std::string text;
    int data = 0;
    bool operator==(const ComboChoice&) const = default;
};

class Catalogue {
public:
    std::vector<CatalogueEntry>& entries() { return entries_; }
    const std::vector<CatalogueEntry>& entries() const { return entries_; }
    bool empty() const { return entries_.empty(); }
    std::size_t size() const { return entries_.size(); }

    // Replaces every entry with the 169 built-in entries.
    void buildDefault();

    // Bisection search by key.
    const CatalogueEntry* findEntry(std::uint32_t key) const;

    // Name of the chosen entry, or empty text. Indices not used by a kind are ignored.
    std::string nameOf(NameKind kind, int group, int category, int type, int material, int quality,
                       int quantity) const;
    std::string nameOf(NameKind kind, const Deed& deed) const;

    std::uint32_t colorOf(NameKind kind, int group, int category, int type, int material,
                          int quality, int quantity) const;
    std::uint32_t colorOf(NameKind kind, const Deed& deed) const;

    int partCountOf(int group, int category, int type) const;
    int partCountOf(const Deed& deed) const;

    int iconIndexOf(int group, int category, int type) const;

    // Numeric value of quantity entry `quantity` (its name read as a decimal number).
    int quantityNumber(int quantity) const;

    // Fills `choices` (emptied first) for a drop-down list and returns the count the list's
    // filling reports (for kind 3 of the cloth sets, the count before the footwear is removed).
    int fillCombo(std::vector<ComboChoice>& choices, ComboKind kind, int a = 0, int b = 0,
                  int c = 0) const;

    // The key each name kind builds; 0 for an unknown kind.
    static std::uint32_t keyFor(NameKind kind, int group, int category, int type, int material,
                                int quality, int quantity);

private:
    std::vector<CatalogueEntry> entries_;
};

} // namespace tessary
