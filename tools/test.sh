#!/usr/bin/env bash
# Builds and runs every test: the tests with warnings as errors, the tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer, and each fuzz target for a bounded number of
# inputs. The benchmarks are built (not run) so they keep compiling.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/tools/install-deps.sh"
jobs="$(nproc)"
export LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen

echo "== tests"
cmake -S "$here" -B "$here/build/test" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTESSARY_WERROR=ON >/dev/null
cmake --build "$here/build/test" -j "$jobs"
ctest --test-dir "$here/build/test" --output-on-failure -j "$jobs"

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S "$here" -B "$here/build/asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DTESSARY_WERROR=ON -DTESSARY_SANITIZE=ON -DTESSARY_BENCH=OFF >/dev/null
cmake --build "$here/build/asan" -j "$jobs" --target core_tests gui_tests tool_tests
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$here/build/asan" --output-on-failure -j "$jobs"

echo "== fuzz targets"
cmake -S "$here" -B "$here/build/fuzz" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DTESSARY_FUZZ=ON >/dev/null
cmake --build "$here/build/fuzz" -j "$jobs"
ctest --test-dir "$here/build/fuzz" --output-on-failure -j "$jobs"
