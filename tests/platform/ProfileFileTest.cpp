#include "platform/ProfileFile.h"
#include "support/TempDir.h"

#include "platform/AtomicFile.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

namespace tessary {
namespace {

namespace fs = std::filesystem;

using TempFolder = test::TempDir;

std::string contentOf(const std::string& path) {
    std::string bytes;
    readWholeFile(path, bytes);
    return bytes;
}

void writePlain(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(ProfileFile, ReadsValuesWithWindowsRules) {
    TempFolder folder;
    const std::string path = folder.file("Tessary.ini");
    writePlain(path, "top=before any section\n"
                     "  [ Window ]  \r\n"
                     "Width = 640 \r\n"
                     "\tHeight\t=\t480\t\n"
                     "; Left=1\n"
                     "Title=\"  spaced  \"\n"
                     "Half=\"open\n"
                     "Empty=\n"
                     "Number=-12x\n"
                     "Word=abc\n"
                     "Huge=99999999999\n"
                     "Quoted=\"42\"\n"
                     "no equals sign here\n"
                     "Width=800\n"
                     "[window]\n"
                     "Depth=3\n"
                     "[Other]\n"
                     "Name=\x83\x65\x83\x54\x83\x8a\n"
                     "Last=no line end");
    const ProfileFile profile(path);
    EXPECT_EQ(profile.path(), path);
    EXPECT_EQ(profile.readString("Window", "Width", "d"), "640");
    EXPECT_EQ(profile.readString("WINDOW", "width", "d"), "640");
    EXPECT_EQ(profile.readString("Window", "Height", "d"), "480");
    EXPECT_EQ(profile.readString("Window", "Left", "d"), "d");
    EXPECT_EQ(profile.readString("Window", "; Left", "d"), "d");
    EXPECT_EQ(profile.readString("Window", "Title", "d"), "  spaced  ");
    EXPECT_EQ(profile.readString("Window", "Half", "d"), "\"open");
    EXPECT_EQ(profile.readString("Window", "Empty", "d"), "");
    EXPECT_EQ(profile.readString("Window", "no equals sign here", "d"), "d");
    // Keys outside every section, and in a later section of the same name, are not found.
    EXPECT_EQ(profile.readString("", "top", "d"), "d");
    EXPECT_EQ(profile.readString("Window", "Depth", "d"), "d");
    EXPECT_EQ(profile.readString("Other", "Name", "d"), "\x83\x65\x83\x54\x83\x8a");
    EXPECT_EQ(profile.readString("Other", "Last", "d"), "no line end");
    EXPECT_EQ(profile.readString("Missing", "Width", "d"), "d");

    EXPECT_EQ(profile.readInt("Window", "Width", -1), 640);
    EXPECT_EQ(profile.readInt("Window", "Number", -1), -12);
    EXPECT_EQ(profile.readInt("Window", "Word", -1), 0);
    EXPECT_EQ(profile.readInt("Window", "Empty", -1), 0);
    EXPECT_EQ(profile.readInt("Window", "Huge", -1), INT_MAX);
    EXPECT_EQ(profile.readInt("Window", "Quoted", -1), 42);
    EXPECT_EQ(profile.readInt("Window", "Missing", -1), -1);

    const ProfileFile missing(folder.file("none.ini"));
    EXPECT_EQ(missing.readString("Window", "Width", "d"), "d");
    EXPECT_EQ(missing.readInt("Window", "Width", 7), 7);
}

TEST(ProfileFile, ReadsFollowTheFileWhenSomethingElseChangesIt) {
    TempFolder folder;
    const std::string path = folder.file("Tessary.ini");
    writePlain(path, "[A]\nKey=1\n");
    ProfileFile profile(path);
    ProfileFile other(path);
    EXPECT_EQ(profile.readInt("A", "Key", -1), 1);
    // Rewritten in place with a text of the same length, then replaced, then removed.
    writePlain(path, "[A]\nKey=2\n");
    EXPECT_EQ(profile.readInt("A", "Key", -1), 2);
    ASSERT_TRUE(other.writeString("A", "Key", "3"));
    EXPECT_EQ(profile.readInt("A", "Key", -1), 3);
    fs::remove(path);
    EXPECT_EQ(profile.readInt("A", "Key", -1), -1);
    // Its own writes are seen at once, inside and outside a batch.
    ASSERT_TRUE(profile.writeInt("A", "Key", 4));
    EXPECT_EQ(other.readInt("A", "Key", -1), 4);
    profile.beginBatch();
    profile.writeInt("A", "Key", 5);
    EXPECT_EQ(profile.readInt("A", "Key", -1), 5);
    EXPECT_EQ(other.readInt("A", "Key", -1), 4);
    EXPECT_TRUE(profile.endBatch());
    EXPECT_EQ(other.readInt("a", "KEY", -1), 5);
}

TEST(ProfileFile, NamesFoldAsciiCaseOnly) {
    TempFolder folder;
    const std::string path = folder.file("Tessary.ini");
    // 0x83 0x41 and 0x83 0x61 are two different katakana whose trail bytes are 'A' and 'a'.
    writePlain(path, "[\x83\x41]\r\nKey=first\r\n[\xC0]\r\nKey=single\r\n");
    const ProfileFile profile(path);
    EXPECT_EQ(profile.readString("\x83\x41", "KEY", "d"), "first");
    EXPECT_EQ(profile.readString("\x83\x61", "Key", "d"), "d");
    EXPECT_EQ(profile.readString("\xC0", "key", "d"), "single");
    EXPECT_EQ(profile.readString("\xE0", "key", "d"), "d");
}

TEST(ProfileFile, WritingKeepsEveryOtherLine) {
    TempFolder folder;
    const std::string path = folder.file("Tessary.ini");
    writePlain(path, "; Tessary settings\n"
                     "[Window]\n"
                     "WIDTH=640\n"
                     "Height=480\n"
                     "; about the list\n"
                     "\n"
                     "[Unknown]\r\n"
                     "  odd line  \n"
                     "X = 1\n"
                     "x=2\n"
                     "[window]\n"
                     "Width=111");
    ProfileFile profile(path);

    // An existing key is replaced in place, keeping its spelling and the first of duplicates.
    ASSERT_TRUE(profile.writeString("window", "width", "800"));
    ASSERT_TRUE(profile.writeString("unknown", "x", "3"));
    EXPECT_EQ(contentOf(path), "; Tessary settings\r\n"
                               "[Window]\r\n"
                               "WIDTH=800\r\n"
                               "Height=480\r\n"
                               "; about the list\r\n"
                               "\r\n"
                               "[Unknown]\r\n"
                               "  odd line  \r\n"
                               "X=3\r\n"
                               "x=2\r\n"
                               "[window]\r\n"
                               "Width=111\r\n");
    EXPECT_EQ(profile.readString("Unknown", "X", "d"), "3");

    // A new key goes after the section's last key, before what follows it.
    ASSERT_TRUE(profile.writeInt("Window", "Left", -5));
    // A new section goes at the end.
    ASSERT_TRUE(profile.writeString("Columns", "Order", "1,2,3"));
    EXPECT_EQ(contentOf(path), "; Tessary settings\r\n"
                               "[Window]\r\n"
                               "WIDTH=800\r\n"
                               "Height=480\r\n"
                               "Left=-5\r\n"
                               "; about the list\r\n"
                               "\r\n"
                               "[Unknown]\r\n"
                               "  odd line  \r\n"
                               "X=3\r\n"
                               "x=2\r\n"
                               "[window]\r\n"
                               "Width=111\r\n"
                               "\r\n"
                               "[Columns]\r\n"
                               "Order=1,2,3\r\n");
    EXPECT_EQ(profile.readInt("Window", "Left", 0), -5);
    EXPECT_EQ(profile.readString("Columns", "Order", ""), "1,2,3");
}

TEST(ProfileFile, StartsAFileAndAddsToAnEmptySection) {
    TempFolder folder;
    const std::string path = folder.file("Tessary.ini");
    ProfileFile profile(path);
    ASSERT_TRUE(profile.writeString("Find", "Text", "abc"));
    EXPECT_EQ(contentOf(path), "[Find]\r\nText=abc\r\n");

    writePlain(path, "[Empty]\n\n\n[Next]\nA=1\n");
    ASSERT_TRUE(profile.writeString("Empty", "B", "2"));
    EXPECT_EQ(contentOf(path), "[Empty]\r\nB=2\r\n\r\n\r\n[Next]\r\nA=1\r\n");
}

TEST(ProfileFile, WrittenValuesReadBackUnchanged) {
    TempFolder folder;
    ProfileFile profile(folder.file("Tessary.ini"));
    const std::string values[] = {"",
                                  "plain",
                                  "  blanks at both ends\t",
                                  "\"quoted\"",
                                  "\"",
                                  "a=b;c[d]",
                                  "\x83\x65\x83\x54 \x81\x40",
                                  std::string("nul\0inside", 10),
                                  std::string(2 * 1024 * 1024, 'M')};
    for (const std::string& value : values) {
        ASSERT_TRUE(profile.writeString("Values", "Key", value));
        EXPECT_EQ(profile.readString("Values", "Key", "d"), value);
    }
    // Line breaks would end the line early; they become blanks.
    ASSERT_TRUE(profile.writeString("Values", "Key", "one\r\ntwo\nthree\r"));
    ASSERT_TRUE(profile.writeString("Values", "After", "ok"));
    EXPECT_EQ(profile.readString("Values", "Key", "d"), "one  two three ");
    EXPECT_EQ(profile.readString("Values", "After", "d"), "ok");
    EXPECT_EQ(contentOf(folder.file("Tessary.ini")),
              "[Values]\r\nKey=\"one  two three \"\r\nAfter=ok\r\n");

    for (const int value : {0, 1, -1, INT_MAX, INT_MIN}) {
        ASSERT_TRUE(profile.writeInt("Values", "Int", value));
        EXPECT_EQ(profile.readInt("Values", "Int", 99), value);
    }
}

TEST(ProfileFile, BatchWritesTheFileOnce) {
    TempFolder folder;
    const std::string path = folder.file("Tessary.ini");
    const std::string before = "; kept\n[Catalogue]\nCount=0\n";
    writePlain(path, before);
    ProfileFile profile(path);

    profile.beginBatch();
    ASSERT_TRUE(profile.writeInt("Catalogue", "Count", 2));
    profile.beginBatch();
    ASSERT_TRUE(profile.writeString("Catalogue", "Item1", "a"));
    EXPECT_TRUE(profile.endBatch());
    ASSERT_TRUE(profile.writeString("Catalogue", "Item2", "b"));
    // Reads inside the batch see its writes; the file does not change until the batch ends.
    EXPECT_EQ(profile.readInt("Catalogue", "Count", -1), 2);
    EXPECT_EQ(profile.readString("Catalogue", "Item1", ""), "a");
    EXPECT_EQ(contentOf(path), before);
    EXPECT_TRUE(profile.endBatch());
    EXPECT_EQ(contentOf(path), "; kept\r\n[Catalogue]\r\nCount=2\r\nItem1=a\r\nItem2=b\r\n");

    // After the batch, writes go to the file at once again.
    ASSERT_TRUE(profile.writeInt("Catalogue", "Count", 3));
    EXPECT_EQ(ProfileFile(path).readInt("Catalogue", "Count", -1), 3);

    // A batch without writes leaves the file alone, even when it changed meanwhile.
    profile.beginBatch();
    writePlain(path, "changed");
    EXPECT_TRUE(profile.endBatch());
    EXPECT_EQ(contentOf(path), "changed");
}

TEST(ProfileFile, FailedWritesReturnFalseAndChangeNothing) {
    TempFolder folder;
    // The file's parent is a regular file, so nothing can be made there.
    writePlain(folder.file("plain"), "x");
    ProfileFile nowhere(folder.file("plain/Tessary.ini"));
    EXPECT_FALSE(nowhere.writeString("A", "B", "C"));
    EXPECT_FALSE(nowhere.writeInt("A", "B", 1));
    nowhere.beginBatch();
    nowhere.writeString("A", "B", "C");
    EXPECT_FALSE(nowhere.endBatch());
    EXPECT_EQ(contentOf(folder.file("plain")), "x");

    // A settings path that names a folder cannot be read, so it must not be written over.
    fs::create_directory(folder.file("dir.ini"));
    ProfileFile folderProfile(folder.file("dir.ini"));
    EXPECT_FALSE(folderProfile.writeString("A", "B", "C"));
    folderProfile.beginBatch();
    EXPECT_FALSE(folderProfile.writeString("A", "B", "C"));
    EXPECT_FALSE(folderProfile.endBatch());
    EXPECT_TRUE(fs::is_directory(folder.file("dir.ini")));
}

TEST(ProfileFile, JunkNeverBreaksReadingOrWriting) {
    TempFolder folder;
    const std::string path = folder.file("Tessary.ini");
    std::string junk;
    for (int i = 0; i < 5000; ++i) {
        junk.push_back(static_cast<char>((i * 131) % 256));
        if (i % 97 == 0) {
            junk += "\n[S]\r=\r\n[\n]\n==\n[ ]=x\n";
        }
    }
    junk += "\n[S]\nK=" + std::string(3 * 1024 * 1024, '\xff') + "\r\r\n[";
    writePlain(path, junk);
    ProfileFile profile(path);
    const std::string before = profile.readString("S", "K", "none");
    ASSERT_TRUE(profile.writeString("New", "Key", "v"));
    EXPECT_EQ(profile.readString("New", "Key", ""), "v");
    EXPECT_EQ(profile.readString("S", "K", "none"), before);
    ASSERT_TRUE(profile.writeString("S", "K", "w"));
    EXPECT_EQ(profile.readString("S", "K", ""), "w");
}

} // namespace
} // namespace tessary
