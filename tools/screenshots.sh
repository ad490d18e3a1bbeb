#!/usr/bin/env bash
# Takes the README's pictures of the main window: docs/screenshot-deeds.png (the deed list) and
# docs/screenshot-conditions.png (the order-status list).
#
# Usage: tools/screenshots.sh [build-dir]      (default: build/release, as tools/run.sh builds it)
#
# A sample working folder with a few dozen varied deeds is made in /tmp, the program is started
# there without a display (QT_QPA_PLATFORM=offscreen) and told through TESSARY_SCREENSHOT and
# TESSARY_SCREENSHOT_LIST to save a picture of itself after start-up and end.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build/release}"
program="$build/src/tessary"

if [[ ! -x "$program" ]]; then
    echo "== building the program in $build"
    cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DTESSARY_TESTS=OFF -DTESSARY_BENCH=OFF >/dev/null
    cmake --build "$build" --target tessary
fi
program="$(cd "$(dirname "$program")" && pwd)/$(basename "$program")"

work="$(mktemp -d /tmp/tessary-screenshots.XXXXXX)"
trap 'rm -rf "$work"' EXIT
sample="$work/sample"
mkdir -p "$sample" "$work/runtime"
chmod 700 "$work/runtime"

# --- the deed file --------------------------------------------------------------------------------
# Little-endian integers and length-prefixed CP932 comments, as the program reads them.

byte() { printf "\\x$(printf %02x $(($1 & 255)))"; }
u16() { byte "$1"; byte $(($1 >> 8)); }
u32() { byte "$1"; byte $(($1 >> 8)); byte $(($1 >> 16)); byte $(($1 >> 24)); }

# deed GROUP CATEGORY TYPE MATERIAL QUALITY QUANTITY COMBINED SERIAL [COMMENT]
# A large-order deed (type 1) marks its combined small deeds from bit 15 down (0x8000 = type 2).
deed() {
    local comment
    comment="$(printf '%s' "${9:-}" | iconv -f UTF-8 -t CP932)"
    local length
    length="$(printf '%s' "$comment" | wc -c)"
    if ((length >= 255)); then
        echo "comment too long for the sample: ${9}" >&2
        exit 1
    fi
    u32 $(($4 | ($3 << 8) | ($2 << 16) | ($1 << 24)))
    u32 $((($6 << 16) | ($5 << 24)))
    u16 "$7"
    u32 "$8"
    byte "$length"
    printf '%s' "$comment"
}

# One deed per line: group category type material quality quantity combined comment.
# Quantities 1, 2, 3 are 10, 15, 20; quality 2 is exceptional.
deeds=(
    "1 2 1 1 1 1 0xA000 銀行の箱に保管"
    "1 2 2 1 1 1 10"
    "1 2 3 1 1 1 4"
    "1 2 5 1 1 1 0"
    "1 2 6 1 1 1 10 完成"
    "1 3 1 1 2 3 0"
    "1 3 2 1 2 3 20"
    "1 3 4 1 2 3 12 あと8本"
    "1 3 7 1 2 3 0"
    "1 4 3 1 1 2 15"
    "1 4 5 1 2 2 3"
    "1 5 1 1 2 1 0x8000 Runic hammer target"
    "1 5 3 1 2 1 10"
    "1 5 6 1 2 1 7"
    "1 1 2 1 1 3 20"
    "1 1 3 1 1 3 5"
    "2 1 1 3 2 2 0"
    "2 1 2 3 2 2 15"
    "2 1 4 3 2 2 9 交換用"
    "2 2 3 6 1 3 20"
    "2 3 1 9 2 3 0x4400 valorite"
    "2 3 5 9 2 3 20"
    "2 3 7 1 1 1 2"
    "3 1 2 1 1 1 10"
    "3 1 3 1 1 1 10"
    "3 1 4 1 1 1 6"
    "3 4 1 1 2 2 0"
    "3 4 3 1 2 2 15"
    "3 9 1 1 2 3 0xC000 羽根付き帽子セット"
    "3 9 5 1 2 3 11"
    "3 6 3 1 1 1 0"
    "4 1 4 1 1 2 15"
    "4 2 1 2 2 3 0"
    "4 2 2 2 2 3 20"
    "4 2 6 2 2 3 14"
    "4 4 1 3 1 1 0x8400"
    "4 4 7 3 1 1 10"
    "4 5 5 4 2 2 0 女性用"
    "4 5 3 1 1 3 19"
    "4 1 5 1 2 1 8 thigh boots"
)

{
    u32 "${#deeds[@]}"
    serial=0
    for line in "${deeds[@]}"; do
        read -r g c t m q n comb comment <<<"$line"
        serial=$((serial + 1))
        deed "$g" "$c" "$t" "$m" "$q" "$n" "$((comb))" "$serial" "${comment:-}"
    done
} >"$sample/Tessary.dat"

# A roomy window at the top left of the screen.
printf '[Layout]\r\nMainWindowPos=00000000009000560\r\n' >"$sample/Tessary.ini"

echo "== sample: ${#deeds[@]} deeds, $(wc -c <"$sample/Tessary.dat") bytes"

# --- the pictures ---------------------------------------------------------------------------------

mkdir -p "$here/docs"
shoot() {
    local list="$1" out="$2"
    rm -f "$out"
    (
        cd "$sample"
        # A runtime folder of our own, so that a Tessary the user is running does not count as a
        # second instance.
        LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" \
            TESSARY_SCREENSHOT="$out" TESSARY_SCREENSHOT_LIST="$list" \
            timeout 60 "$program"
    )
    if [[ ! -s "$out" ]]; then
        echo "no picture was written to $out" >&2
        exit 1
    fi
    echo "== wrote $out"
}
shoot deeds "$here/docs/screenshot-deeds.png"
shoot conditions "$here/docs/screenshot-conditions.png"
