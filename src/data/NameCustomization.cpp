#include "data/NameCustomization.h"

#include "platform/Cp932.h"

namespace tessary {
namespace {

bool isGroupKey(const CatalogueEntry& e) {
    return e.group() <= kMaxGroupOrCategory && e.category() == 0 && e.type() == 0;
}

bool isCategoryKey(const CatalogueEntry& e) {
    return e.group() <= kMaxGroupOrCategory && e.category() >= 1 &&
           e.category() <= kMaxGroupOrCategory && e.type() == 0;
}

bool isTypeKey(const CatalogueEntry& e) {
    return e.group() <= kMaxGroupOrCategory && e.category() >= 1 &&
           e.category() <= kMaxGroupOrCategory && e.type() >= 1;
}

bool isMaterialKey(const CatalogueEntry& e) {
    return e.group() <= kMaxGroupOrCategory && e.category() == kMaterialBlock && e.material() >= 1;
}

bool isQualityKey(const CatalogueEntry& e) {
    return e.group() == kQualityBlock && e.quality() >= 1;
}

bool isAsciiSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// UTF-8 forms of the wide blanks that a user may type or paste around a name.
constexpr std::string_view kIdeographicSpace = "\xE3\x80\x80";
constexpr std::string_view kNoBreakSpace = "\xC2\xA0";

std::string_view trimBlanks(std::string_view text) {
    for (bool trimmed = true; trimmed && !text.empty();) {
        trimmed = false;
        if (isAsciiSpace(text.front())) {
            text.remove_prefix(1);
            trimmed = true;
        } else if (text.starts_with(kIdeographicSpace)) {
            text.remove_prefix(kIdeographicSpace.size());
            trimmed = true;
        } else if (text.starts_with(kNoBreakSpace)) {
            text.remove_prefix(kNoBreakSpace.size());
            trimmed = true;
        }
    }
    for (bool trimmed = true; trimmed && !text.empty();) {
        trimmed = false;
        if (isAsciiSpace(text.back())) {
            text.remove_suffix(1);
            trimmed = true;
        } else if (text.ends_with(kIdeographicSpace)) {
            text.remove_suffix(kIdeographicSpace.size());
            trimmed = true;
        } else if (text.ends_with(kNoBreakSpace)) {
            text.remove_suffix(kNoBreakSpace.size());
            trimmed = true;
        }
    }
    return text;
}

bool holdsControlCharacter(std::string_view utf8) {
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            return true;
        }
    }
    return false;
}

} // namespace

bool isNamingKind(NamingKind kind, std::uint32_t key) {
    CatalogueEntry e;
    e.key = key;
    switch (kind) {
    case NamingKind::Group:
        return isGroupKey(e);
    case NamingKind::Category:
        return isCategoryKey(e);
    case NamingKind::Type:
        return isTypeKey(e);
    case NamingKind::Material:
        return isMaterialKey(e);
    case NamingKind::Quality:
        return isQualityKey(e);
    }
    return false;
}

int namingColumnCount(NamingKind kind) {
    return kind == NamingKind::Group || kind == NamingKind::Quality ? 2 : 3;
}

std::optional<Catalogue> buildNamingCopy(const Catalogue& current) {
    Catalogue working;
    working.buildDefault();
    for (CatalogueEntry& e : working.entries()) {
        const CatalogueEntry* inForce = current.findEntry(e.key);
        if (inForce == nullptr) {
            return std::nullopt;
        }
        e.defaultName = std::move(e.name);
        e.name = inForce->name;
    }
    return working;
}

std::string namingCellText(const CatalogueEntry& entry) {
    return " " + entry.name;
}

std::vector<NamingRow> namingRows(const Catalogue& working, NamingKind kind) {
    std::vector<NamingRow> rows;
    const bool ownerIsCategory = kind == NamingKind::Type;
    const bool hasOwner = namingColumnCount(kind) == 3;
    std::string owner;
    const auto& entries = working.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const CatalogueEntry& e = entries[i];
        if (ownerIsCategory ? isCategoryKey(e) : isGroupKey(e)) {
            owner = e.defaultName;
        }
        if (!isNamingKind(kind, e.key)) {
            continue;
        }
        NamingRow row;
        row.entry = i;
        row.texts[0] = namingCellText(e);
        row.texts[1] = " " + e.defaultName;
        if (hasOwner) {
            row.texts[2] = " " + owner;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void resetNames(Catalogue& working) {
    for (CatalogueEntry& e : working.entries()) {
        e.name = e.defaultName;
    }
}

NameCheckResult checkNewName(std::string_view typedUtf8) {
    NameCheckResult result;
    const std::string_view trimmed = trimBlanks(typedUtf8);
    if (trimmed.empty()) {
        result.check = NameCheck::Empty;
        return result;
    }
    std::optional<std::string> cp932;
    if (!holdsControlCharacter(trimmed)) {
        cp932 = utf8ToCp932Exact(trimmed);
    }
    if (!cp932) {
        result.check = NameCheck::Unrepresentable;
        return result;
    }
    if (cp932ByteLength(*cp932) > kMaxNameBytes) {
        result.check = NameCheck::TooLong;
        return result;
    }
    result.check = NameCheck::Ok;
    result.name = std::move(*cp932);
    return result;
}

Catalogue renamedCatalogue(const Catalogue& working) {
    Catalogue renamed;
    renamed.entries().reserve(working.size());
    for (const CatalogueEntry& w : working.entries()) {
        CatalogueEntry e;
        e.key = w.key;
        e.partCount = w.partCount;
        e.iconIndex = w.iconIndex;
        e.color = w.color;
        e.name = w.name;
        renamed.entries().push_back(std::move(e));
    }
    return renamed;
}

} // namespace tessary
