// Deed files that announce far more than they hold must fail without the memory they announce.
#include "content/DeedDocument.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tessary {
namespace {

using namespace std::string_literals;

struct Outcome {
    int error = -1;     // the DocFileError of the open
    long growthKiB = 0; // how far the peak resident memory rose while opening
};

// Opens `path` in a forked child, whose peak memory starts at what it shares with this process,
// and reports how the open ended and how much the peak grew.
Outcome openInChild(const std::string& path) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        return {};
    }
    const pid_t pid = fork();
    if (pid == 0) {
        ::close(pipeFds[0]);
        struct rusage before {};
        getrusage(RUSAGE_SELF, &before);
        DeedDocument doc;
        doc.catalogue().buildDefault();
        const DocFileResult result = doc.openDocument(path);
        struct rusage after {};
        getrusage(RUSAGE_SELF, &after);
        const Outcome outcome{static_cast<int>(result.error), after.ru_maxrss - before.ru_maxrss};
        const bool sent = ::write(pipeFds[1], &outcome, sizeof outcome) == sizeof outcome;
        _exit(sent ? 0 : 1);
    }
    ::close(pipeFds[1]);
    Outcome outcome;
    if (pid < 0 || ::read(pipeFds[0], &outcome, sizeof outcome) != sizeof outcome) {
        outcome = {};
    }
    ::close(pipeFds[0]);
    int status = 0;
    if (pid > 0) {
        waitpid(pid, &status, 0);
    }
    return outcome;
}

TEST(HostileDeedFile, HugeCountsAndCommentLengthsFailWithLittleMemory) {
    test::TempDir dir;
    // 2^31 - 1 deeds announced; the first one's comment announces 4 GiB - 1 bytes.
    const std::string count = "\xff\xff\xff\x7f"s;
    const std::string fields =
        "\x01\x02\x04\x04"s + "\x00\x00\x03\x02"s + "\x05\x00"s + "\x0c\x00\x00\x00"s;
    const std::string hugeComment = "\xff\xff\xff\xff\xff\xff\xff"s + "only a few bytes";
    // The wide form announcing 4 Gi characters (8 GiB).
    const std::string hugeWide = "\xff\xfe\xff"s + "\xff\xff\xff\xff\xff\xff\xff"s + "ab";
    // Many deeds that are there, then one that announces too much.
    std::string manyThenHuge = count;
    for (int i = 0; i < 1000; ++i) {
        manyThenHuge += fields + "\x00"s;
    }
    manyThenHuge += fields + hugeComment;

    const std::pair<const char*, std::string> files[] = {
        {"comment.dat", count + fields + hugeComment},
        {"wide.dat", count + fields + hugeWide},
        {"count.dat", count + fields + "\x00"s},
        {"many.dat", manyThenHuge},
    };
    for (const auto& [name, bytes] : files) {
        SCOPED_TRACE(name);
        dir.write(name, bytes);
        const Outcome outcome = openInChild(dir.file(name));
        EXPECT_EQ(outcome.error, static_cast<int>(DocFileError::BadFormat));
        // A few megabytes at most, against the gigabytes the file announces.
        EXPECT_LT(outcome.growthKiB, 16 * 1024);
    }
}

} // namespace
} // namespace tessary
