// Feeds arbitrary bytes to the settings file reader and writer. Reading must never crash, a
// written value must read back as written (line breaks turned into blanks), and a write must not
// change what any other key reads.
#include "FuzzScratch.h"
#include "platform/AtomicFile.h"
#include "platform/ProfileFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <unistd.h>

namespace {

// What a read returns for a missing key. No value can hold a line break, so no key that is
// present can read as this.
constexpr const char* kMissing = "\nmissing";

struct Probe {
    const char* section;
    const char* key;
};

// Names the seed files use, in several spellings, and a few that no file is likely to have.
const Probe kProbes[] = {
    {"Window", "Width"},    {"WINDOW", "height"},
    {"Columns", "Order"},   {"Find", "Text"},
    {"Catalogue", "Count"}, {"", ""},
    {"Missing", "Key"},     {"a", "b"},
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string& path = fuzzing::scratchFile("Tessary.ini");
    if (!tessary::replaceFileAtomically(path, input)) {
        std::abort();
    }
    tessary::ProfileFile profile(path);

    std::string before[sizeof kProbes / sizeof kProbes[0]];
    for (std::size_t i = 0; i < sizeof kProbes / sizeof kProbes[0]; ++i) {
        before[i] = profile.readString(kProbes[i].section, kProbes[i].key, kMissing);
        const int number = profile.readInt(kProbes[i].section, kProbes[i].key, -7);
        fuzzing::check(before[i] != kMissing || number == -7, "readInt default for a missing key");
    }

    // The value written is the input's first bytes, so it meets every kind of byte too.
    const std::string_view value = input.substr(0, 40);
    std::string expected(value);
    for (char& c : expected) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    fuzzing::check(profile.writeString("Fuzz", "Value", value), "writeString");
    fuzzing::check(profile.readString("fuzz", "VALUE", kMissing) == expected, "value reads back");
    fuzzing::check(profile.writeInt("Fuzz", "Number", static_cast<int>(size) - 100), "writeInt");
    fuzzing::check(profile.readInt("FUZZ", "number", 0) == static_cast<int>(size) - 100,
                   "int reads back");
    fuzzing::check(profile.readString("fuzz", "VALUE", kMissing) == expected, "value survives");

    for (std::size_t i = 0; i < sizeof kProbes / sizeof kProbes[0]; ++i) {
        fuzzing::check(profile.readString(kProbes[i].section, kProbes[i].key, kMissing) ==
                           before[i],
                       "other keys unchanged");
    }
    return 0;
}
