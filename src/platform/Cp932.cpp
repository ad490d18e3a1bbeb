#include "platform/Cp932.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace tessary {

namespace {

const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);

// The conversion descriptors of one thread, opened on first use and kept because the core
// converts many short texts (every name shown in the list). A descriptor must not be shared
// between threads, hence one set per thread.
class Converters {
public:
    Converters() = default;
    Converters(const Converters&) = delete;
    Converters& operator=(const Converters&) = delete;
    ~Converters() {
        for (iconv_t cd : {utf8ToCp932_, cp932ToUtf8_, utf16leToCp932_}) {
            if (cd != kNoDescriptor) {
                iconv_close(cd);
            }
        }
    }

    iconv_t utf8ToCp932() { return get(utf8ToCp932_, "CP932", "UTF-8"); }
    iconv_t cp932ToUtf8() { return get(cp932ToUtf8_, "UTF-8", "CP932"); }
    iconv_t utf16leToCp932() { return get(utf16leToCp932_, "CP932", "UTF-16LE"); }

private:
    static iconv_t get(iconv_t& slot, const char* to, const char* from) {
        if (slot == kNoDescriptor) {
            slot = iconv_open(to, from);
        } else {
            // Back to the initial shift state, so nothing of the previous text carries over.
            iconv(slot, nullptr, nullptr, nullptr, nullptr);
        }
        return slot;
    }

    iconv_t utf8ToCp932_ = kNoDescriptor;
    iconv_t cp932ToUtf8_ = kNoDescriptor;
    iconv_t utf16leToCp932_ = kNoDescriptor;
};

Converters& converters() {
    thread_local Converters instance;
    return instance;
}

