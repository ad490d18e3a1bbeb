// tessary-tool check: what a deed file holds, read as Tessary reads it.
#include "content/DeedDocument.h"
#include "tool/CommandLine.h"
#include "tool/Commands.h"
#include "tool/ToolInput.h"
#include "tool/ToolTexts.h"

#include <map>

namespace tessary::tool {

namespace {

// The parts of a deed the catalogue has no entry for, as the names of the parts. Index 0 never
// names an entry. Groups and categories run up to 120: a larger number lands in the blocks of
// materials, qualities and quantities, which name no group, category or type.
std::vector<const char*> unknownParts(const Catalogue& catalogue, const Deed& deed) {
    const int g = deed.group();
    const int c = deed.category();
    const bool groupValid = g != 0 && g <= kMaxGroupOrCategory;
    const bool categoryValid = groupValid && c != 0 && c <= kMaxGroupOrCategory;
    const auto known = [&](NameKind kind, int index) {
        return index != 0 &&
               catalogue.findEntry(Catalogue::keyFor(kind, g, c, deed.type(), deed.material(),
                                                     deed.quality(), deed.quantity())) != nullptr;
    };
    std::vector<const char*> parts;
    if (!groupValid || !known(kNameGroup, g)) {
        parts.push_back(texts::kPartNames[kNameGroup]);
    }
    if (!categoryValid || !known(kNameCategory, c)) {
        parts.push_back(texts::kPartNames[kNameCategory]);
    }
    if (!categoryValid || !known(kNameType, deed.type())) {
        parts.push_back(texts::kPartNames[kNameType]);
    }
    if (!groupValid || !known(kNameMaterial, deed.material())) {
        parts.push_back(texts::kPartNames[kNameMaterial]);
    }
    if (!known(kNameQuality, deed.quality())) {
        parts.push_back(texts::kPartNames[kNameQuality]);
    }
    if (!known(kNameQuantity, deed.quantity())) {
        parts.push_back(texts::kPartNames[kNameQuantity]);
    }
    return parts;
}

void printDeedNumbers(TextOut& out, const Deed& deed) {
    const int numbers[] = {deed.group(),    deed.category(), deed.type(),
                           deed.material(), deed.quality(),  deed.quantity()};
    for (const NameKind kind : kNameKinds) {
        out.raw(kind == kNameGroup ? "" : " ").raw(texts::kPartNames[kind]).raw(" ");
        out.number(numbers[kind]);
    }
}

void printSummary(TextOut& out, const std::string& path, const DeedDocument& doc,
                  std::size_t trailingBytes) {
    const Catalogue& catalogue = doc.catalogue();
    out.raw(path).endLine();
    out.raw("  ").raw(texts::kDeeds).raw(": ").number(static_cast<long long>(doc.deeds().size()));
    out.endLine();
    out.raw("  ").raw(texts::kHighestSerial).raw(": ").number(doc.serialCounter()).endLine();

    std::map<int, std::size_t> perGroup;
    for (const CatalogueEntry& entry : catalogue.entries()) {
        if (entry.group() <= kMaxGroupOrCategory && entry.category() == 0) {
            perGroup[entry.group()] = 0;
        }
    }
    for (const auto& deed : doc.deeds()) {
        ++perGroup[deed->group()];
    }
    for (const auto& [group, count] : perGroup) {
        out.raw("  ").raw(texts::kGroup).raw(" ").number(group).raw(" ");
        const CatalogueEntry* entry =
            group <= kMaxGroupOrCategory ? catalogue.findEntry(makeKey(group, 0, 0)) : nullptr;
        if (entry != nullptr) {
            out.text(entry->name);
        } else {
            out.raw(texts::kUnknownGroup);
        }
        out.raw(": ").number(static_cast<long long>(count)).endLine();
    }
    if (trailingBytes > 0) {
        out.raw("  ").raw(texts::kTrailingBytes).raw(": ");
        out.number(static_cast<long long>(trailingBytes)).endLine();
    }

    std::size_t unknownCount = 0;
    for (const auto& deed : doc.deeds()) {
        if (!unknownParts(catalogue, *deed).empty()) {
            ++unknownCount;
        }
    }
    if (unknownCount == 0) {
        return;
    }
    out.raw("  ").raw(texts::kUnknownItems).raw(": ");
    out.number(static_cast<long long>(unknownCount)).endLine();
    for (std::size_t i = 0; i < doc.deeds().size(); ++i) {
        const Deed& deed = *doc.deeds()[i];
        const std::vector<const char*> parts = unknownParts(catalogue, deed);
        if (parts.empty()) {
            continue;
        }
        out.raw("    ").raw(texts::kDeed).raw(" ").number(static_cast<long long>(i + 1));
        out.raw(" (").raw(texts::kRegistrationNumber).raw(" ").number(deed.serialNumber);
        out.raw("): ");
        printDeedNumbers(out, deed);
        out.raw("; ").raw(texts::kUnknownParts).raw(":");
        for (std::size_t p = 0; p < parts.size(); ++p) {
            out.raw(p == 0 ? " " : ", ").raw(parts[p]);
        }
        out.endLine();
    }
}

} // namespace

int runCheck(const std::vector<std::string>& args, ToolStreams& io) {
    const CommandLine line(args, {{"--settings", "", true}});
    if (line.positional().empty()) {
        throw UsageError(texts::kNeedFile);
    }
    Catalogue catalogue;
    loadCatalogue(line.value("--settings"), catalogue);

    int status = 0;
    bool first = true;
    for (const std::string& path : line.positional()) {
        DeedDocument doc;
        doc.catalogue() = catalogue;
        try {
            const std::size_t trailing = readDeedFile(path, doc);
            if (!first) {
                io.out.endLine();
            }
            first = false;
            printSummary(io.out, path, doc, trailing);
        } catch (const RefusedInput& refused) {
            io.out.stream().flush();
            reportRefused(io.err, refused.file(), refused.what());
            status = 1;
        }
    }
    return status;
}

} // namespace tessary::tool
