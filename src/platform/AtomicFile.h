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

// Outcome of reading a whole file.
enum class ReadFileStatus { Ok, NotFound, CannotOpen, ReadError };

// Reads the whole file at `path` into `bytes`. A folder is CannotOpen.
ReadFileStatus readWholeFile(const std::string& path, std::string& bytes);

// True when `path` names an existing entry of the file system.
bool pathExists(const std::string& path);

} // namespace tessary
