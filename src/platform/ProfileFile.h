// The settings file: a Windows-style INI file of sections and key=value lines.
//
// Values are CP932 bytes and are returned as stored. Section and key names match regardless of
// ASCII case. Every write keeps the rest of the file (comments, unknown sections and keys, their
// order) and replaces the file atomically; lines are written with CR LF and read with CR LF or LF.
#pragma once

#include <string>
#include <string_view>

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
    std::string loadText() const;
    bool storeText(const std::string& text);

    std::string path_;
    int batchDepth_ = 0;
    bool batchFailed_ = false;
    bool batchDirty_ = false;
    std::string batchText_;
};

} // namespace tessary
