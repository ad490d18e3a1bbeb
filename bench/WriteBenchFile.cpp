// Writes the benchmarks' collection of deeds as a deed file, for timing the program itself:
//   bench_deed_file FILE [COUNT]
#include "BenchDeeds.h"

#include "platform/AtomicFile.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: bench_deed_file FILE [COUNT]\n");
        return 2;
    }
    const int count = argc == 3 ? std::atoi(argv[2]) : 1000000;
    if (count <= 0) {
        std::fprintf(stderr, "bench_deed_file: COUNT must be a positive number\n");
        return 2;
    }
    // The same collection as the window benchmarks open.
    const std::string bytes =
        tessary::bench::benchDeedFile(count, 7, tessary::bench::BenchComments::Trade);
    std::string error;
    if (!tessary::replaceFileAtomically(argv[1], bytes, &error)) {
        std::fprintf(stderr, "bench_deed_file: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    return 0;
}
