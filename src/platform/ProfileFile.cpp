#include "platform/ProfileFile.h"

#include "platform/AtomicFile.h"
#include "platform/Cp932.h"
#include "platform/DecimalText.h"

#include <optional>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace tessary {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Splits a file's text into its lines, without their line ends. A line ends at LF; one CR
// before it (or at the very end of the file) belongs to the line end. A final line without a
// line end is still a line; an empty text has no lines.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        start = next;
    }
    return lines;
}

// What one line of the file is.
struct Line {
    enum Kind { Other, Section, Key } kind = Other;
    std::string_view name;  // section or key name, trimmed
    std::string_view value; // the text after '=', trimmed of blanks (quotes still on)
};

Line classify(std::string_view line) {
    Line result;
    std::size_t first = 0;
    while (first < line.size() && isBlank(line[first])) {
        ++first;
    }
    if (first == line.size() || line[first] == ';') {
        return result;
    }
    if (line[first] == '[') {
        const std::size_t close = line.rfind(']');
        if (close != std::string_view::npos && close > first) {
            result.kind = Line::Section;
            result.name = trimBlanks(line.substr(first + 1, close - first - 1));
            return result;
        }
    }
    const std::size_t equals = line.find('=', first);
    if (equals == std::string_view::npos) {
        return result;
    }
    result.kind = Line::Key;
    result.name = trimBlanks(line.substr(first, equals - first));
    result.value = trimBlanks(line.substr(equals + 1));
    return result;
}

std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// A name as matching compares it: ASCII letters in lower case, a double-byte CP932 character
// kept as it is (its trail byte may look like a letter). Two names match exactly when their
// folded forms are equal.
void appendFolded(std::string& out, std::string_view name) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (isCp932LeadByte(static_cast<unsigned char>(name[i])) && i + 1 < name.size()) {
            out.push_back(name[i]);
            out.push_back(name[++i]);
        } else {
            out.push_back(asciiLower(name[i]));
        }
    }
}

// A value as it is written after "key=": line breaks become blanks so the value stays on its
// line, and a value that reading would change (blanks at its ends, or enclosing quotes) is put in
// quotes, which reading removes again.
std::string valueForLine(std::string_view value) {
    std::string text(value);
    for (char& c : text) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    const bool blankAtEnds = !text.empty() && (isBlank(text.front()) || isBlank(text.back()));
    const bool quoted = text.size() >= 2 && text.front() == '"' && text.back() == '"';
    if (blankAtEnds || quoted) {
        text = '"' + text + '"';
    }
    return text;
}

std::string lineOf(std::string_view key, std::string_view value) {
    std::string line;
    line.reserve(key.size() + value.size() + 3);
    line.append(key);
    line.push_back('=');
    line.append(valueForLine(value));
    return line;
}

} // namespace

void ProfileFile::PendingWrites::set(std::string_view section, std::string_view key,
                                     std::string_view value) {
    std::string folded;
    appendFolded(folded, section);
    const auto [at, added] = bySection.try_emplace(std::move(folded), sections.size());
    if (added) {
        sections.push_back({std::string(section), {}, {}});
    }
    Section& target = sections[at->second];
    folded.clear();
    appendFolded(folded, key);
    const auto [keyAt, keyAdded] = target.byKey.try_emplace(std::move(folded), target.keys.size());
    if (keyAdded) {
        target.keys.push_back({std::string(key), std::string(value)});
    } else {
        target.keys[keyAt->second].value = value;
    }
}

void ProfileFile::PendingWrites::clear() {
    sections.clear();
    bySection.clear();
}

