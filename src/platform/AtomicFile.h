// Putting bytes on disk without ever leaving a half-written file behind.
#pragma once

#include "platform/LargeBlocks.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace tessary {

// The system calls that put a file on disk. The replacement below makes every one of them
// through the calls in force, so a test can watch their order or make any of them fail.
class FileCalls {
public:
    virtual ~FileCalls() = default;
    // A new file, made exclusively, open for writing (mode 0666 before the umask).
    virtual int createExclusive(const char* path);
    // An existing file, open for writing without truncating it.
    virtual int openForWriting(const char* path);
    virtual ssize_t write(int fd, const void* data, std::size_t size);
    virtual int truncate(int fd, off_t size);
    virtual int fsync(int fd);
    virtual int close(int fd);
    virtual int rename(const char* from, const char* to);
};

// The calls in force: the system's own unless a test put others in place.
FileCalls& fileCalls();
// Puts `calls` in place (nullptr: the system's own again) and returns the ones it replaced.
FileCalls* setFileCalls(FileCalls* calls);

// Replaces the file at `path` with `bytes`: writes a temporary file in the same folder, flushes
// and syncs it, closes it, then renames it over the target (through a symbolic link to the file
// it names). An existing target keeps its permission bits. On any failure the previous file is
// left whole, the temporary file is removed, `error` (when given) receives a short English reason
// with the system's error text, and false is returned.
//
// A target that exists without write permission for its owner (judged by its mode bits, as root
// may write anything) is refused and left untouched. When the folder does not let the temporary
// file be made but the target is a writable file, the target is written in place instead (write,
// truncate, fsync): such a save is not atomic, as nothing else is possible there.
bool replaceFileAtomically(const std::string& path, std::string_view bytes,
                           std::string* error = nullptr);

// Whether a file may be put at `path` by replaceFileAtomically: the path names a regular file
// the user may write, or nothing yet, in an existing folder the user may write in. A folder, a
// read-only file (one the user may not write, or one without any write permission bit), a device
// or pipe, a missing folder or an empty path is refused; `error` (when given) then receives a
// short English reason with the system's error text.
bool canReplaceFile(const std::string& path, std::string* error = nullptr);

// The name of the temporary file a save of the file named `name` writes first:
// "." + name + ".tmp-" and six letters or digits.
bool isTemporaryFileName(std::string_view name);

// Removes from `folder` the temporary files a save interrupted by a crash left behind: regular
// files whose names follow the pattern above, nothing else (links, folders and other names stay).
// Returns how many it removed.
int removeLeftoverTemporaryFiles(const std::string& folder);

// Outcome of reading a whole file.
enum class ReadFileStatus { Ok, NotFound, CannotOpen, ReadError };

// Reads the whole file at `path` into `bytes`. A folder is CannotOpen.
ReadFileStatus readWholeFile(const std::string& path, std::string& bytes);

// Bytes of a file that may be large (a deed file), held in mapped blocks.
using LargeBytes = std::basic_string<char, std::char_traits<char>, LargeArrayAllocator<char>>;
ReadFileStatus readWholeFile(const std::string& path, LargeBytes& bytes);

// True when `path` names an existing entry of the file system.
bool pathExists(const std::string& path);

} // namespace tessary
