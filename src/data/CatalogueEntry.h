// One entry of the catalogue: a group, category, item type, material, quality or quantity.
#pragma once

#include <cstdint>
#include <string>

namespace tessary {

struct CatalogueEntry {
    // Packed identity: byte 3 is the most significant byte, byte 0 is always 0.
    //   group     (g, 0, 0, 0)        category (g, c, 0, 0)     item type (g, c, t, 0)
    //   material  (g, 121, m, 0)      quality  (121, q, 0, 0)   quantity  (122, n, 0, 0)
    std::uint32_t key = 0;
    // Large-order type: number of small types in its set; small type: 1; anything else: 0.
    std::uint8_t partCount = 0;
    // Index into the 16x16 image strip (groups, categories and types only).
    std::uint8_t iconIndex = 0;
    // Swatch colour of a material, 0x00BBGGRR.
    std::uint32_t color = 0;
    // Display name in CP932 (built-in or customised).
    std::string name;
    // Built-in name, kept only in the working copy of the naming dialog.
    std::string defaultName;

    std::uint8_t byte3() const { return static_cast<std::uint8_t>(key >> 24); }
    std::uint8_t byte2() const { return static_cast<std::uint8_t>(key >> 16); }
    std::uint8_t byte1() const { return static_cast<std::uint8_t>(key >> 8); }

    // The bytes by what they hold in a group, category or item type entry.
    std::uint8_t group() const { return byte3(); }
    std::uint8_t category() const { return byte2(); }
    std::uint8_t type() const { return byte1(); }
    // In a material entry (byte 2 is kMaterialBlock): the material's number.
    std::uint8_t material() const { return byte1(); }
    // In a quality or quantity entry (byte 3 is kQualityBlock or kQuantityBlock): its number.
    std::uint8_t quality() const { return byte2(); }
    std::uint8_t quantity() const { return byte2(); }
};

// Markers in the packed keys.
inline constexpr int kMaxGroupOrCategory = 120;
inline constexpr int kMaterialBlock = 121; // byte 2 of a group's material entries
inline constexpr int kQualityBlock = 121;  // byte 3 of the quality entries
inline constexpr int kQuantityBlock = 122; // byte 3 of the quantity entries

constexpr std::uint32_t makeKey(unsigned byte3, unsigned byte2, unsigned byte1) {
    return ((byte3 & 0xFFu) << 24) | ((byte2 & 0xFFu) << 16) | ((byte1 & 0xFFu) << 8);
}

} // namespace tessary
