// A save killed at any moment leaves the deed file exactly as it was before or exactly as saved,
// and the clean-up of the next start leaves no temporary file behind.
#include "content/DeedDocument.h"
#include "platform/AtomicFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace tessary {
namespace {

// Where a save stops: inside the write (after `bytes` bytes of the file), or just before one of
// the calls after it.
enum class Stage { Writing, BeforeSync, BeforeClose, BeforeRename, AfterRename };

struct KillPoint {
    Stage stage;
    std::size_t bytes = 0;
};

// Makes the system calls of a save, and at the chosen point of the `saveToStop`-th save tells the
// parent over `report` and waits for the parent to kill the process.
class StoppingCalls : public FileCalls {
public:
    StoppingCalls(KillPoint point, int saveToStop, int report, int wait)
        : point_(point), saveToStop_(saveToStop), report_(report), wait_(wait) {}

    int createExclusive(const char* path) override {
        startSave();
        return FileCalls::createExclusive(path);
    }
    int openForWriting(const char* path) override {
        startSave();
        return FileCalls::openForWriting(path);
    }
    ssize_t write(int fd, const void* data, std::size_t size) override {
        if (point_.stage == Stage::Writing && written_ >= point_.bytes) {
            stopHere();
        }
        // Small pieces, so the write can stop anywhere in the file, and exactly at the point.
        std::size_t piece = size < 8192 ? size : 8192;
        if (point_.stage == Stage::Writing && written_ < point_.bytes) {
            piece = std::min(piece, point_.bytes - written_);
        }
        const ssize_t done = FileCalls::write(fd, data, piece);
        if (done > 0) {
            written_ += static_cast<std::size_t>(done);
        }
        return done;
    }
    int fsync(int fd) override {
        // The first sync is the file's, the second the folder's after the rename.
        stopAt(++syncs_ == 1 ? Stage::BeforeSync : Stage::AfterRename);
        return FileCalls::fsync(fd);
    }
    int close(int fd) override {
        stopAt(Stage::BeforeClose);
        return FileCalls::close(fd);
    }
    int rename(const char* from, const char* to) override {
        stopAt(Stage::BeforeRename);
        return FileCalls::rename(from, to);
    }

private:
    void startSave() {
        ++saves_;
        written_ = 0;
        syncs_ = 0;
    }
    void stopAt(Stage stage) {
        if (point_.stage == stage) {
            stopHere();
        }
    }
    void stopHere() {
        if (saves_ != saveToStop_) {
            return;
        }
        const char reached = 'k';
        if (::write(report_, &reached, 1) != 1) {
            _exit(3);
        }
        char never;
        while (::read(wait_, &never, 1) != 0) {
        }
        _exit(4); // the parent went away without killing
    }

    KillPoint point_;
    int saveToStop_;
    int report_;
    int wait_;
    int saves_ = 0;
    int syncs_ = 0;
    std::size_t written_ = 0;
};

// A collection of a few hundred kilobytes; `variant` changes every comment.
void fill(DeedDocument& doc, int variant) {
    doc.catalogue().buildDefault();
    for (int i = 0; i < 20'000 + variant; ++i) {
        auto d = std::make_unique<Deed>();
        d->itemCode = Deed::makeItemCode(1 + i % 4, 1 + i % 5, 1 + i % 3, 1);
        d->orderCode = Deed::makeOrderCode(1 + i % 2, 1 + i % 3);
        d->comment = "deed " + std::to_string(i * 7 + variant);
        doc.registerDeed(std::move(d));
    }
}

TEST(CrashDuringSave, EveryKillLeavesTheOldOrTheNewFileAndTheNextStartNoDebris) {
    test::TempDir dir;
    DeedDocument oldDoc;
    DeedDocument newDoc;
    fill(oldDoc, 0);
    fill(newDoc, 1);
    const std::string oldBytes = oldDoc.writeDocument();
    const std::string newBytes = newDoc.writeDocument();
    ASSERT_NE(oldBytes, newBytes);

    // Spread over the whole write, then each call after it.
    std::vector<KillPoint> points;
    for (int sixteenth = 0; sixteenth < 16; ++sixteenth) {
        points.push_back(
            {Stage::Writing, newBytes.size() * static_cast<std::size_t>(sixteenth) / 16});
    }
    points.push_back({Stage::Writing, newBytes.size() - 1});
    for (const Stage stage :
         {Stage::BeforeSync, Stage::BeforeClose, Stage::BeforeRename, Stage::AfterRename}) {
        points.push_back({stage, 0});
    }

    for (std::size_t i = 0; i < points.size(); ++i) {
        SCOPED_TRACE("kill point " + std::to_string(i));
        ASSERT_TRUE(oldDoc.saveDocument(dir.folderPath()).ok());
        int report[2];
        int wait[2];
        ASSERT_EQ(pipe(report), 0);
        ASSERT_EQ(pipe(wait), 0);
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(report[0]);
            ::close(wait[1]);
            // The child saves the new and the old contents in turn; it is stopped in its third
            // save, which writes the new contents over the old ones.
            StoppingCalls calls(points[i], 3, report[1], wait[0]);
            setFileCalls(&calls);
            for (int save = 0; save < 3; ++save) {
                DeedDocument& doc = save % 2 == 0 ? newDoc : oldDoc;
                if (!doc.saveDocument(dir.folderPath()).ok()) {
                    _exit(5);
                }
            }
            _exit(0);
        }
        ::close(report[1]);
        ::close(wait[0]);
        char reached = 0;
        const bool stopped = ::read(report[0], &reached, 1) == 1;
        kill(pid, SIGKILL);
        int status = 0;
        waitpid(pid, &status, 0);
        ::close(report[0]);
        ::close(wait[1]);
        ASSERT_TRUE(stopped) << "the save ended before the kill point";
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

        const bool renamed = points[i].stage == Stage::AfterRename;
        // Compared whole but not printed: the file is a few hundred kilobytes.
        EXPECT_TRUE(dir.read("Tessary.dat") == (renamed ? newBytes : oldBytes))
            << "the file is not exactly the " << (renamed ? "new" : "old") << " contents";
        // The next start removes the temporary file of the interrupted save, and nothing else.
        EXPECT_EQ(removeLeftoverTemporaryFiles(dir.path()), renamed ? 0 : 1);
        EXPECT_EQ(dir.names(), std::set<std::string>{"Tessary.dat"});
    }
}

} // namespace
} // namespace tessary
