#include "platform/AtomicFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tessary {
namespace {

namespace fs = std::filesystem;

using TempFolder = test::TempDir;

std::string contentOf(const std::string& path) {
    std::string bytes;
    EXPECT_EQ(readWholeFile(path, bytes), ReadFileStatus::Ok) << path;
    return bytes;
}

void writePlain(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

mode_t modeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(stat(path.c_str(), &st), 0);
    return st.st_mode & 07777;
}

TEST(AtomicFile, CreatesAndReplacesLeavingNothingElse) {
    TempFolder folder;
    const std::string path = folder.file("Tessary.ini");
    std::string error;
    const std::string binary("a\0b\r\n\xff", 6);
    ASSERT_TRUE(replaceFileAtomically(path, binary, &error)) << error;
    EXPECT_EQ(contentOf(path), binary);

    std::string big(3 * 1024 * 1024 + 7, 'x');
    for (std::size_t i = 0; i < big.size(); i += 4097) {
        big[i] = static_cast<char>(i);
    }
    ASSERT_TRUE(replaceFileAtomically(path, big, &error)) << error;
    EXPECT_EQ(contentOf(path), big);

    ASSERT_TRUE(replaceFileAtomically(path, "", &error)) << error;
    EXPECT_EQ(contentOf(path), "");
    EXPECT_EQ(folder.names(), std::set<std::string>{"Tessary.ini"});
}

TEST(AtomicFile, NewFileFollowsUmaskAndExistingFileKeepsItsPermissions) {
    TempFolder folder;
    const mode_t oldMask = umask(027);
    const std::string fresh = folder.file("fresh");
    const bool freshWritten = replaceFileAtomically(fresh, "x");
    umask(oldMask);
    ASSERT_TRUE(freshWritten);
    EXPECT_EQ(modeOf(fresh), 0640u);

    const std::string existing = folder.file("existing");
    writePlain(existing, "old");
    ASSERT_EQ(chmod(existing.c_str(), 0604), 0);
    ASSERT_TRUE(replaceFileAtomically(existing, "new"));
    EXPECT_EQ(modeOf(existing), 0604u);
    EXPECT_EQ(contentOf(existing), "new");
}

TEST(AtomicFile, ReplacesTheFileBehindASymbolicLink) {
    TempFolder folder;
    fs::create_directory(folder.file("real"));
    const std::string target = folder.file("real/settings.ini");
    writePlain(target, "old");
    ASSERT_EQ(chmod(target.c_str(), 0600), 0);
    // A relative link, as a user would make it.
    const std::string link = folder.file("link.ini");
    ASSERT_EQ(symlink("real/settings.ini", link.c_str()), 0);
    std::string error;
    ASSERT_TRUE(replaceFileAtomically(link, "new", &error)) << error;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contentOf(target), "new");
    EXPECT_EQ(modeOf(target), 0600u);
    EXPECT_EQ(folder.names(), (std::set<std::string>{"link.ini", "real"}));

    // A link to a file not made yet makes the file where the link points.
    const std::string dangling = folder.file("dangling.ini");
    ASSERT_EQ(symlink("real/later.ini", dangling.c_str()), 0);
    ASSERT_TRUE(replaceFileAtomically(dangling, "later", &error)) << error;
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(contentOf(folder.file("real/later.ini")), "later");
}

TEST(AtomicFile, FailsWithAReasonWhenTheFolderIsMissing) {
    TempFolder folder;
    std::string error;
    EXPECT_FALSE(replaceFileAtomically(folder.file("missing/Tessary.ini"), "x", &error));
    EXPECT_NE(error.find(std::strerror(ENOENT)), std::string::npos) << error;
    EXPECT_FALSE(replaceFileAtomically(folder.file("missing/Tessary.ini"), "x"));

    // A folder cannot be replaced by a file; the folder stays.
    fs::create_directory(folder.file("sub"));
    error.clear();
    EXPECT_FALSE(replaceFileAtomically(folder.file("sub"), "x", &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(fs::is_directory(folder.file("sub")));
    EXPECT_EQ(folder.names(), std::set<std::string>{"sub"});
}

TEST(AtomicFile, AWriteThatFailsHalfwayLeavesTheOldFileWhole) {
    TempFolder folder;
    const std::string path = folder.file("deeds.dat");
    const std::string old = "the old content";
    writePlain(path, old);

    // Files may grow to 64 bytes only; writing past that fails with EFBIG instead of a signal.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool written = replaceFileAtomically(path, std::string(1000, 'n'), &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, savedHandler);

    EXPECT_FALSE(written);
    EXPECT_NE(error.find(std::strerror(EFBIG)), std::string::npos) << error;
    EXPECT_EQ(contentOf(path), old);
    EXPECT_EQ(folder.names(), std::set<std::string>{"deeds.dat"});
}

TEST(AtomicFile, ReadsWholeFilesAndTellsWhyNot) {
    TempFolder folder;
    std::string bytes = "stale";
    EXPECT_EQ(readWholeFile(folder.file("none"), bytes), ReadFileStatus::NotFound);
    EXPECT_EQ(bytes, "");
    EXPECT_EQ(readWholeFile(folder.file("."), bytes), ReadFileStatus::CannotOpen);

    std::string big(200000, '\0');
    for (std::size_t i = 0; i < big.size(); ++i) {
        big[i] = static_cast<char>(i * 7);
    }
    writePlain(folder.file("big"), big);
    EXPECT_EQ(readWholeFile(folder.file("big"), bytes), ReadFileStatus::Ok);
    EXPECT_EQ(bytes, big);

    // A file whose size the system reports as 0 is still read to its end.
    EXPECT_EQ(readWholeFile("/proc/self/status", bytes), ReadFileStatus::Ok);
    EXPECT_NE(bytes.find("Pid:"), std::string::npos);

    // A named pipe without a writer reads as empty instead of blocking.
    ASSERT_EQ(mkfifo(folder.file("pipe").c_str(), 0600), 0);
    EXPECT_EQ(readWholeFile(folder.file("pipe"), bytes), ReadFileStatus::Ok);
    EXPECT_EQ(bytes, "");
}

TEST(AtomicFile, PathExistsForEveryKindOfEntry) {
    TempFolder folder;
    writePlain(folder.file("file"), "x");
    ASSERT_EQ(symlink("nowhere", folder.file("dangling").c_str()), 0);
    EXPECT_TRUE(pathExists(folder.file("file")));
    EXPECT_TRUE(pathExists(folder.file(".")));
    EXPECT_TRUE(pathExists(folder.file("dangling")));
    EXPECT_FALSE(pathExists(folder.file("none")));
    EXPECT_FALSE(pathExists(folder.file("file/below")));
}

} // namespace
} // namespace tessary
