// Every section, key and built-in default of the settings file "Tessary.ini", spelled once. The
// code that writes a value and the code that reads it both name it from here. No Qt: the core
// reads and writes the settings too.
#pragma once

#include "platform/ProfileFile.h"

#include <cstdio>
#include <string>

namespace tessary::settings {

// The settings file, in the working folder.
inline constexpr const char* kFileName = "Tessary.ini";

// Sections.
inline constexpr const char* kLayout = "Layout";
inline constexpr const char* kSettings = "Settings";
inline constexpr const char* kConstantValues = "ConstantValues";

// A key holding text, with the value read when it is missing.
struct TextKey {
    const char* section;
    const char* key;
    const char* defaultValue;
};

// A key holding an integer, with the value read when it is missing.
struct IntKey {
    const char* section;
    const char* key;
    int defaultValue;
};

// --- section "Layout" ---------------------------------------------------------------------------

// The main window: "1" when maximised else "0", then left, top, right and bottom of its normal
// rectangle, "%04d" each. A value of any other length than 17 is read as the default.
inline constexpr TextKey kMainWindowPos{kLayout, "MainWindowPos", "00010001006000400"};
// Width of the category tree in pixels.
inline constexpr IntKey kCategoryViewWidth{kLayout, "CategoryViewWidth", 200};
// Column widths of the lists, "%04d" per column.
inline constexpr TextKey kDeedViewColumns{kLayout, "DeedViewColumns",
                                          "0136011600790048004801000060"};
inline constexpr TextKey kConditionViewColumns{kLayout, "ConditionViewColumns",
                                               "010801160079004800360036012601260126012601260126"};
// The type list window: its placement in the form of kMainWindowPos, and its column widths. A
// stored placement of the wrong length is read as kEntityListPosWrongLength.
inline constexpr TextKey kEntityListPos{kLayout, "EntityListPos", "00030003006000400"};
inline constexpr const char* kEntityListPosWrongLength = "00030003006300430";
inline constexpr TextKey kEntityListViewColumns{kLayout, "EntityListViewColumns", "015001500150"};

// --- section "Settings" -------------------------------------------------------------------------

// Item orders (two digits per item) of sort item 99 of each list and of the simple text.
inline constexpr TextKey kDeedViewSortItem{kSettings, "DeedViewSortItem", "00010203040506"};
inline constexpr TextKey kConditionViewSortItem{kSettings, "ConditionViewSortItem", "0001020304"};
inline constexpr TextKey kSimpleTextOrder{kSettings, "SimpleTextOrder", "00010203"};
// The comment history of the deed entry dialog: "CommentValue001" to "CommentValue010".
inline constexpr TextKey kCommentValue{kSettings, "CommentValue%03d", ""};
// Whether a group's node of the category tree is expanded: "GroupExpand001" for group 1, ...
inline constexpr IntKey kGroupExpand{kSettings, "GroupExpand%03d", 1};
// The address the download dialog offers.
inline constexpr TextKey kPreviousDownLoadURL{kSettings, "PreviousDownLoadURL", "http://"};

// --- section "ConstantValues": the catalogue ----------------------------------------------------

inline constexpr IntKey kCatalogueCount{kConstantValues, "Count", 0};
// One value per entry, "Value0001" for the first.
inline constexpr TextKey kCatalogueValue{kConstantValues, "Value%04d", ""};

// --- reading and writing ------------------------------------------------------------------------

// The key of a numbered family (kCommentValue, kGroupExpand, kCatalogueValue) for `number`.
inline std::string numberedKey(const char* pattern, int number) {
    char key[48];
    std::snprintf(key, sizeof key, pattern, number);
    return key;
}

inline std::string read(const ProfileFile& file, const TextKey& key) {
    return file.readString(key.section, key.key, key.defaultValue);
}
inline int read(const ProfileFile& file, const IntKey& key) {
    return file.readInt(key.section, key.key, key.defaultValue);
}
inline bool write(ProfileFile& file, const TextKey& key, std::string_view value) {
    return file.writeString(key.section, key.key, value);
}
inline bool write(ProfileFile& file, const IntKey& key, int value) {
    return file.writeInt(key.section, key.key, value);
}

// The same for one member of a numbered family.
inline std::string read(const ProfileFile& file, const TextKey& family, int number) {
    return file.readString(family.section, numberedKey(family.key, number), family.defaultValue);
}
inline int read(const ProfileFile& file, const IntKey& family, int number) {
    return file.readInt(family.section, numberedKey(family.key, number), family.defaultValue);
}
inline bool write(ProfileFile& file, const TextKey& family, int number, std::string_view value) {
    return file.writeString(family.section, numberedKey(family.key, number), value);
}
inline bool write(ProfileFile& file, const IntKey& family, int number, int value) {
    return file.writeInt(family.section, numberedKey(family.key, number), value);
}

} // namespace tessary::settings
