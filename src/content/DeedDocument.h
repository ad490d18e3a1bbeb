// The data side of the one document: the catalogue in force, the deeds, the order-status rows,
// registration numbers, one-level undo, the shared filters and sort states, and reading and
// writing deed files. The desktop document wraps it; this class knows nothing of windows.
#pragma once

#include "data/Catalogue.h"
#include "data/Deed.h"
#include "data/DeedSortKey.h"
#include "status/ConditionRow.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tessary {

class ProfileFile;

// Name of the deed file a folder stands for.
inline constexpr const char* kDefaultDeedFileName = "Tessary.dat";

// What went wrong with a deed file.
enum class DocFileError {
    None,
    NotFound,   // the file to open does not exist
    CannotOpen, // it exists but cannot be opened or is a folder
    ReadError,  // reading it failed part-way for a reason of the system
    BadFormat,  // it ends before the deeds its count announces
    WriteFailed // the file could not be written; the previous file is left whole
};

struct DocFileResult {
    DocFileError error = DocFileError::None;
    std::string detail; // the system's reason, for the log of a failed write or read
    bool ok() const { return error == DocFileError::None; }
};

// What opening or appending a file did to the contents. The two effects that lose deeds are
// Emptied (the previous deeds are gone and the file's were not read whole) and a failed Appended
// (only the deeds before the broken record were added).
enum class LoadEffect {
    Untouched, // the file was not read: the contents are as they were
    Replaced,  // opened: the contents are the file's, and the document is clean
    Emptied,   // opened, but the file failed part-way: the document is empty and clean
    Appended,  // appended: the file's deeds (up to a broken record) follow the document's
};

struct LoadResult : DocFileResult {
    LoadEffect effect = LoadEffect::Untouched;
};

// Kinds of the last undoable edit.
enum EditKind : int {
    kEditNone = 0,
    kEditRegister = 1,
    kEditUpdate = 2,
    kEditDelete = 3,
    kEditCopy = 4,
};

// What an undo changed, so a list can mirror it without a rebuild.
struct UndoResult {
    EditKind kind = kEditNone;
    // Register or copy: the registration number of the deed that was removed.
    std::uint32_t removedSerial = 0;
    // Delete: the deed put back at the end of the list.
    Deed* restored = nullptr;
};

class DeedDocument {
public:
    DeedDocument();
    virtual ~DeedDocument();
    DeedDocument(const DeedDocument&) = delete;
    DeedDocument& operator=(const DeedDocument&) = delete;

    // --- catalogue --------------------------------------------------------------------------
    Catalogue& catalogue() { return catalogue_; }
    const Catalogue& catalogue() const { return catalogue_; }
    // Sets a deed's image and swatch from the catalogue in force.
    void fillDerived(Deed& deed) const;

    // --- deeds and registration numbers -------------------------------------------------------
    const std::vector<std::unique_ptr<Deed>>& deeds() const { return deeds_; }
    std::uint32_t serialCounter() const { return serialCounter_; }

    // Gives the deed the next registration number, appends it and records the edit.
    Deed* registerDeed(std::unique_ptr<Deed> deed);
    // Copies `deed` into every deed with its registration number. Returns how many matched;
    // nothing is recorded when none did.
    int updateDeed(const Deed& deed);
    // Removes the deed (found by identity). False when it is not in the list.
    bool deleteDeed(const Deed* deed);
    // As registerDeed, recorded as a copy.
    Deed* copyDeed(std::unique_ptr<Deed> deed);

    // --- edit history -----------------------------------------------------------------------
    EditKind lastEdit() const { return lastEdit_; }
    const Deed& lastEditSnapshot() const { return lastEditSnapshot_; }
    // Reverts the last edit (does nothing when there is none).
    UndoResult undoLastEdit();

    // --- contents and files -------------------------------------------------------------------
    // Clears the contents: every deed (unless an append is reading), every order-status row,
    // the edit history; registration numbers start again.
    void deleteContents();
    // An empty, unmodified document (New).
    void newDocument();

    // Reads a whole deed file image and appends its deeds (renumbered while appending). On a
    // truncated image the deeds before the failing record stay and BadFormat is returned.
    DocFileResult readDocument(std::string_view bytes);
    // The deed file image of the document.
    std::string writeDocument() const;

    // The file a document path names: a path ending with '/' is a folder and names its
    // "Tessary.dat".
    static std::string resolveDocumentFile(const std::string& path);
    static bool isFolderPath(const std::string& path);

