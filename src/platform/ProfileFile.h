// The settings file: a Windows-style INI file of sections and key=value lines.
//
// Values are CP932 bytes and are returned as stored. Section and key names match regardless of
// ASCII case. Every write keeps the rest of the file (comments, unknown sections and keys, their
// order) and replaces the file atomically; lines are written with CR LF and read with CR LF or LF.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tessary {

class ProfileFile {
public:
    explicit ProfileFile(std::string path);

    const std::string& path() const { return path_; }

    // The value of `key` in `section`, or `defaultValue` when the file, section or key is missing.
    // Blanks around the value are dropped, and so is one pair of double quotes enclosing it. Of
    // duplicate sections or keys, the first wins.
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;

    // The value read as a leading optional sign and decimal digits (none gives 0), or
    // `defaultValue` when the key is missing.
    int readInt(std::string_view section, std::string_view key, int defaultValue) const;

    // Sets `key` in `section` (appending the key or the section when missing). Line breaks in the
    // value are replaced by blanks so that a value never spills onto a line of its own. Returns
    // false when the file could not be written; the old file is then left as it was.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    bool writeInt(std::string_view section, std::string_view key, int value);

    // While a batch is open, writes change the file's text in memory only; the outermost
    // endBatch writes it once. Used where many keys are written together (the catalogue).
    void beginBatch();
    bool endBatch();

private:
    // The file's text parsed once: the value of every (section, key) that reading can find, by
    // the names folded as matching folds them. Reading N values is then linear in N.
    // The values point into `text`, so an index is never copied or moved, only rebuilt.
    struct Index {
        Index() = default;
        Index(const Index&) = delete;
        Index& operator=(const Index&) = delete;
        std::string text;
        // Folded section name -> folded key name -> raw value (blanks trimmed, quotes on).
        std::unordered_map<std::string, std::unordered_map<std::string, std::string_view>> sections;
        void build(std::string newText);
        void clear();
    };
    // What identifies one version of the file on disk; a change of any field means the file was
    // written since it was parsed.
    struct FileStamp {
        bool exists = false;
        std::uint64_t device = 0, inode = 0, size = 0;
        std::int64_t modifiedSec = 0, modifiedNsec = 0, changedSec = 0, changedNsec = 0;
        bool operator==(const FileStamp&) const = default;
    };
    static FileStamp stampOf(const std::string& path);

    // Values set but not yet put into the text, by section and key in the order first set.
    struct PendingWrites {
        struct Key {
            std::string spelling;
            std::string value;
        };
        struct Section {
            std::string spelling;
            std::vector<Key> keys;
            std::unordered_map<std::string, std::size_t> byKey; // folded name -> index in keys
        };
        std::vector<Section> sections;
        std::unordered_map<std::string, std::size_t> bySection; // folded name -> index
        void set(std::string_view section, std::string_view key, std::string_view value);
        bool empty() const { return sections.empty(); }
        void clear();
    };
    static std::string withValues(std::string_view text, const PendingWrites& writes);

    // The index of what reading sees now: the batch's text while a batch is open, else the file.
    const Index& currentIndex() const;
    const std::string_view* findValue(std::string_view section, std::string_view key) const;
    bool storeText(const std::string& text);

    std::string path_;
    int batchDepth_ = 0;
    bool batchFailed_ = false;
    bool batchDirty_ = false;
    // The text when the batch began (or at its last read) and the writes made since.
    mutable std::string batchText_;
    mutable PendingWrites batchWrites_;

    mutable Index fileIndex_;
    mutable FileStamp fileStamp_;
    mutable bool fileIndexValid_ = false;
    mutable Index batchIndex_;
    mutable bool batchIndexValid_ = false;
    mutable std::string foldedSection_;
    mutable std::string foldedKey_;
};

} // namespace tessary