// The text of the file after the writes, made in one pass; the result is the same as setting the
// values one after another. A value whose key exists (in the first section of its name, the
// first key of its name) replaces that line, keeping the file's spelling of the key; a new key
// goes after the last key of its section; a new section goes at the end, set off from what is
// before it by one empty line. Every other line is kept byte for byte; every line ends with
// CR LF.
std::string ProfileFile::withValues(std::string_view text, const PendingWrites& writes) {
    const std::vector<std::string_view> lines = splitLines(text);
    const std::size_t sectionCount = writes.sections.size();
    constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    std::vector<std::size_t> insertAfter(sectionCount, kNone);
    std::vector<std::vector<bool>> found(sectionCount);
    for (std::size_t s = 0; s < sectionCount; ++s) {
        found[s].assign(writes.sections[s].keys.size(), false);
    }
    // For each line: the pending key that replaces it, and the section whose new keys follow it.
    struct LineChange {
        std::size_t section = kNone;
        std::size_t key = kNone;
        std::size_t appendSection = kNone;
    };
    std::vector<LineChange> changes(lines.size());

    std::unordered_map<std::string, bool> seen;
    std::size_t current = kNone;
    std::string folded;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line line = classify(lines[i]);
        if (line.kind == Line::Section) {
            folded.clear();
            appendFolded(folded, line.name);
            current = kNone;
            if (seen.try_emplace(folded, true).second) {
                const auto pending = writes.bySection.find(folded);
                if (pending != writes.bySection.end()) {
                    current = pending->second;
                    insertAfter[current] = i;
                }
            }
        } else if (line.kind == Line::Key && current != kNone) {
            folded.clear();
            appendFolded(folded, line.name);
            const auto& byKey = writes.sections[current].byKey;
            const auto pending = byKey.find(folded);
            if (pending != byKey.end() && !found[current][pending->second]) {
                found[current][pending->second] = true;
                changes[i].section = current;
                changes[i].key = pending->second;
            }
            insertAfter[current] = i;
        }
    }
    for (std::size_t s = 0; s < sectionCount; ++s) {
        if (insertAfter[s] != kNone) {
            changes[insertAfter[s]].appendSection = s;
        }
    }

    std::string out;
    out.reserve(text.size() + lines.size() + 64);
    // The last line is kept as a place in `out`, not a view: appending may move the buffer.
    std::size_t lastAt = 0;
    std::size_t lastLength = 0;
    bool anyLine = false;
    const auto appendLine = [&](std::string_view line) {
        lastAt = out.size();
        lastLength = line.size();
        out.append(line);
        out.append("\r\n");
        anyLine = true;
    };
    const auto appendNewKeys = [&](std::size_t s) {
        const auto& keys = writes.sections[s].keys;
        for (std::size_t k = 0; k < keys.size(); ++k) {
            if (!found[s][k]) {
                appendLine(lineOf(keys[k].spelling, keys[k].value));
            }
        }
    };
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const LineChange& change = changes[i];
        if (change.key != kNone) {
            const Line line = classify(lines[i]);
            appendLine(lineOf(line.name, writes.sections[change.section].keys[change.key].value));
        } else {
            appendLine(lines[i]);
        }
        if (change.appendSection != kNone) {
            appendNewKeys(change.appendSection);
        }
    }
    for (std::size_t s = 0; s < sectionCount; ++s) {
        if (insertAfter[s] != kNone) {
            continue;
        }
        if (anyLine && !trimBlanks(std::string_view(out).substr(lastAt, lastLength)).empty()) {
            out.append("\r\n");
        }
        appendLine("[" + writes.sections[s].spelling + "]");
        appendNewKeys(s);
    }
    return out;
}

namespace {

// Reads the file for a change. A missing file is an empty one; a file that exists but cannot be
// read is an error, as writing over it would lose its content.
bool loadForChange(const std::string& path, std::string& text) {
    switch (readWholeFile(path, text)) {
    case ReadFileStatus::Ok:
        return true;
    case ReadFileStatus::NotFound:
        text.clear();
        return true;
    case ReadFileStatus::CannotOpen:
    case ReadFileStatus::ReadError:
        break;
    }
    text.clear();
    return false;
}

} // namespace

// Reads as Windows does: only the first section of a name counts (keys in a later section of the
// same name, and keys before any section, are never found), and within it the first key of a
// name wins.
void ProfileFile::Index::build(std::string newText) {
    text = std::move(newText);
    sections.clear();
    // Keys of a later section of a name already seen go nowhere.
    std::unordered_map<std::string, std::string_view>* keys = nullptr;
    std::string name;
    std::size_t start = 0;
    const std::string_view all = text;
    while (start < all.size()) {
        std::size_t end = all.find('\n', start);
        const std::size_t next = end == std::string_view::npos ? all.size() : end + 1;
        if (end == std::string_view::npos) {
            end = all.size();
        }
        std::string_view raw = all.substr(start, end - start);
        if (!raw.empty() && raw.back() == '\r') {
            raw.remove_suffix(1);
        }
        start = next;
        const Line line = classify(raw);
        if (line.kind == Line::Section) {
            name.clear();
            appendFolded(name, line.name);
            const auto [at, added] = sections.try_emplace(name);
            keys = added ? &at->second : nullptr;
        } else if (line.kind == Line::Key && keys != nullptr) {
            name.clear();
            appendFolded(name, line.name);
            keys->try_emplace(name, line.value);
        }
    }
}

