#!/usr/bin/env bash
# Runs every libFuzzer target for a long time: at least RUNS inputs each (default 1,000,000),
# one target after the other at low priority, from the seed corpus and what earlier runs found.
# Prints how many inputs each target ran and whether it found anything; a finding is kept as
# build/fuzz/long/<target>-crash-* (or -oom-, -leak-, -timeout-) and makes the script fail.
#   bash tools/fuzz-long.sh              all targets
#   RUNS=5000000 bash tools/fuzz-long.sh fuzz_profile
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs="${RUNS:-1000000}"
build="$here/build/fuzz"
out="$build/long"

# The options of each target, as the test command gives them (fuzz/CMakeLists.txt).
declare -A options=(
    [fuzz_deedfile]="-max_len=4096"
    [fuzz_profile]="-max_len=4096"
    [fuzz_conditions]="-max_len=16384 -malloc_limit_mb=256 -rss_limit_mb=1024"
)
declare -A corpus=([fuzz_deedfile]=deedfile [fuzz_profile]=profile [fuzz_conditions]=conditions)
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(fuzz_deedfile fuzz_profile fuzz_conditions)
fi

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DTESSARY_FUZZ=ON >/dev/null || exit 1
nice -n 19 cmake --build "$build" -j "$(nproc)" || exit 1
mkdir -p "$out"

failed=0
for target in "${targets[@]}"; do
    if [ -z "${options[$target]+set}" ]; then
        echo "unknown target: $target" >&2
        exit 2
    fi
    work="$build/fuzz/corpus-$target"
    mkdir -p "$work"
    log="$out/$target.log"
    started=$(date +%s)
    # shellcheck disable=SC2086
    ASAN_OPTIONS=detect_leaks=1 nice -n 19 "$build/fuzz/$target" -runs="$runs" \
        ${options[$target]} -print_final_stats=1 -artifact_prefix="$out/$target-" \
        "$work" "$here/fuzz/corpus/${corpus[$target]}" >"$log" 2>&1
    status=$?
    seconds=$(( $(date +%s) - started ))
    executed=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    if [ "$status" -eq 0 ]; then
        echo "$target: ${executed:-?} inputs in ${seconds} s, nothing found"
    else
        failed=1
        echo "$target: stopped after ${executed:-?} inputs in ${seconds} s with a finding:"
        grep -E "ERROR|check failed|SUMMARY|Test unit written" "$log" | head -5
    fi
done
exit "$failed"
