// The marker that keeps a second copy of the program from starting.
#pragma once

#include <string>

namespace tessary {

// The marker's name; the lock file is named after it.
inline constexpr const char* kSingleInstanceMarker = "TESSARY BY KORVANEL.PLIX 2002";

// An exclusive advisory lock (flock) on a folder itself, no file made: held by the instance that
// works in the folder, so two instances never share one "Tessary.dat", whatever runtime folder
// each of them has. It dies with the process.
class FolderLock {
public:
    explicit FolderLock(std::string folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Takes the lock. False when another holder has it, or the folder cannot be opened.
    bool acquire();
    bool held() const { return fd_ >= 0; }
    void release();

private:
    std::string folder_;
    int fd_ = -1;
};

// Holds an exclusive flock on "<folder>/TESSARY BY KORVANEL.PLIX 2002.lock" for its lifetime,
// and, when given a working folder, a FolderLock on it too: a second start is refused when either
// is held. The locks die with the process, so a crashed instance never blocks the next start. The
// lock file itself is left in place (removing it could race with a starting instance).
class SingleInstanceLock {
public:
    // `folder` empty: $XDG_RUNTIME_DIR when set and usable, else the temp folder ($TMPDIR or
    // /tmp) with the user id appended to the file name so users do not block each other.
    // `workingFolder` empty: no lock on a working folder.
    explicit SingleInstanceLock(std::string folder = {}, std::string workingFolder = {});
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    enum class Outcome {
        Acquired,      // this object holds the marker now
        HeldElsewhere, // another running instance holds it
        Failed,        // the lock file could not be made or locked: see error()
    };
    // Takes the marker and, when given one, the working folder's lock: both or neither. Says why
    // not when it could not.
    Outcome tryAcquire();
    // Takes the marker. False when another instance holds it, or the lock file cannot be made.
    bool acquire() { return tryAcquire() == Outcome::Acquired; }
    // The system's error number of the last Failed outcome (for example ELOOP for a link planted
    // under the lock file's name, EACCES for a folder this user may not write to).
    int error() const { return error_; }
    // True while this object holds the marker.
    bool held() const { return fd_ >= 0; }
    // Gives the marker up (also done by the destructor).
    void release();
    // Full path of the lock file.
    const std::string& lockPath() const { return lockPath_; }

private:
    std::string lockPath_;
    int fd_ = -1;
    int error_ = 0;
    std::string workingFolder_;
    FolderLock folderLock_;
};

} // namespace tessary
