// The built-in catalogue: four craft groups with their large-order sets, item types and
// materials, then the two qualities and the three quantities, in ascending key order.
#include "data/Catalogue.h"

#include "platform/Cp932.h"

#include <array>
#include <initializer_list>

namespace tessary {
namespace {

struct CategorySpec {
    const char* name;                         // category name; the large type adds " 大口"
    std::initializer_list<const char*> small; // small types, type 2 upwards
};

struct MaterialSpec {
    const char* name;
    unsigned red, green, blue;
};

struct GroupSpec {
    const char* name;
    std::uint8_t groupIcon;
    std::uint8_t categoryIcon;
    std::initializer_list<CategorySpec> categories;
    std::initializer_list<MaterialSpec> materials;
};

const MaterialSpec kIron{"iron ingots", 195, 203, 203};

const std::array<GroupSpec, 4> kGroups{{
    {"鍛冶（武器）",
     1,
     7,
     {
         {"bardiche", {"bardiche", "halberd"}},
         {"mace", {"mace", "maul", "war mace", "war hammer", "hammer pick", "war axe"}},
         {"cutlass", {"cutlass", "viking sword", "longsword", "scimitar", "broadsword", "katana"}},
         {"large battle axe",
          {"large battle axe", "double axe", "battle axe", "two handed axe", "axe",
           "executioner's axe"}},
         {"dagger", {"dagger", "kryss", "war fork", "short spear", "spear"}},
     },
     {kIron}},
    {"鍛冶（防具）",
     8,
     12,
     {
         {"Ringmail",
          {"ringmail gloves", "ringmail sleeves", "ringmail leggings", "ringmail tunic"}},
         {"Chainmail", {"chainmail coif", "chainmail leggings", "chainmail tunic"}},
         {"Platemail",
          {"platemail gorget", "platemail gloves", "plate helm", "platemail arms", "platemail legs",
           "platemail tunic"}},
     },
     {kIron,
      {"dull copper ingots", 170, 162, 145},
      {"shadow iron ingots", 104, 96, 112},
      {"copper ingots", 170, 153, 104},
      {"bronze ingots", 153, 120, 79},
      {"gold ingots", 186, 162, 79},
      {"agapite ingots", 178, 153, 145},
      {"verite ingots", 162, 178, 104},
      {"valorite ingots", 145, 162, 186}}},
    {"裁縫（布）",
     13,
     23,
     {
         {"tricorne hat", {"tricorne hat", "cap", "wide-brim hat", "tall straw hat"}},
         {"straw hat", {"straw hat", "tunic", "long pants", "boots"}},
         {"wizard's hat", {"wizard's hat", "body sash", "robe", "boots"}},
         {"bandana", {"bandana", "shirt", "skirt", "thigh boots"}},
         {"floppy hat", {"floppy hat", "full apron", "plain dress", "sandals"}},
         {"jester hat", {"jester hat", "jester suit", "cloak", "shoes"}},
         {"skullcap", {"skullcap", "doublet", "kilt", "shoes"}},
         {"bonnet", {"bonnet", "half apron", "fancy dress", "sandals"}},
         {"feathered hat",
          {"feathered hat", "surcoat", "fancy shirt", "short pants", "thigh boots"}},
     },
     {{"cloth", 255, 255, 255}}},
    {"裁縫（革）",
     24,
     30,
     {
         {"sandals", {"sandals", "shoes", "boots", "thigh boots"}},
         {"studded gorget",
          {"studded gorget", "studded gloves", "studded sleeves", "studded leggings",
           "studded tunic"}},
         {"bone helmet",
          {"bone helmet", "bone gloves", "bone arms", "bone leggings", "bone armor"}},
         {"leather cap",
          {"leather cap", "leather gorget", "leather gloves", "leather sleeves", "leather leggings",
           "leather tunic"}},
         {"leather skirt",
          {"leather skirt", "leather bustier", "leather shorts", "female leather armor",
           "studded bustier", "studded armor"}},
     },
     {{"normal leather", 204, 150, 113},
      {"spined leather", 141, 110, 63},
      {"horned leather", 189, 174, 142},
      {"barbed leather", 172, 141, 94}}},
}};

CatalogueEntry entry(std::uint32_t key, std::string name, unsigned partCount = 0,
                     unsigned iconIndex = 0, std::uint32_t color = 0) {
    CatalogueEntry e;
    e.key = key;
    e.partCount = static_cast<std::uint8_t>(partCount);
    e.iconIndex = static_cast<std::uint8_t>(iconIndex);
    e.color = color;
    e.name = std::move(name);
    return e;
}

} // namespace

void Catalogue::buildDefault() {
    entries_.clear();
    entries_.reserve(169);
    unsigned g = 0;
    for (const GroupSpec& group : kGroups) {
        ++g;
        entries_.push_back(entry(makeKey(g, 0, 0), utf8ToCp932(group.name), 0, group.groupIcon));
        unsigned c = 0;
        for (const CategorySpec& category : group.categories) {
            ++c;
            const auto smallCount = static_cast<unsigned>(category.small.size());
            entries_.push_back(
                entry(makeKey(g, c, 0), utf8ToCp932(category.name), 0, group.categoryIcon));
            entries_.push_back(entry(makeKey(g, c, 1),
                                     utf8ToCp932(std::string(category.name) + " 大口"), smallCount,
                                     group.categoryIcon));
            unsigned t = 1;
            for (const char* small : category.small) {
                ++t;
                entries_.push_back(
                    entry(makeKey(g, c, t), utf8ToCp932(small), 1, group.categoryIcon));
            }
        }
        unsigned m = 0;
        for (const MaterialSpec& material : group.materials) {
            ++m;
            const std::uint32_t color =
                material.red | (material.green << 8) | (material.blue << 16);
            entries_.push_back(
                entry(makeKey(g, kMaterialBlock, m), utf8ToCp932(material.name), 0, 0, color));
        }
    }
    entries_.push_back(entry(makeKey(kQualityBlock, 1, 0), utf8ToCp932("標準")));
    entries_.push_back(entry(makeKey(kQualityBlock, 2, 0), "exceptional"));
    entries_.push_back(entry(makeKey(kQuantityBlock, 1, 0), "10"));
    entries_.push_back(entry(makeKey(kQuantityBlock, 2, 0), "15"));
    entries_.push_back(entry(makeKey(kQuantityBlock, 3, 0), "20"));
}

} // namespace tessary
