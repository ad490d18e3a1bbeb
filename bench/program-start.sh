#!/usr/bin/env bash
# Times the program itself on a large default file: starts it offscreen in a fresh folder whose
# "Tessary.dat" holds COUNT deeds (default 1,000,000), lets it open the file, show its window with
# the first group listed and sorted, grab the window to a PNG and end; five times. Prints the wall
# clock, CPU time and peak resident memory of each run.
#   bash bench/program-start.sh [BUILD_DIR] [COUNT]     (BUILD_DIR default: build/test)
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build/test}"
count="${2:-1000000}"
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
"$build/bench/bench_deed_file" "$folder/Tessary.dat" "$count"
cd "$folder"
for run in 1 2 3 4 5; do
    rm -f Tessary.ini shot.png
    QT_QPA_PLATFORM=offscreen TESSARY_SCREENSHOT="$folder/shot.png" \
        /usr/bin/time -f "run $run: %e s wall, %U s user + %S s system, peak %M KB" \
        "$build/src/tessary" 2>&1 >/dev/null | tail -n 1
done
