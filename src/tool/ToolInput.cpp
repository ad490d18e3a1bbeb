#include "tool/ToolInput.h"

#include "content/DeedDocument.h"
#include "data/CataloguePersistence.h"
#include "data/DeedFile.h"
#include "platform/AtomicFile.h"
#include "platform/ProfileFile.h"
#include "resources/SettingsKeys.h"
#include "tool/CommandLine.h"
#include "tool/ToolTexts.h"

#include <cstdio>

namespace tessary::tool {

namespace {

[[noreturn]] void refuse(const std::string& path, DocFileError error) {
    switch (error) {
    case DocFileError::NotFound:
        throw RefusedInput(path, texts::kNotFound);
    case DocFileError::CannotOpen:
        throw RefusedInput(path, texts::kCannotOpen);
    default:
        break;
    }
    throw RefusedInput(path, texts::kReadError);
}

void refuseUnreadable(const std::string& path, ReadFileStatus status) {
    switch (status) {
    case ReadFileStatus::Ok:
        return;
    case ReadFileStatus::NotFound:
        refuse(path, DocFileError::NotFound);
    case ReadFileStatus::CannotOpen:
        refuse(path, DocFileError::CannotOpen);
    case ReadFileStatus::ReadError:
        break;
    }
    refuse(path, DocFileError::ReadError);
}

// How far the records of a deed file image reach: the records read whole, of the count
// announced, and the offset where the last whole one ends.
struct RecordExtent {
    bool countRead = false;
    std::int32_t announced = 0;
    std::uint32_t whole = 0;
    std::size_t end = 0;
};

RecordExtent recordExtent(std::string_view bytes) {
    RecordExtent extent;
    ByteReader in(bytes);
    std::uint32_t rawCount = 0;
    extent.countRead = in.readU32(rawCount);
    extent.announced = static_cast<std::int32_t>(rawCount);
    for (std::int32_t i = 0; i < extent.announced; ++i) {
        Deed deed;
        if (!readDeedRecord(in, deed)) {
            break;
        }
        ++extent.whole;
    }
    extent.end = in.position();
    return extent;
}

} // namespace

std::size_t readDeedFile(const std::string& path, DeedDocument& doc, const std::string* appendTo) {
    // A path ending with a separator is a folder, which the document would turn into its
    // default file and create when missing; the tool only ever reads what it is given.
    if (DeedDocument::isFolderPath(path)) {
        refuse(path, DocFileError::CannotOpen);
    }
    const LoadResult loaded =
        appendTo != nullptr ? doc.appendDocument(path, *appendTo) : doc.openDocument(path);
    if (loaded.ok() && loaded.effect == LoadEffect::Untouched) {
        return 0;
    }
    // The document read the file; the image tells where its records end or broke off.
    std::string bytes;
    refuseUnreadable(path, readWholeFile(path, bytes));
    const RecordExtent extent = recordExtent(bytes);
    if (loaded.ok()) {
        return bytes.empty() ? 0 : bytes.size() - extent.end;
    }
    if (loaded.error != DocFileError::BadFormat) {
        refuse(path, loaded.error);
    }
    if (!extent.countRead) {
        throw RefusedInput(path, texts::kTruncatedCount);
    }
    char what[128];
    std::snprintf(what, sizeof what, texts::kTruncatedDeed, extent.whole + 1,
                  static_cast<int>(extent.announced));
    throw RefusedInput(path, what);
}

void loadCatalogue(const std::optional<std::string>& settingsPath, Catalogue& catalogue) {
    if (!settingsPath) {
        catalogue.buildDefault();
        return;
    }
    // Reading the file first tells a missing or unreadable file from one without a catalogue.
    std::string bytes;
    refuseUnreadable(*settingsPath, readWholeFile(*settingsPath, bytes));
    ProfileFile file(*settingsPath);
    // Without a stored catalogue Tessary uses the built-in one and stores it; the tool only
    // reads, so it takes the built-in table and leaves the file alone.
    if (settings::read(file, settings::kCatalogueCount) == 0) {
        catalogue.buildDefault();
        return;
    }
    tessary::loadCatalogue(file, catalogue);
    if (catalogue.empty()) {
        throw RefusedInput(*settingsPath, texts::kBadCatalogue);
    }
}

const CatalogueEntry* chooseNode(const Catalogue& catalogue,
                                 const std::optional<std::string>& group,
                                 const std::optional<std::string>& category) {
    if (!group) {
        if (category) {
            throw UsageError(texts::kCategoryNeedsGroup);
        }
        return nullptr;
    }
    const int g = parseIndex("--group", *group);
    const int c = category ? parseIndex("--category", *category) : 0;
    // The tree holds group and category entries only: categories run up to 120 (121 and 122
    // mark the material, quality and quantity blocks).
    if (g > kMaxGroupOrCategory) {
        throw UsageError("--group " + *group + ": " + texts::kNoSuchGroup);
    }
    if (c > kMaxGroupOrCategory) {
        throw UsageError("--category " + *category + ": " + texts::kNoSuchCategory);
    }
    const CatalogueEntry* groupEntry = catalogue.findEntry(makeKey(g, 0, 0));
    if (groupEntry == nullptr) {
        throw UsageError("--group " + *group + ": " + texts::kNoSuchGroup);
    }
    if (c == 0) {
        return groupEntry;
    }
    const CatalogueEntry* categoryEntry = catalogue.findEntry(makeKey(g, c, 0));
    if (categoryEntry == nullptr) {
        throw UsageError("--category " + *category + ": " + texts::kNoSuchCategory);
    }
    return categoryEntry;
}

} // namespace tessary::tool
