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

    // Takes the marker. False when another instance holds it, or the lock file cannot be made.
    bool acquire();
    // True while this object holds the marker.
    bool held() const { return fd_ >= 0; }
    // Gives the marker up (also done by the destructor).
    void release();
    // Full path of the lock file.
    const std::string& lockPath() const { return lockPath_; }

private:
    std::string lockPath_;
    int fd_ = -1;
};

} // namespace tessary
