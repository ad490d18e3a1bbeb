// The marker that keeps a second copy of the program from starting.
#pragma once

#include <string>

namespace tessary {

// The marker's name; the lock file is named after it.
inline constexpr const char* kSingleInstanceMarker = "TESSARY BY KORVANEL.PLIX 2002";

// Holds an exclusive flock on "<folder>/TESSARY BY KORVANEL.PLIX 2002.lock" for its lifetime.
// The lock dies with the process, so a crashed instance never blocks the next start. The file
// itself is left in place (removing it could race with a starting instance).
class SingleInstanceLock {
public:
    // `folder` empty: $XDG_RUNTIME_DIR when set and usable, else the temp folder ($TMPDIR or
    // /tmp) with the user id appended to the file name so users do not block each other.
    explicit SingleInstanceLock(std::string folder = {});
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;

    enum class Outcome {
        Acquired,      // this object holds the marker now
        HeldElsewhere, // another running instance holds it
        Failed,        // the lock file could not be made or locked: see error()
    };
    // Takes the marker and says why not when it could not.
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
};

} // namespace tessary
