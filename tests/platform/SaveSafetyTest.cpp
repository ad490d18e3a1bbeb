// How a save reaches the disk: the order of the system calls, what a failing call leaves behind,
// files the user made read-only, folders that allow no temporary file, and the clean-up of
// temporary files a crash left behind.
#include "content/DeedDocument.h"
#include "platform/AtomicFile.h"
#include "platform/ProfileFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace tessary {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

// Passes every call to the system, records it, and makes the call named `failing` fail with
// `failError` instead.
class RecordingCalls : public FileCalls {
public:
    std::vector<std::string> log;
    std::string failing;
    int failError = EIO;
    std::string createdPath;

    int createExclusive(const char* path) override {
        createdPath = path;
        return record("create", [&] { return FileCalls::createExclusive(path); });
    }
    int openForWriting(const char* path) override {
        return record("open", [&] { return FileCalls::openForWriting(path); });
    }
    ssize_t write(int fd, const void* data, std::size_t size) override {
        // Consecutive writes are one step of the order.
        if (!log.empty() && log.back() == "write" && failing != "write") {
            return FileCalls::write(fd, data, size);
        }
        return record("write", [&] { return FileCalls::write(fd, data, size); });
    }
    int truncate(int fd, off_t size) override {
        return record("truncate", [&] { return FileCalls::truncate(fd, size); });
    }
    int fsync(int fd) override {
        return record("fsync", [&] { return FileCalls::fsync(fd); });
    }
    int close(int fd) override {
        // A failing close still releases the descriptor, as the system's does.
        if (failing == "close") {
            FileCalls::close(fd);
        }
        return record("close", [&] { return FileCalls::close(fd); });
    }
    int rename(const char* from, const char* to) override {
        return record("rename", [&] { return FileCalls::rename(from, to); });
    }

private:
    template <typename Call>
    auto record(const char* name, Call call) -> decltype(call()) {
        log.emplace_back(name);
        if (failing == name) {
            errno = failError;
            return -1;
        }
        return call();
    }
};

// Puts calls in place for the lifetime of the object.
class CallsInForce {
public:
    explicit CallsInForce(FileCalls& calls) : previous_(setFileCalls(&calls)) {}
    ~CallsInForce() { setFileCalls(previous_); }
    CallsInForce(const CallsInForce&) = delete;
    CallsInForce& operator=(const CallsInForce&) = delete;

private:
    FileCalls* previous_;
};

ino_t inodeOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(stat(path.c_str(), &st), 0);
    return st.st_ino;
}

using Log = std::vector<std::string>;

TEST(SaveSafety, WritesSyncsClosesThenRenamesAndAnyFailureKeepsTheOldFile) {
    TempDir dir;
    const std::string path = dir.file("Tessary.dat");
    dir.write("Tessary.dat", "old contents");
    {
        RecordingCalls calls;
        CallsInForce inForce(calls);
        ASSERT_TRUE(replaceFileAtomically(path, std::string(100000, 'n')));
        // The last sync makes the rename itself durable.
        EXPECT_EQ(calls.log, (Log{"create", "write", "fsync", "close", "rename", "fsync"}));
        // The temporary file is one the clean-up at start-up recognises as its own.
        EXPECT_TRUE(isTemporaryFileName(fs::path(calls.createdPath).filename().string()))
            << calls.createdPath;
    }
    EXPECT_EQ(dir.read("Tessary.dat"), std::string(100000, 'n'));

    dir.write("Tessary.dat", "old contents");
    // Nothing after a failing call happens but closing the file: above all, no rename of a file
    // that was not synced.
    const std::pair<std::string, Log> failures[] = {
        {"create", {"create"}},
        {"write", {"create", "write", "close"}},
        {"fsync", {"create", "write", "fsync", "close"}},
        {"close", {"create", "write", "fsync", "close"}},
        {"rename", {"create", "write", "fsync", "close", "rename"}},
    };
    for (const auto& [failing, log] : failures) {
        SCOPED_TRACE(failing);
        RecordingCalls calls;
        calls.failing = failing;
        calls.failError = failing == "create" ? ENOSPC : EIO;
        CallsInForce inForce(calls);
        std::string error;
        EXPECT_FALSE(replaceFileAtomically(path, "new contents", &error));
        EXPECT_NE(error.find(std::strerror(calls.failError)), std::string::npos) << error;
        EXPECT_EQ(calls.log, log);
        EXPECT_EQ(dir.read("Tessary.dat"), "old contents");
        EXPECT_EQ(dir.names(), std::set<std::string>{"Tessary.dat"});
    }
}

