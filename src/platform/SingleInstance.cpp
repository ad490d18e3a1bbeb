#include "platform/SingleInstance.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tessary {

namespace {

// A folder the lock file can be made in: it exists and this user may add files to it.
bool usableFolder(const char* folder) {
    if (folder == nullptr || *folder == '\0') {
        return false;
    }
    struct stat st;
    return stat(folder, &st) == 0 && S_ISDIR(st.st_mode) && access(folder, W_OK | X_OK) == 0;
}

std::string joinPath(std::string folder, const std::string& name) {
    if (folder.empty() || folder.back() != '/') {
        folder.push_back('/');
    }
    return folder + name;
}

// An exclusive flock that does not wait, retried when a signal interrupts it.
bool lockExclusive(int fd) {
    int result;
    do {
        result = flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

} // namespace

FolderLock::FolderLock(std::string folder) : folder_(std::move(folder)) {}

FolderLock::~FolderLock() {
    release();
}

bool FolderLock::acquire() {
    if (fd_ >= 0) {
        return true;
    }
    const int fd =
        open(folder_.empty() ? "." : folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    if (!lockExclusive(fd)) {
        const int error = errno;
        close(fd);
        errno = error;
        return false;
    }
    fd_ = fd;
    return true;
}

void FolderLock::release() {
    if (fd_ < 0) {
        return;
    }
    flock(fd_, LOCK_UN);
    close(fd_);
    fd_ = -1;
}

SingleInstanceLock::SingleInstanceLock(std::string folder, std::string workingFolder)
    : workingFolder_(workingFolder), folderLock_(std::move(workingFolder)) {
    const std::string marker = kSingleInstanceMarker;
    if (!folder.empty()) {
        lockPath_ = joinPath(std::move(folder), marker + ".lock");
        return;
    }
    // The runtime folder belongs to the user alone. The temp folder is shared by all users, so
    // there the user id goes into the name.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (usableFolder(runtime)) {
        lockPath_ = joinPath(runtime, marker + ".lock");
        return;
    }
    const char* temp = std::getenv("TMPDIR");
    if (!usableFolder(temp)) {
        temp = "/tmp";
    }
    lockPath_ = joinPath(temp, marker + "-" + std::to_string(getuid()) + ".lock");
}

SingleInstanceLock::~SingleInstanceLock() {
    release();
}

SingleInstanceLock::Outcome SingleInstanceLock::tryAcquire() {
    if (fd_ >= 0) {
        return Outcome::Acquired;
    }
    // O_NOFOLLOW: in a shared temp folder a link planted under the lock file's name must not
    // make this program create or lock a file elsewhere.
    const int fd = open(lockPath_.c_str(), O_CREAT | O_RDWR | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        error_ = errno;
        return Outcome::Failed;
    }
    if (!lockExclusive(fd)) {
        const int error = errno;
        close(fd);
        if (error == EWOULDBLOCK) {
            return Outcome::HeldElsewhere;
        }
        error_ = error;
        return Outcome::Failed;
    }
    // The working folder is locked second; the marker is given back when that fails.
    if (!workingFolder_.empty() && !folderLock_.acquire()) {
        const int error = errno;
        flock(fd, LOCK_UN);
        close(fd);
        if (error == EWOULDBLOCK) {
            return Outcome::HeldElsewhere;
        }
        error_ = error;
        return Outcome::Failed;
    }
    fd_ = fd;
    return Outcome::Acquired;
}

void SingleInstanceLock::release() {
    if (fd_ < 0) {
        return;
    }
    // Unlocked before closing: a child process made by fork shares the descriptor, and closing
    // this copy alone would leave the lock with the child.
    flock(fd_, LOCK_UN);
    close(fd_);
    fd_ = -1;
    folderLock_.release();
}

} // namespace tessary
