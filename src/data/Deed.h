// One registered bulk order deed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace tessary {

struct Deed {
    // group bits 24-31, category 16-23, type 8-15, material 0-7.
    std::uint32_t itemCode = 0;
    // quality bits 24-31, quantity 16-23; bits 0-15 are always 0.
    std::uint32_t orderCode = 0;
    // Small deed: items combined so far. Large deed: bit 15 = type 2 combined, ... bit 10 = type 7.
    std::uint16_t combined = 0;
    // Registration number (登録番号), handed out by the document.
    std::uint32_t serialNumber = 0;
    // Free comment (備考), CP932 bytes, any length.
    std::string comment;
    // Derived from the catalogue, never stored: the item type's image and the material's colour.
    std::uint8_t iconIndex = 0;
    std::uint32_t materialColor = 0;

    int group() const { return static_cast<int>((itemCode >> 24) & 0xFF); }
    int category() const { return static_cast<int>((itemCode >> 16) & 0xFF); }
    int type() const { return static_cast<int>((itemCode >> 8) & 0xFF); }
    int material() const { return static_cast<int>(itemCode & 0xFF); }
    int quality() const { return static_cast<int>((orderCode >> 24) & 0xFF); }
    int quantity() const { return static_cast<int>((orderCode >> 16) & 0xFF); }

    // A large deed (大口) is item type 1 of its set.
    bool isLarge() const { return type() == 1; }

    // Small deed: `combined`. Large deed: number of set bits among bits 15 to 10.
    unsigned combinedCount() const;

    static std::uint32_t makeItemCode(int group, int category, int type, int material);
    static std::uint32_t makeOrderCode(int quality, int quantity);

    // Deeds are allocated from blocks of their own (DeedPool.cpp): a file of a million deeds is
    // read without a million calls to the general allocator and a page fault every 70 deeds.
    static void* operator new(std::size_t size);
    static void operator delete(void* deed, std::size_t size) noexcept;

    // The five stored fields are equal (the derived ones are ignored).
    bool sameStoredFields(const Deed& other) const {
        return itemCode == other.itemCode && orderCode == other.orderCode &&
               combined == other.combined && serialNumber == other.serialNumber &&
               comment == other.comment;
    }
};

} // namespace tessary
