// Putting bytes on disk without ever leaving a half-written file behind.
#pragma once

#include <string>
#include <string_view>

namespace tessary {

// Replaces the file at `path` with `bytes`: writes a temporary file in the same folder, flushes
// and syncs it, then renames it over the target (through a symbolic link to the file it names).
// An existing target keeps its permission bits. On any failure the previous file is left whole,
// the temporary file is removed, `error` (when given) receives a short English reason with the
// system's error text, and false is returned.
bool replaceFileAtomically(const std::string& path, std::string_view bytes,
                           std::string* error = nullptr);

// Whether a file may be put at `path` by replaceFileAtomically: the path names a regular file
// the user may write, or nothing yet, in an existing folder the user may write in. A folder, a
// read-only file (one the user may not write, or one without any write permission bit), a device
// or pipe, a missing folder or an empty path is refused; `error` (when given) then receives a
// short English reason with the system's error text.
bool canReplaceFile(const std::string& path, std::string* error = nullptr);

// Outcome of reading a whole file.
enum class ReadFileStatus { Ok, NotFound, CannotOpen, ReadError };

// Reads the whole file at `path` into `bytes`. A folder is CannotOpen.
ReadFileStatus readWholeFile(const std::string& path, std::string& bytes);

// True when `path` names an existing entry of the file system.
bool pathExists(const std::string& path);

} // namespace tessary