TEST(SaveSafety, AFileItsOwnerMadeReadOnlyIsNeitherReplacedNorWritten) {
    TempDir dir;
    DeedDocument doc;
    doc.catalogue().buildDefault();
    ASSERT_TRUE(doc.openDocument(dir.folderPath()).ok());
    const std::string deeds = dir.file("Tessary.dat");
    dir.write("Tessary.dat", "protected");
    dir.write("Tessary.ini", "[A]\r\nKey=protected\r\n");
    const std::string settings = dir.file("Tessary.ini");
    for (const mode_t mode : {0444, 0400, 0466}) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(chmod(deeds.c_str(), mode), 0);
        ASSERT_EQ(chmod(settings.c_str(), mode), 0);

        const DocFileResult saved = doc.saveDocument(dir.folderPath());
        EXPECT_EQ(saved.error, DocFileError::WriteFailed);
        EXPECT_NE(saved.detail.find(std::strerror(EACCES)), std::string::npos) << saved.detail;
        ProfileFile profile(settings);
        EXPECT_FALSE(profile.writeString("A", "Key", "changed"));
        profile.beginBatch();
        profile.writeString("A", "Key", "changed");
        EXPECT_FALSE(profile.endBatch());

        EXPECT_EQ(dir.read("Tessary.dat"), "protected");
        EXPECT_EQ(dir.read("Tessary.ini"), "[A]\r\nKey=protected\r\n");
        EXPECT_EQ(dir.names(), (std::set<std::string>{"Tessary.dat", "Tessary.ini"}));
    }
    // Write permission for the owner is all it takes.
    ASSERT_EQ(chmod(deeds.c_str(), 0600), 0);
    EXPECT_TRUE(doc.saveDocument(dir.folderPath()).ok());
    EXPECT_EQ(dir.read("Tessary.dat"), doc.writeDocument());
}

TEST(SaveSafety, AFolderWithoutRoomForATemporaryFileIsWrittenInPlace) {
    TempDir dir;
    const std::string path = dir.file("Tessary.dat");
    dir.write("Tessary.dat", "a longer old content");
    const ino_t inode = inodeOf(path);
    RecordingCalls calls;
    calls.failing = "create";
    calls.failError = EACCES;
    CallsInForce inForce(calls);

    std::string error;
    ASSERT_TRUE(replaceFileAtomically(path, "short", &error)) << error;
    EXPECT_EQ(calls.log, (Log{"create", "open", "write", "truncate", "fsync", "close"}));
    EXPECT_EQ(dir.read("Tessary.dat"), "short");
    EXPECT_EQ(inodeOf(path), inode);
    ASSERT_TRUE(replaceFileAtomically(path, std::string(70000, 'L'), &error)) << error;
    EXPECT_EQ(dir.read("Tessary.dat"), std::string(70000, 'L'));
    EXPECT_EQ(dir.names(), std::set<std::string>{"Tessary.dat"});

    // No file to write into: the save fails and makes none.
    EXPECT_FALSE(replaceFileAtomically(dir.file("new.dat"), "x", &error));
    EXPECT_NE(error.find(std::strerror(EACCES)), std::string::npos) << error;
    EXPECT_EQ(dir.names(), std::set<std::string>{"Tessary.dat"});

    // A full disk is no reason to risk the file: only a refused folder falls back.
    calls.failError = ENOSPC;
    EXPECT_FALSE(replaceFileAtomically(path, "other", &error));
    EXPECT_EQ(dir.read("Tessary.dat"), std::string(70000, 'L'));
}

TEST(SaveSafety, StartUpCleanUpRemovesOnlyItsOwnLeftoverTemporaryFiles) {
    TempDir dir;
    const std::set<std::string> leftovers = {".Tessary.dat.tmp-a1B2c3", ".Tessary.ini.tmp-ZZZZZZ",
                                             ".x.tmp-000000"};
    const std::set<std::string> others = {"Tessary.dat",
                                          ".Tessary.dat",
                                          "Tessary.dat.tmp-a1B2c3",
                                          ".Tessary.dat.tmp-a1B2c",
                                          ".Tessary.dat.tmp-a1B2c3d",
                                          ".Tessary.dat.tmp-a1_2c3",
                                          ".tmp-abcdef",
                                          ".Tessary.dat.tmp_abcdef",
                                          ".Tessary.dat.TMP-abcdef"};
    for (const std::string& name : leftovers) {
        dir.write(name, "partial save");
    }
    for (const std::string& name : others) {
        dir.write(name, "keep");
    }
    // A folder and a link named like leftovers stay, and so does the file the link points at.
    fs::create_directory(dir.file(".folder.tmp-abcdef"));
    ASSERT_EQ(symlink("Tessary.dat", dir.file(".link.tmp-abcdef").c_str()), 0);

    EXPECT_EQ(removeLeftoverTemporaryFiles(dir.path()), 3);
    std::set<std::string> expected = others;
    expected.insert({".folder.tmp-abcdef", ".link.tmp-abcdef"});
    EXPECT_EQ(dir.names(), expected);
    EXPECT_EQ(dir.read("Tessary.dat"), "keep");
    EXPECT_EQ(removeLeftoverTemporaryFiles(dir.path()), 0);
    EXPECT_EQ(removeLeftoverTemporaryFiles(dir.file("missing")), 0);
}

} // namespace
} // namespace tessary
