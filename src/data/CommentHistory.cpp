#include "data/CommentHistory.h"

#include "platform/Cp932.h"
#include "platform/ProfileFile.h"
#include "resources/SettingsKeys.h"

namespace tessary {

std::string commentHistoryKey(int number) {
    return settings::numberedKey(settings::kCommentValue.key, number);
}

std::vector<std::string> readCommentHistory(const ProfileFile& settings) {
    std::vector<std::string> history;
    for (int number = 1; number <= kCommentHistorySize; ++number) {
        std::string value = settings::read(settings, settings::kCommentValue, number);
        if (!value.empty()) {
            history.push_back(std::move(value));
        }
    }
    return history;
}

std::vector<CommentHistoryWrite> commentHistoryWrites(std::string_view accepted,
                                                      const std::vector<std::string>& shown) {
    std::vector<CommentHistoryWrite> writes;
    int count = 0;
    if (!accepted.empty()) {
        writes.push_back({commentHistoryKey(1), std::string(accepted)});
        count = 1;
    }
    for (const std::string& entry : shown) {
        if (count >= kCommentHistorySize) {
            break;
        }
        if (entry != accepted) {
            ++count;
            writes.push_back({commentHistoryKey(count), entry});
        }
    }
    return writes;
}

bool writeCommentHistory(ProfileFile& settings, const std::vector<CommentHistoryWrite>& writes) {
    if (writes.empty()) {
        return true;
    }
    settings.beginBatch();
    for (const CommentHistoryWrite& write : writes) {
        settings.writeString(settings::kCommentValue.section, write.key, write.value);
    }
    return settings.endBatch();
}

std::size_t cp932PrefixWithin(std::string_view cp932, std::size_t limit) {
    std::size_t end = 0;
    while (end < cp932.size()) {
        const bool doubleByte =
            isCp932LeadByte(static_cast<unsigned char>(cp932[end])) && end + 1 < cp932.size();
        const std::size_t next = end + (doubleByte ? 2 : 1);
        if (next > limit) {
            break;
        }
        end = next;
    }
    return end;
}

std::string singleLineText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte == '\r') {
            // CR LF is one line break.
            if (i + 1 < utf8.size() && utf8[i + 1] == '\n') {
                ++i;
            }
            out += ' ';
        } else if (byte == '\n' || byte == '\t') {
            out += ' ';
        } else if (byte < 0x20 || byte == 0x7F) {
            // Other control characters of C0 and DEL: dropped.
        } else if (byte == 0xC2 && i + 1 < utf8.size() &&
                   static_cast<unsigned char>(utf8[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(utf8[i + 1]) <= 0x9F) {
            // C1 controls (U+0080 to U+009F); NEL (U+0085) is a line break.
            if (static_cast<unsigned char>(utf8[i + 1]) == 0x85) {
                out += ' ';
            }
            ++i;
        } else if (byte == 0xE2 && i + 2 < utf8.size() &&
                   static_cast<unsigned char>(utf8[i + 1]) == 0x80 &&
                   (static_cast<unsigned char>(utf8[i + 2]) == 0xA8 ||
                    static_cast<unsigned char>(utf8[i + 2]) == 0xA9)) {
            // The line and paragraph separators.
            out += ' ';
            i += 2;
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

} // namespace tessary
