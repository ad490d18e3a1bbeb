#include "data/CataloguePersistence.h"

#include "platform/Cp932.h"
#include "platform/DecimalText.h"
#include "platform/ProfileFile.h"
#include "resources/SettingsKeys.h"

namespace tessary {
namespace {

constexpr int kMaxStoredKeyByte = 125;

unsigned lowByte(std::string_view text, std::size_t at) {
    return static_cast<unsigned>(parseLeadingInt(text.substr(at, 3))) & 0xFFu;
}

} // namespace

std::string toProfileString(const CatalogueEntry& e) {
    std::string out;
    out.reserve(24 + e.name.size());
    for (const unsigned v : {static_cast<unsigned>(e.byte3()), static_cast<unsigned>(e.byte2()),
                             static_cast<unsigned>(e.byte1()), static_cast<unsigned>(e.partCount),
                             static_cast<unsigned>(e.iconIndex), e.color & 0xFFu,
                             (e.color >> 8) & 0xFFu, (e.color >> 16) & 0xFFu}) {
        appendZeroPadded(out, v, 3);
    }
    out += e.name;
    return out;
}

std::optional<CatalogueEntry> fromProfileString(std::string_view text) {
    if (text.size() < 25) {
        return std::nullopt;
    }
    const unsigned b3 = lowByte(text, 0);
    const unsigned b2 = lowByte(text, 3);
    const unsigned b1 = lowByte(text, 6);
    if (b3 > kMaxStoredKeyByte || b2 > kMaxStoredKeyByte || b1 > kMaxStoredKeyByte) {
        return std::nullopt;
    }
    CatalogueEntry e;
    e.key = makeKey(b3, b2, b1);
    e.partCount = static_cast<std::uint8_t>(lowByte(text, 9));
    e.iconIndex = static_cast<std::uint8_t>(lowByte(text, 12));
    e.color = (lowByte(text, 21) << 16) | (lowByte(text, 18) << 8) | lowByte(text, 15);
    e.name = std::string(text.substr(24));
    return e;
}

void loadCatalogue(ProfileFile& settings, Catalogue& catalogue) {
    const int count = settings::read(settings, settings::kCatalogueCount);
    if (count == 0) {
        catalogue.buildDefault();
        saveCatalogue(settings, catalogue);
        return;
    }
    auto& entries = catalogue.entries();
    entries.clear();
    if (count < 0) {
        return;
    }
    // Read every value from one load of the file.
    settings.beginBatch();
    std::string previous;
    for (int i = 1; i <= count; ++i) {
        std::string value = settings::read(settings, settings::kCatalogueValue, i);
        std::optional<CatalogueEntry> entry;
        if (compareCp932(value, previous) > 0) {
            entry = fromProfileString(value);
        }
        if (!entry) {
            entries.clear();
            break;
        }
        entries.push_back(std::move(*entry));
        previous = std::move(value);
    }
    settings.endBatch();
}

bool saveCatalogue(ProfileFile& settings, const Catalogue& catalogue) {
    settings.beginBatch();
    settings::write(settings, settings::kCatalogueCount, static_cast<int>(catalogue.size()));
    int i = 0;
    for (const CatalogueEntry& e : catalogue.entries()) {
        settings::write(settings, settings::kCatalogueValue, ++i, toProfileString(e));
    }
    return settings.endBatch();
}

} // namespace tessary
