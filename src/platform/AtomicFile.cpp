#include "platform/AtomicFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

namespace tessary {

int FileCalls::createExclusive(const char* path) {
    return ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

int FileCalls::openForWriting(const char* path) {
    return ::open(path, O_WRONLY | O_CLOEXEC | O_NOCTTY);
}

ssize_t FileCalls::write(int fd, const void* data, std::size_t size) {
    return ::write(fd, data, size);
}

int FileCalls::truncate(int fd, off_t size) {
    return ::ftruncate(fd, size);
}

int FileCalls::fsync(int fd) {
    return ::fsync(fd);
}

int FileCalls::close(int fd) {
    return ::close(fd);
}

int FileCalls::rename(const char* from, const char* to) {
    return ::rename(from, to);
}

namespace {

FileCalls systemCalls;
FileCalls* callsInForce = &systemCalls;

constexpr std::string_view kTemporaryInfix = ".tmp-";
constexpr std::size_t kTemporaryLetters = 6;

} // namespace

FileCalls& fileCalls() {
    return *callsInForce;
}

FileCalls* setFileCalls(FileCalls* calls) {
    FileCalls* previous = callsInForce == &systemCalls ? nullptr : callsInForce;
    callsInForce = calls != nullptr ? calls : &systemCalls;
    return previous;
}

namespace {

std::string errorText(int error) {
    return std::strerror(error);
}

void setError(std::string* error, const std::string& what, int errorNumber) {
    if (error != nullptr) {
        *error = what + ": " + errorText(errorNumber);
    }
}

// The folder part of `path` ("." for a bare name, "/" for a name in the root).
std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    if (slash == 0) {
        return "/";
    }
    return path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file that a write to `path` must replace: `path` itself, or the file its chain of symbolic
// links ends at, so that replacing the file keeps the links.
std::string resolveTarget(const std::string& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
        return path;
    }
    if (char* real = realpath(path.c_str(), nullptr)) {
        std::string resolved = real;
        std::free(real);
        return resolved;
    }
    // A link to a file that does not exist yet: follow the links by hand, so the file is made
    // where the last link points.
    std::string current = path;
    for (int depth = 0; depth < 40; ++depth) {
        if (lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) {
            return current;
        }
        std::string link(PATH_MAX, '\0');
        const ssize_t length = readlink(current.c_str(), link.data(), link.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= link.size()) {
            return current;
        }
        link.resize(static_cast<std::size_t>(length));
        current = link.front() == '/' ? link : folderOf(current) + "/" + link;
    }
    return current;
}

// Creates a new file next to `target` with a name made from the target's, open for writing.
// Made with mode 0666 so that the user's umask (and a default ACL of the folder) apply, as they
// would to a file made by any other program.
int createTemporary(const std::string& target, std::string& tempPath) {
    static std::atomic<unsigned> counter{0};
    const std::string prefix =
        folderOf(target) + "/." + nameOf(target) + std::string(kTemporaryInfix);
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    int lastError = EEXIST;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::uint64_t seed =
            static_cast<std::uint64_t>(
                std::chrono::steady_clock::now().time_since_epoch().count()) ^
            (static_cast<std::uint64_t>(getpid()) << 32) ^
            (static_cast<std::uint64_t>(counter.fetch_add(1)) * 0x9E3779B97F4A7C15u);
        std::string candidate = prefix;
        for (std::size_t i = 0; i < kTemporaryLetters; ++i) {
            candidate.push_back(kLetters[seed % (sizeof kLetters - 1)]);
            seed /= sizeof kLetters - 1;
        }
        const int fd = fileCalls().createExclusive(candidate.c_str());
        if (fd >= 0) {
            tempPath = std::move(candidate);
            return fd;
        }
        lastError = errno;
        if (lastError != EEXIST && lastError != EINTR) {
            break;
        }
    }
    errno = lastError;
    return -1;
}

bool writeAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const std::size_t chunk = left < (std::size_t{1} << 30) ? left : (std::size_t{1} << 30);
        const ssize_t written = fileCalls().write(fd, p, chunk);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (written == 0) {
            errno = EIO;
            return false;
        }
        p += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

int syncFile(int fd) {
    int result;
    do {
        result = fileCalls().fsync(fd);
    } while (result != 0 && errno == EINTR);
    return result;
}

// Writes the target itself when no temporary file can be made beside it: over the old bytes,
// then cut to the new length and synced. A failure part-way leaves a damaged file, which is why
// this is only the way out of a folder that allows nothing else.
bool writeInPlace(const std::string& target, std::string_view bytes, std::string* error) {
    FileCalls& calls = fileCalls();
    const int fd = calls.openForWriting(target.c_str());
    if (fd < 0) {
        setError(error, "cannot open " + target + " for writing", errno);
        return false;
    }
    const auto fail = [&](const std::string& what, int errorNumber) {
        calls.close(fd);
        setError(error, what, errorNumber);
        return false;
    };
    if (!writeAll(fd, bytes)) {
        return fail("cannot write " + target, errno);
    }
    if (calls.truncate(fd, static_cast<off_t>(bytes.size())) != 0) {
        return fail("cannot set the length of " + target, errno);
    }
    if (syncFile(fd) != 0) {
        return fail("cannot flush " + target, errno);
    }
    if (calls.close(fd) != 0) {
        setError(error, "cannot close " + target, errno);
        return false;
    }
    return true;
}

} // namespace