void ProfileFile::Index::clear() {
    sections.clear();
    text.clear();
    text.shrink_to_fit();
}

ProfileFile::FileStamp ProfileFile::stampOf(const std::string& path) {
    FileStamp stamp;
    struct stat st;
    if (stat(path.c_str(), &st) != 0) {
        return stamp;
    }
    stamp.exists = true;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = static_cast<std::uint64_t>(st.st_size);
    stamp.modifiedSec = st.st_mtim.tv_sec;
    stamp.modifiedNsec = st.st_mtim.tv_nsec;
    stamp.changedSec = st.st_ctim.tv_sec;
    stamp.changedNsec = st.st_ctim.tv_nsec;
    return stamp;
}

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {}

const ProfileFile::Index& ProfileFile::currentIndex() const {
    if (batchDepth_ > 0) {
        // A read inside a batch sees the batch's writes so far.
        if (!batchWrites_.empty()) {
            batchText_ = withValues(batchText_, batchWrites_);
            batchWrites_.clear();
            batchIndexValid_ = false;
        }
        if (!batchIndexValid_) {
            batchIndex_.build(batchText_);
            batchIndexValid_ = true;
        }
        return batchIndex_;
    }
    // The file is parsed again only when it changed on disk since the last parse.
    const FileStamp stamp = stampOf(path_);
    if (!fileIndexValid_ || !(stamp == fileStamp_)) {
        std::string text;
        if (!stamp.exists || readWholeFile(path_, text) != ReadFileStatus::Ok) {
            text.clear();
        }
        fileIndex_.build(std::move(text));
        fileStamp_ = stamp;
        fileIndexValid_ = true;
    }
    return fileIndex_;
}

const std::string_view* ProfileFile::findValue(std::string_view section,
                                               std::string_view key) const {
    const Index& index = currentIndex();
    foldedSection_.clear();
    appendFolded(foldedSection_, section);
    const auto keys = index.sections.find(foldedSection_);
    if (keys == index.sections.end()) {
        return nullptr;
    }
    foldedKey_.clear();
    appendFolded(foldedKey_, key);
    const auto found = keys->second.find(foldedKey_);
    return found == keys->second.end() ? nullptr : &found->second;
}

bool ProfileFile::storeText(const std::string& text) {
    fileIndexValid_ = false;
    return replaceFileAtomically(path_, text);
}

std::string ProfileFile::readString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue) const {
    const std::string_view* value = findValue(section, key);
    return std::string(value ? unquote(*value) : defaultValue);
}

int ProfileFile::readInt(std::string_view section, std::string_view key, int defaultValue) const {
    const std::string_view* value = findValue(section, key);
    return value ? parseLeadingInt(unquote(*value)) : defaultValue;
}

bool ProfileFile::writeString(std::string_view section, std::string_view key,
                              std::string_view value) {
    if (batchDepth_ > 0) {
        if (batchFailed_) {
            return false;
        }
        batchWrites_.set(section, key, value);
        batchDirty_ = true;
        return true;
    }
    std::string text;
    if (!loadForChange(path_, text)) {
        return false;
    }
    PendingWrites write;
    write.set(section, key, value);
    return storeText(withValues(text, write));
}

bool ProfileFile::writeInt(std::string_view section, std::string_view key, int value) {
    return writeString(section, key, std::to_string(value));
}

void ProfileFile::beginBatch() {
    if (batchDepth_++ > 0) {
        return;
    }
    batchDirty_ = false;
    batchIndexValid_ = false;
    batchWrites_.clear();
    // A file that cannot be read must not be overwritten by the batch's text.
    batchFailed_ = !loadForChange(path_, batchText_);
}

bool ProfileFile::endBatch() {
    if (batchDepth_ == 0) {
        return true;
    }
    if (--batchDepth_ > 0) {
        return !batchFailed_;
    }
    bool ok = !batchFailed_;
    if (ok && batchDirty_) {
        ok = storeText(withValues(batchText_, batchWrites_));
    }
    batchWrites_.clear();
    batchText_.clear();
    batchText_.shrink_to_fit();
    batchIndex_.clear();
    batchIndexValid_ = false;
    batchDirty_ = false;
    batchFailed_ = false;
    return ok;
}

} // namespace tessary
