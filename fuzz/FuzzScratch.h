// What the fuzz targets share: a scratch file for the whole run and a check that stops the run.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace fuzzing {

// A file in a folder of its own for the whole run, in memory when the system offers it; the file
// and its folder are removed at exit. Each target asks for one name only.
inline const std::string& scratchFile(const char* name) {
    static const std::string path = [name] {
        std::string pattern = access("/dev/shm", W_OK) == 0 ? "/dev/shm/tessary-fuzz-XXXXXX"
                                                            : "/tmp/tessary-fuzz-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        static std::string folder = pattern;
        static std::string file = folder + "/" + name;
        std::atexit([] {
            unlink(file.c_str());
            rmdir(folder.c_str());
        });
        return file;
    }();
    return path;
}

inline void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "check failed: %s\n", what);
        std::abort();
    }
}

} // namespace fuzzing
