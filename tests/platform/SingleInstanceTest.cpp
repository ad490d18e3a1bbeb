#include "platform/SingleInstance.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace tessary {
namespace {

namespace fs = std::filesystem;

using TempFolder = test::TempDir;

// Sets an environment variable for the lifetime of the object, then puts the old value back.
class EnvironmentOverride {
public:
    EnvironmentOverride(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~EnvironmentOverride() {
        if (old_) {
            setenv(name_.c_str(), old_->c_str(), 1);
        } else {
            unsetenv(name_.c_str());
        }
    }
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

private:
    std::string name_;
    std::optional<std::string> old_;
};

TEST(SingleInstance, OnlyOneHolderAtATime) {
    TempFolder folder;
    SingleInstanceLock first(folder.path());
    EXPECT_EQ(first.lockPath(), folder.path() + "/TESSARY BY KORVANEL.PLIX 2002.lock");
    EXPECT_FALSE(first.held());
    ASSERT_TRUE(first.acquire());
    EXPECT_TRUE(first.held());
    EXPECT_TRUE(first.acquire());

    {
        SingleInstanceLock second(folder.path() + "/");
        EXPECT_EQ(second.lockPath(), first.lockPath());
        EXPECT_FALSE(second.acquire());
        EXPECT_FALSE(second.held());
        first.release();
        EXPECT_FALSE(first.held());
        ASSERT_TRUE(second.acquire());
        EXPECT_FALSE(first.acquire());
    }
    // The second one gave the marker up when it was destroyed; the lock file stays.
    EXPECT_TRUE(first.acquire());
    EXPECT_TRUE(fs::exists(first.lockPath()));

    SingleInstanceLock nowhere(folder.path() + "/missing");
    EXPECT_FALSE(nowhere.acquire());
    EXPECT_FALSE(nowhere.held());
}

TEST(SingleInstance, TellsARunningInstanceFromAMarkerThatCannotBeMade) {
    TempFolder folder;
    SingleInstanceLock first(folder.path());
    ASSERT_EQ(first.tryAcquire(), SingleInstanceLock::Outcome::Acquired);
    SingleInstanceLock second(folder.path());
    EXPECT_EQ(second.tryAcquire(), SingleInstanceLock::Outcome::HeldElsewhere);

    // A link planted under the lock file's name is refused, and nothing is made where it points.
    TempFolder planted;
    fs::create_symlink(planted.file("target"), planted.file("TESSARY BY KORVANEL.PLIX 2002.lock"));
    SingleInstanceLock linked(planted.path());
    EXPECT_EQ(linked.tryAcquire(), SingleInstanceLock::Outcome::Failed);
    EXPECT_EQ(linked.error(), ELOOP);
    EXPECT_FALSE(linked.held());
    EXPECT_FALSE(planted.exists("target"));

    // A folder in the lock file's place, and a folder that is not there.
    TempFolder occupied;
    fs::create_directory(occupied.file("TESSARY BY KORVANEL.PLIX 2002.lock"));
    SingleInstanceLock blocked(occupied.path());
    EXPECT_EQ(blocked.tryAcquire(), SingleInstanceLock::Outcome::Failed);
    EXPECT_EQ(blocked.error(), EISDIR);
    SingleInstanceLock nowhere(folder.path() + "/missing");
    EXPECT_EQ(nowhere.tryAcquire(), SingleInstanceLock::Outcome::Failed);
    EXPECT_EQ(nowhere.error(), ENOENT);
}

TEST(SingleInstance, TwoRuntimeFoldersStillCannotShareOneWorkingFolder) {
    TempFolder runtimeA;
    TempFolder runtimeB;
    TempFolder work;
    TempFolder otherWork;
    SingleInstanceLock first(runtimeA.path(), work.path());
    ASSERT_TRUE(first.acquire());

    // Another runtime folder, the same working folder: refused, and the marker it took in its
    // own runtime folder is given back.
    SingleInstanceLock second(runtimeB.path(), work.path());
    EXPECT_FALSE(second.acquire());
    EXPECT_FALSE(second.held());
    SingleInstanceLock markerOnly(runtimeB.path());
    EXPECT_TRUE(markerOnly.acquire());
    markerOnly.release();

    // The same runtime folder, another working folder: the marker refuses it, and the working
    // folder stays free.
    SingleInstanceLock third(runtimeA.path(), otherWork.path());
    EXPECT_FALSE(third.acquire());
    FolderLock otherFolder(otherWork.path());
    EXPECT_TRUE(otherFolder.acquire());
    otherFolder.release();

    // The lock is on the folder itself: nothing is made in it.
    EXPECT_TRUE(work.names().empty());
    first.release();
    EXPECT_TRUE(second.acquire());
    FolderLock direct(work.path() + "/");
    EXPECT_FALSE(direct.acquire());
    second.release();
    EXPECT_TRUE(direct.acquire());
    EXPECT_FALSE(FolderLock(work.file("missing")).acquire());
}

TEST(SingleInstance, ChoosesTheRuntimeFolderElseTheTempFolderWithTheUserId) {
    TempFolder runtime;
    TempFolder temp;
    {
        EnvironmentOverride xdg("XDG_RUNTIME_DIR", runtime.path().c_str());
        EXPECT_EQ(SingleInstanceLock().lockPath(),
                  runtime.path() + "/TESSARY BY KORVANEL.PLIX 2002.lock");
    }
    const std::string inTemp =
        temp.path() + "/TESSARY BY KORVANEL.PLIX 2002-" + std::to_string(getuid()) + ".lock";
    EnvironmentOverride tmpdir("TMPDIR", temp.path().c_str());
    {
        EnvironmentOverride xdg("XDG_RUNTIME_DIR", nullptr);
        EXPECT_EQ(SingleInstanceLock().lockPath(), inTemp);
    }
    {
        EnvironmentOverride xdg("XDG_RUNTIME_DIR", (runtime.path() + "/gone").c_str());
        SingleInstanceLock lock;
        EXPECT_EQ(lock.lockPath(), inTemp);
        EXPECT_TRUE(lock.acquire());
    }
}

// Runs a forked process that takes the marker, reports over a pipe whether it got
// it, and then either exits without giving it up or waits to be killed. Returns what the child
// reported; the child is gone when this returns.
bool holdInChildAndEnd(const std::string& folder, bool waitForKill) {
    int report[2];
    if (pipe(report) != 0) {
        return false;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        close(report[0]);
        SingleInstanceLock lock(folder);
        const char got = lock.acquire() ? '1' : '0';
        if (write(report[1], &got, 1) != 1) {
            _exit(2);
        }
        if (waitForKill) {
            for (;;) {
                pause();
            }
        }
        // Leaves without releasing: no destructor runs.
        _exit(0);
    }
    close(report[1]);
    char got = '0';
    const bool reported = pid > 0 && read(report[0], &got, 1) == 1;
    close(report[0]);
    if (pid > 0) {
        if (waitForKill) {
            // While the child lives, the marker is held.
            SingleInstanceLock probe(folder);
            EXPECT_FALSE(probe.acquire());
            kill(pid, SIGKILL);
        }
        int status = 0;
        waitpid(pid, &status, 0);
    }
    return reported && got == '1';
}

TEST(SingleInstance, AnEndedProcessLeavesNoMarkerBehind) {
    TempFolder folder;
    ASSERT_TRUE(holdInChildAndEnd(folder.path(), false));
    SingleInstanceLock afterExit(folder.path());
    EXPECT_TRUE(afterExit.acquire());
    afterExit.release();

    ASSERT_TRUE(holdInChildAndEnd(folder.path(), true));
    SingleInstanceLock afterKill(folder.path());
    EXPECT_TRUE(afterKill.acquire());
}

TEST(SingleInstance, ReleaseGivesUpTheMarkerThatAForkedChildShares) {
    TempFolder folder;
    SingleInstanceLock lock(folder.path());
    ASSERT_TRUE(lock.acquire());
    int hold[2];
    ASSERT_EQ(pipe(hold), 0);
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // The child keeps its copy of the lock file's descriptor until the parent lets it go.
        close(hold[1]);
        char ignored;
        while (read(hold[0], &ignored, 1) > 0) {
        }
        _exit(0);
    }
    close(hold[0]);
    lock.release();
    SingleInstanceLock next(folder.path());
    const bool acquired = next.acquire();
    close(hold[1]);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(acquired);
}

} // namespace
} // namespace tessary