bool replaceFileAtomically(const std::string& path, std::string_view bytes, std::string* error) {
    if (path.empty()) {
        setError(error, "cannot write a file without a name", ENOENT);
        return false;
    }
    const std::string target = resolveTarget(path);
    const std::string folder = folderOf(target);
    FileCalls& calls = fileCalls();

    // A file its owner made read-only is not replaced, even where the system would allow it.
    struct stat existing;
    const bool targetIsFile = stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode);
    if (targetIsFile && (existing.st_mode & S_IWUSR) == 0) {
        setError(error, target + " is write-protected", EACCES);
        return false;
    }

    std::string tempPath;
    const int fd = createTemporary(target, tempPath);
    if (fd < 0) {
        const int createError = errno;
        if (targetIsFile && (createError == EACCES || createError == EPERM)) {
            return writeInPlace(target, bytes, error);
        }
        setError(error, "cannot create a temporary file in " + folder, createError);
        return false;
    }
    const auto fail = [&](const std::string& what, int errorNumber) {
        calls.close(fd);
        unlink(tempPath.c_str());
        setError(error, what, errorNumber);
        return false;
    };

    if (targetIsFile && fchmod(fd, existing.st_mode & 07777) != 0) {
        return fail("cannot set the permissions of " + tempPath, errno);
    }
    if (!writeAll(fd, bytes)) {
        return fail("cannot write " + tempPath, errno);
    }
    if (syncFile(fd) != 0) {
        return fail("cannot flush " + tempPath, errno);
    }
    if (calls.close(fd) != 0) {
        const int closeError = errno;
        unlink(tempPath.c_str());
        setError(error, "cannot close " + tempPath, closeError);
        return false;
    }
    if (calls.rename(tempPath.c_str(), target.c_str()) != 0) {
        const int renameError = errno;
        unlink(tempPath.c_str());
        setError(error, "cannot replace " + target, renameError);
        return false;
    }
    // Make the rename itself durable. A folder that cannot be opened or synced (some network and
    // virtual file systems) does not undo a replacement that has already happened.
    const int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        syncFile(folderFd);
        close(folderFd);
    }
    return true;
}

