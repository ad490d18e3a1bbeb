#include "content/DeedDocument.h"

#include "data/DeedFile.h"
#include "platform/AtomicFile.h"
#include "status/ConditionRows.h"

#include <algorithm>
#include <sys/stat.h>

namespace tessary {

DeedDocument::DeedDocument() = default;
DeedDocument::~DeedDocument() = default;

void DeedDocument::fillDerived(Deed& deed) const {
    deed.iconIndex = static_cast<std::uint8_t>(
        catalogue_.iconIndexOf(deed.group(), deed.category(), deed.type()));
    deed.materialColor = catalogue_.colorOf(kNameMaterial, deed);
}

// --- edits ----------------------------------------------------------------------------------

void DeedDocument::recordEdit(EditKind kind, const Deed& snapshot) {
    lastEdit_ = kind;
    lastEditSnapshot_ = snapshot;
    modified_ = true;
}

Deed* DeedDocument::registerDeed(std::unique_ptr<Deed> deed) {
    versionBeforeEdit_ = version_;
    deed->serialNumber = ++serialCounter_;
    fillDerived(*deed);
    Deed* added = deed.get();
    deeds_.push_back(std::move(deed));
    contentsChanged();
    recordEdit(kEditRegister, *added);
    lastEditUndoExact_ = true;
    return added;
}

Deed* DeedDocument::copyDeed(std::unique_ptr<Deed> deed) {
    Deed* added = registerDeed(std::move(deed));
    lastEdit_ = kEditCopy;
    return added;
}

int DeedDocument::updateDeed(const Deed& deed) {
    const std::uint64_t before = version_;
    Deed snapshot;
    int matches = 0;
    for (auto& existing : deeds_) {
        if (existing->serialNumber == deed.serialNumber) {
            snapshot = *existing;
            *existing = deed;
            fillDerived(*existing);
            ++matches;
        }
    }
    if (matches > 0) {
        versionBeforeEdit_ = before;
        contentsChanged();
        recordEdit(kEditUpdate, snapshot);
        // Undo writes the one snapshot into every match, which restores them all only when
        // there was a single one.
        lastEditUndoExact_ = matches == 1;
    }
    return matches;
}

bool DeedDocument::deleteDeed(const Deed* deed) {
    const auto it =
        std::find_if(deeds_.begin(), deeds_.end(),
                     [deed](const std::unique_ptr<Deed>& d) { return d.get() == deed; });
    if (it == deeds_.end()) {
        return false;
    }
    versionBeforeEdit_ = version_;
    const Deed snapshot = **it;
    // Undo puts the deed back at the end, which is where it was only if it was the last one.
    const bool wasLast = std::next(it) == deeds_.end();
    if (snapshot.serialNumber == serialCounter_) {
        --serialCounter_;
    }
    deeds_.erase(it);
    contentsChanged();
    recordEdit(kEditDelete, snapshot);
    lastEditUndoExact_ = wasLast;
    return true;
}

UndoResult DeedDocument::undoLastEdit() {
    UndoResult result;
    result.kind = lastEdit_;
    switch (lastEdit_) {
    case kEditRegister:
    case kEditCopy:
        if (!deeds_.empty()) {
            result.removedSerial = deeds_.back()->serialNumber;
            deeds_.pop_back();
            --serialCounter_;
        }
        break;
    case kEditUpdate:
        for (auto& existing : deeds_) {
            if (existing->serialNumber == lastEditSnapshot_.serialNumber) {
                *existing = lastEditSnapshot_;
            }
        }
        break;
    case kEditDelete: {
        auto restored = std::make_unique<Deed>(lastEditSnapshot_);
        serialCounter_ = std::max(serialCounter_, restored->serialNumber);
        result.restored = restored.get();
        deeds_.push_back(std::move(restored));
        break;
    }
    default:
        return result;
    }
    if (lastEditUndoExact_) {
        version_ = versionBeforeEdit_;
    } else {
        contentsChanged();
    }
    // Clean again only when the contents are back to what the file holds.
    modified_ = !matchesFile();
    lastEdit_ = kEditNone;
    return result;
}

// --- contents and files ---------------------------------------------------------------------

void DeedDocument::deleteContents() {
    if (!appendLoading_) {
        rebuildPending_ = true;
        serialCounter_ = 0;
        selectedEntry_ = nullptr;
        if (!deeds_.empty()) {
            deeds_.clear();
            contentsChanged();
        }
    }
    conditionRows_.clear();
    lastEdit_ = kEditNone;
    lastEditSnapshot_ = Deed();
}

void DeedDocument::newDocument() {
    deleteContents();
    markClean();
}

DocFileResult DeedDocument::readDocument(std::string_view bytes) {
    ByteReader in(bytes);
    std::uint32_t rawCount = 0;
    if (!in.readU32(rawCount)) {
        return {DocFileError::BadFormat, {}};
    }
    const auto count = static_cast<std::int32_t>(rawCount);
    if (count <= 0) {
        return {};
    }
    // Never trust the count for memory: reserve only what the remaining bytes can hold.
    deeds_.reserve(deeds_.size() + std::min<std::size_t>(static_cast<std::size_t>(count),
                                                         in.remaining() / kMinDeedRecordSize));
    struct DerivedSlot {
        std::uint32_t itemCode = 0;
        std::uint8_t iconIndex = 0;
        std::uint32_t materialColor = 0;
        bool used = false;
    };
    std::vector<DerivedSlot> derived(1024);
    DocFileResult result;
    for (std::int32_t i = 0; i < count; ++i) {
        Deed read;
        if (!readDeedRecord(in, read)) {
            result = {DocFileError::BadFormat, {}};
            break;
        }
        auto deed = std::make_unique<Deed>(std::move(read));
        // A file repeats a few hundred item codes: each one's image and colour are looked up in
        // the catalogue once, then taken from a small table by item code.
        DerivedSlot& slot = derived[(deed->itemCode * 2654435761u) >> 22];
        if (!slot.used || slot.itemCode != deed->itemCode) {
            fillDerived(*deed);
            slot = {deed->itemCode, deed->iconIndex, deed->materialColor, true};
        } else {
            deed->iconIndex = slot.iconIndex;
            deed->materialColor = slot.materialColor;
        }
        if (appendLoading_) {
            deed->serialNumber = ++serialCounter_;
        } else {
            serialCounter_ = std::max(serialCounter_, deed->serialNumber);
        }
        deeds_.push_back(std::move(deed));
    }
    contentsChanged();
    return result;
}

std::string DeedDocument::writeDocument() const {
    std::string out;
    std::size_t size = 4;
    for (const auto& deed : deeds_) {
        size += kMinDeedRecordSize + 6 + deed->comment.size();
    }
    out.reserve(size);
    appendDeedCount(out, static_cast<std::int32_t>(deeds_.size()));
    for (const auto& deed : deeds_) {
        appendDeedRecord(out, *deed);
    }
    return out;
}

bool DeedDocument::isFolderPath(const std::string& path) {
    return !path.empty() && path.back() == '/';
}

std::string DeedDocument::resolveDocumentFile(const std::string& path) {
    return isFolderPath(path) ? path + kDefaultDeedFileName : path;
}

bool DeedDocument::sameDocumentFile(const std::string& a, const std::string& b) {
    // The working folder's document is the folder, not its "Tessary.dat": opening or appending
    // that file by name reads it like any other.
    if (isFolderPath(a) != isFolderPath(b)) {
        return false;
    }
    const std::string fileA = resolveDocumentFile(a);
    const std::string fileB = resolveDocumentFile(b);
    if (fileA == fileB) {
        return true;
    }
    struct stat sa {};
    struct stat sb {};
    return ::stat(fileA.c_str(), &sa) == 0 && ::stat(fileB.c_str(), &sb) == 0 &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

namespace {

DocFileResult fromReadStatus(ReadFileStatus status) {
    switch (status) {
    case ReadFileStatus::Ok:
        return {};
    case ReadFileStatus::NotFound:
        return {DocFileError::NotFound, {}};
    case ReadFileStatus::CannotOpen:
        return {DocFileError::CannotOpen, {}};
    case ReadFileStatus::ReadError:
        break;
    }
    return {DocFileError::ReadError, {}};
}

} // namespace

LoadResult DeedDocument::openDocument(const std::string& path) {
    return load(path, false);
}

LoadResult DeedDocument::load(const std::string& path, bool append) {
    LoadResult result;
    const std::string file = resolveDocumentFile(path);
    if (isFolderPath(path) && !pathExists(file)) {
        if (DocFileResult created = saveDocument(path); !created.ok()) {
            static_cast<DocFileResult&>(result) = std::move(created);
            return result;
        }
    }
    LargeBytes bytes;
    if (DocFileResult opened = fromReadStatus(readWholeFile(file, bytes)); !opened.ok()) {
        static_cast<DocFileResult&>(result) = std::move(opened);
        return result;
    }
    appendLoading_ = append;
    deleteContents();
    if (!bytes.empty()) {
        static_cast<DocFileResult&>(result) = readDocument({bytes.data(), bytes.size()});
    }
    appendLoading_ = false;
    if (append) {
        result.effect = LoadEffect::Appended;
        return result;
    }
    if (!result.ok()) {
        // A file that fails part-way leaves a new, empty document behind.
        deleteContents();
    }
    markClean();
    result.effect = result.ok() ? LoadEffect::Replaced : LoadEffect::Emptied;
    return result;
}

DocFileResult DeedDocument::saveDocument(const std::string& path) {
    std::string error;
    if (!replaceFileAtomically(resolveDocumentFile(path), writeDocument(), &error)) {
        return {DocFileError::WriteFailed, error};
    }
    markClean();
    return {};
}

LoadResult DeedDocument::appendDocument(const std::string& path, const std::string& currentPath) {
    LoadResult result;
    if (!sameDocumentFile(path, currentPath)) {
        result = load(path, true);
    }
    // Whatever was appended, the document no longer equals its file.
    markAppended();
    return result;
}

void DeedDocument::markAppended() {
    // The undo step is dropped by clearing the contents, which happens only once a file was
    // opened; a file that could not be opened leaves the last edit undoable.
    contentsChanged();
    modified_ = true;
}

// --- filters and order status ---------------------------------------------------------------

const SortState& DeedDocument::chooseDeedSort(int sortItem, bool toggle,
                                              const std::function<std::string()>& loadOrder) {
    chooseSortItem(deedSort_, sortItem, toggle, loadOrder);
    return deedSort_;
}

const SortState& DeedDocument::chooseConditionSort(int sortItem, bool toggle,
                                                   const std::function<std::string()>& loadOrder) {
    chooseSortItem(conditionSort_, sortItem, toggle, loadOrder);
    return conditionSort_;
}

void DeedDocument::setDeedFilter(const Deed& filter) {
    deedFilter_.itemCode = filter.itemCode;
    deedFilter_.orderCode = filter.orderCode;
}

void DeedDocument::clearDeedFilter() {
    deedFilter_.itemCode = 0;
    deedFilter_.orderCode = 0;
}

void DeedDocument::clearConditionFilter() {
    conditionFilter_.firstKey = 0;
    conditionFilter_.secondKey = 0;
    conditionFilter_.filled = 0;
}

bool DeedDocument::isDeedFilterSet() const {
    return deedFilter_.itemCode != 0 || deedFilter_.orderCode != 0;
}

bool DeedDocument::isConditionFilterSet() const {
    return conditionFilter_.firstKey != 0 || conditionFilter_.secondKey != 0 ||
           conditionFilter_.filled != 0;
}

int DeedDocument::buildConditionRows() {
    return tessary::buildConditionRows(catalogue_, deeds_, conditionRows_);
}

const ConditionRow* DeedDocument::findConditionRow(std::uint32_t firstKey,
                                                   std::uint32_t secondKey) const {
    return tessary::findConditionRow(conditionRows_, firstKey, secondKey);
}

} // namespace tessary