    // Opens the file `path` names. For a folder whose "Tessary.dat" is missing, the current
    // document is first saved there. A file that cannot be opened leaves everything as it was
    // (Untouched); one that fails part-way leaves the document empty (Emptied). The file is only
    // ever read.
    LoadResult openDocument(const std::string& path);
    // Writes the document to the file `path` names, atomically; clean afterwards on success.
    DocFileResult saveDocument(const std::string& path);
    // Appends the deeds of the file `path` names to the document opened from `currentPath`,
    // renumbering them; a file that fails part-way keeps the deeds read before the broken record.
    // Appending the open file itself appends nothing (Untouched). Afterwards the document is
    // modified, whatever happened; once a file was opened there is nothing to undo.
    LoadResult appendDocument(const std::string& path, const std::string& currentPath);
    // Marks the contents as no longer equal to any file (after an append or a download).
    void markAppended();

    // True when two paths name the same file (or the same folder file).
    static bool sameDocumentFile(const std::string& a, const std::string& b);

    // --- modified flag ------------------------------------------------------------------------
    bool isModified() const { return modified_; }
    void setModified(bool modified) { modified_ = modified; }
    // True when the contents equal what was last read from or written to a file.
    bool matchesFile() const { return cleanVersion_ == version_; }

    // --- state the views share -------------------------------------------------------------
    // The tree node the lists show (a group or category entry), or nullptr.
    const CatalogueEntry* selectedEntry() const { return selectedEntry_; }
    void setSelectedEntry(const CatalogueEntry* entry) { selectedEntry_ = entry; }

    // Set when the contents were replaced: the lists must not show rows of the old contents,
    // and the tree selects again before they list anything.
    bool rebuildPending() const { return rebuildPending_; }
    void setRebuildPending(bool pending) { rebuildPending_ = pending; }

    // The sort state of each list, kept for the whole run.
    const SortState& deedSort() const { return deedSort_; }
    const SortState& conditionSort() const { return conditionSort_; }
    // Applies a sort command to a list's state (see chooseSortItem) and returns the new state.
    const SortState& chooseDeedSort(int sortItem, bool toggle,
                                    const std::function<std::string()>& loadOrder);
    const SortState& chooseConditionSort(int sortItem, bool toggle,
                                         const std::function<std::string()>& loadOrder);

    // The display conditions of the deed list (its item and order codes) and of the
    // order-status list (its keys and remaining-count threshold).
    const Deed& deedFilter() const { return deedFilter_; }
    void setDeedFilter(const Deed& filter);
    const ConditionRow& conditionFilter() const { return conditionFilter_; }
    void setConditionFilter(const ConditionRow& filter) { conditionFilter_ = filter; }
    void clearDeedFilter();
    void clearConditionFilter();
    bool isDeedFilterSet() const;
    bool isConditionFilterSet() const;

    // --- order status -------------------------------------------------------------------------
    const std::vector<ConditionRow>& conditionRows() const { return conditionRows_; }
    int buildConditionRows();
    const ConditionRow* findConditionRow(std::uint32_t firstKey, std::uint32_t secondKey) const;

private:
    LoadResult load(const std::string& path, bool append);
    void recordEdit(EditKind kind, const Deed& snapshot);
    void contentsChanged() { version_ = ++versionSource_; }
    void markClean() {
        cleanVersion_ = version_;
        modified_ = false;
    }

    Catalogue catalogue_;
    std::vector<std::unique_ptr<Deed>> deeds_;
    std::vector<ConditionRow> conditionRows_;
    std::uint32_t serialCounter_ = 0;

    // While a file is appended: its deeds are numbered on, and clearing keeps the deeds.
    bool appendLoading_ = false;
    bool rebuildPending_ = true;
    const CatalogueEntry* selectedEntry_ = nullptr;
    SortState deedSort_;
    SortState conditionSort_;
    Deed deedFilter_;
    ConditionRow conditionFilter_;

    EditKind lastEdit_ = kEditNone;
    Deed lastEditSnapshot_;
    // Whether undoing the last edit gives back exactly the contents before it (an update that
    // matched several deeds, or a deletion before the end of the list, cannot).
    bool lastEditUndoExact_ = false;

    // Every distinct state of the contents gets a version; the version that equals the file on
    // disk is remembered, so an undo knows whether it led back to the file's contents.
    bool modified_ = false;
    std::uint64_t versionSource_ = 1;
    std::uint64_t version_ = 1;
    std::uint64_t cleanVersion_ = 1;
    std::uint64_t versionBeforeEdit_ = 1;
};

} // namespace tessary