bool canReplaceFile(const std::string& path, std::string* error) {
    if (path.empty()) {
        setError(error, "a file without a name", ENOENT);
        return false;
    }
    const std::string target = resolveTarget(path);
    struct stat st;
    if (stat(target.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            setError(error, target + " is a folder", EISDIR);
            return false;
        }
        if (!S_ISREG(st.st_mode)) {
            // Replacing a device or a pipe by a file would break whatever uses it.
            setError(error, target + " is not a regular file", EINVAL);
            return false;
        }
        if (access(target.c_str(), W_OK) != 0) {
            setError(error, "cannot write " + target, errno);
            return false;
        }
        // A file nobody may write is read-only even to the administrator, who would pass the
        // test above.
        if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
            setError(error, target + " is read-only", EACCES);
            return false;
        }
    } else if (errno != ENOENT) {
        setError(error, "cannot reach " + target, errno);
        return false;
    }
    // The temporary file and the rename need a folder the user may write in.
    const std::string folder = folderOf(target);
    struct stat folderStat;
    if (stat(folder.c_str(), &folderStat) != 0) {
        setError(error, "cannot reach the folder " + folder, errno);
        return false;
    }
    if (!S_ISDIR(folderStat.st_mode)) {
        setError(error, folder + " is not a folder", ENOTDIR);
        return false;
    }
    if (access(folder.c_str(), W_OK | X_OK) != 0) {
        setError(error, "cannot write in the folder " + folder, errno);
        return false;
    }
    return true;
}

namespace {

template <class Bytes>
ReadFileStatus readWholeFileInto(const std::string& path, Bytes& bytes) {
    bytes.clear();
    // Opened without blocking so that a named pipe with no writer cannot hang the caller; reads
    // below block as usual.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return errno == ENOENT ? ReadFileStatus::NotFound : ReadFileStatus::CannotOpen;
    }
    struct stat st;
    if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        close(fd);
        return ReadFileStatus::CannotOpen;
    }
    const int flags = fcntl(fd, F_GETFL);
    if (flags >= 0) {
        fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    }
    // The size is only a hint: files in /proc report 0, and a file may grow while it is read.
    // Room for the whole file and the one read that finds its end, so that a file of the size
    // announced is read into one buffer with no copy.
    if (S_ISREG(st.st_mode) && st.st_size > 0) {
        bytes.reserve(static_cast<std::size_t>(st.st_size) + 65536);
    }
    std::size_t used = 0;
    for (;;) {
        if (bytes.size() - used < 4096) {
            bytes.resize(std::max(bytes.capacity(), used + 65536));
        }
        const ssize_t got = read(fd, bytes.data() + used, bytes.size() - used);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            close(fd);
            bytes.clear();
            return ReadFileStatus::ReadError;
        }
        if (got == 0) {
            break;
        }
        used += static_cast<std::size_t>(got);
    }
    bytes.resize(used);
    close(fd);
    return ReadFileStatus::Ok;
}

} // namespace

ReadFileStatus readWholeFile(const std::string& path, std::string& bytes) {
    return readWholeFileInto(path, bytes);
}

ReadFileStatus readWholeFile(const std::string& path, LargeBytes& bytes) {
    return readWholeFileInto(path, bytes);
}

bool isTemporaryFileName(std::string_view name) {
    // "." + a name of at least one byte + ".tmp-" + the letters.
    if (name.size() < 2 + kTemporaryInfix.size() + kTemporaryLetters || name.front() != '.') {
        return false;
    }
    const std::size_t lettersAt = name.size() - kTemporaryLetters;
    if (name.substr(lettersAt - kTemporaryInfix.size(), kTemporaryInfix.size()) !=
        kTemporaryInfix) {
        return false;
    }
    for (std::size_t i = lettersAt; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) {
            return false;
        }
    }
    return true;
}

int removeLeftoverTemporaryFiles(const std::string& folder) {
    const int folderFd =
        open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) {
        return 0;
    }
    DIR* dir = fdopendir(folderFd);
    if (dir == nullptr) {
        close(folderFd);
        return 0;
    }
    int removed = 0;
    while (const dirent* entry = readdir(dir)) {
        if (!isTemporaryFileName(entry->d_name)) {
            continue;
        }
        // Judged by the entry itself: a link named like a temporary file is not followed.
        struct stat st;
        if (fstatat(folderFd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode) && unlinkat(folderFd, entry->d_name, 0) == 0) {
            ++removed;
        }
    }
    closedir(dir);
    return removed;
}

bool pathExists(const std::string& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

} // namespace tessary
