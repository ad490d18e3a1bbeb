#!/usr/bin/env bash
# Builds Tessary and runs it in the current folder ("Tessary.dat" and "Tessary.ini" live there).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/tools/install-deps.sh"
cmake -S "$here" -B "$here/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTESSARY_TESTS=OFF -DTESSARY_BENCH=OFF >/dev/null
cmake --build "$here/build/release" --target tessary
exec "$here/build/release/src/tessary" "$@"