// Length of the well-formed UTF-8 sequence at the start of `s`, or 0 when it is not one.
std::size_t utf8SequenceLength(std::string_view s) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char b0 = byte(0);
    std::size_t length;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (b0 < 0x80) {
        return 1;
    } else if (b0 >= 0xC2 && b0 <= 0xDF) {
        length = 2;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        length = 3;
        if (b0 == 0xE0) {
            low = 0xA0;
        } else if (b0 == 0xED) {
            high = 0x9F; // surrogates are not characters
        }
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        length = 4;
        if (b0 == 0xF0) {
            low = 0x90;
        } else if (b0 == 0xF4) {
            high = 0x8F;
        }
    } else {
        return 0;
    }
    if (s.size() < length) {
        return 0;
    }
    if (byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

// Number of input bytes that make up the UTF-16LE character (or unpaired surrogate) at the start
// of `s`, which holds at least two bytes.
std::size_t utf16leUnitLength(std::string_view s) {
    const auto unit = [&](std::size_t i) {
        return static_cast<unsigned>(static_cast<unsigned char>(s[i])) |
               (static_cast<unsigned>(static_cast<unsigned char>(s[i + 1])) << 8);
    };
    const unsigned first = unit(0);
    if (first >= 0xD800 && first <= 0xDBFF && s.size() >= 4) {
        const unsigned second = unit(2);
        if (second >= 0xDC00 && second <= 0xDFFF) {
            return 4;
        }
    }
    return 2;
}

// Runs `cd` over `input`, whose converted text is at most `growth` times as long. At a sequence
// iconv cannot convert, `replacement` goes to the output, `skip(rest)` tells how many input bytes
// to pass over (at least one), and conversion goes on.
template <typename Skip>
std::string convert(iconv_t cd, std::string_view input, std::size_t growth, bool asciiPasses,
                    std::string_view replacement, Skip skip) {
    std::string out;
    if (input.empty()) {
        return out;
    }
    if (cd == kNoDescriptor) {
        // The C library has no tables for the conversion: only single-byte ASCII passes.
        for (std::size_t i = 0; i < input.size();) {
            if (asciiPasses && static_cast<unsigned char>(input[i]) < 0x80) {
                out.push_back(input[i]);
                ++i;
            } else {
                out.append(replacement);
                i += skip(input.substr(i));
            }
        }
        return out;
    }
    out.resize(input.size() * growth + 16);
    std::size_t used = 0;
    // iconv takes a non-const input pointer but never writes through it.
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    for (;;) {
        char* outPtr = out.data() + used;
        std::size_t outLeft = out.size() - used;
        // With no input left this flushes a pending shift sequence (none for these encodings).
        const std::size_t result = inLeft > 0 ? iconv(cd, &in, &inLeft, &outPtr, &outLeft)
                                              : iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
        used = out.size() - outLeft;
        if (result != static_cast<std::size_t>(-1)) {
            if (inLeft == 0) {
                break;
            }
            continue;
        }
        if (errno == E2BIG) {
            out.resize(out.size() * 2 + 16);
            continue;
        }
        if (inLeft == 0) {
            break;
        }
        // EILSEQ, EINVAL (incomplete at the end) or anything else: replace and go on.
        if (out.size() - used < replacement.size()) {
            out.resize(out.size() * 2 + replacement.size());
        }
        std::memcpy(out.data() + used, replacement.data(), replacement.size());
        used += replacement.size();
        const std::size_t skipped = skip(std::string_view(in, inLeft));
        in += skipped;
        inLeft -= skipped;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(used);
    return out;
}

} // namespace

std::string utf8ToCp932(std::string_view utf8) {
    // A whole character CP932 lacks is one '?'; a malformed byte is one '?' each.
    return convert(converters().utf8ToCp932(), utf8, 1, true, "?", [](std::string_view rest) {
        const std::size_t length = utf8SequenceLength(rest);
        return length == 0 ? std::size_t{1} : length;
    });
}

std::optional<std::string> utf8ToCp932Exact(std::string_view utf8) {
    bool refused = false;
    std::string out =
        convert(converters().utf8ToCp932(), utf8, 1, true, "?", [&refused](std::string_view) {
            refused = true;
            return std::size_t{1};
        });
    if (refused) {
        return std::nullopt;
    }
    return out;
}

std::string cp932ToUtf8(std::string_view cp932) {
    return convert(converters().cp932ToUtf8(), cp932, 3, true, "\xEF\xBF\xBD",
                   [](std::string_view) { return std::size_t{1}; });
}

std::string utf16leToCp932(std::string_view utf16leBytes) {
    const std::string_view whole = utf16leBytes.substr(0, utf16leBytes.size() & ~std::size_t{1});
    return convert(converters().utf16leToCp932(), whole, 1, false, "?", [](std::string_view rest) {
        return rest.size() >= 2 ? utf16leUnitLength(rest) : rest.size();
    });
}

namespace {

// The next character of `text` at `i` as compareCp932 counts it; advances `i` past it.
unsigned nextCp932Char(std::string_view text, std::size_t& i) {
    const unsigned char lead = static_cast<unsigned char>(text[i]);
    if (isCp932LeadByte(lead) && i + 1 < text.size()) {
        const unsigned char trail = static_cast<unsigned char>(text[i + 1]);
        i += 2;
        return lead * 256u + trail;
    }
    i += 1;
    return lead;
}

} // namespace

int compareCp932(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const unsigned ca = nextCp932Char(a, i);
        const unsigned cb = nextCp932Char(b, j);
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    const bool aLeft = i < a.size();
    const bool bLeft = j < b.size();
    return aLeft == bLeft ? 0 : (aLeft ? 1 : -1);
}

void appendCp932CollationKey(std::string& out, std::string_view cp932) {
    // Each character becomes a code whose first byte tells its kind, so the codes are prefix-free
    // and their byte order is the character order: ASCII x is [x], another single byte x is
    // [0x80, x], and a double-byte character is [0x81, lead, trail].
    out.reserve(out.size() + cp932.size());
    std::size_t i = 0;
    while (i < cp932.size()) {
        const unsigned char c = static_cast<unsigned char>(cp932[i]);
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            ++i;
        } else if (isCp932LeadByte(c) && i + 1 < cp932.size()) {
            out.push_back(static_cast<char>(0x81));
            out.push_back(static_cast<char>(c));
            out.push_back(cp932[i + 1]);
            i += 2;
        } else {
            out.push_back(static_cast<char>(0x80));
            out.push_back(static_cast<char>(c));
            ++i;
        }
    }
}

} // namespace tessary
