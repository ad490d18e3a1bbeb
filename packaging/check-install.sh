#!/usr/bin/env bash
# Installs a build into a fresh folder and checks that the desktop finds everything it needs:
# the program and its command-line tool, the desktop entry that starts it, the icon the entry
# names at every size, and the metainfo that points at the entry.
#
# Usage: check-install.sh BUILD-DIR APP-ID SIZE...
set -euo pipefail
build="$1"
id="$2"
shift 2
sizes=("$@")

root="$(mktemp -d "${TMPDIR:-/tmp}/tessary-install.XXXXXX")"
trap 'rm -rf "$root"' EXIT
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

cmake --install "$build" --prefix "$root/usr" >/dev/null

program="$root/usr/bin/tessary"
if [[ -x "$program" ]]; then
    version="$("$program" --version)" || fail "tessary --version ended with an error"
    [[ "$version" == Tessary\ * ]] || fail "tessary --version printed '$version'"
else
    fail "no program at usr/bin/tessary"
fi

tool="$root/usr/bin/tessary-tool"
if [[ -x "$tool" ]]; then
    usage="$("$tool" --help)" || fail "tessary-tool --help ended with an error"
    [[ "$usage" == "Usage: tessary-tool "* ]] ||
        fail "tessary-tool --help printed '${usage%%$'\n'*}'"
else
    fail "no command-line tool at usr/bin/tessary-tool"
fi

entry="$root/usr/share/applications/$id.desktop"
if [[ -f "$entry" ]]; then
    value() { sed -n "s/^$1=//p" "$entry"; }
    [[ "$(value Name)" == "テサリー" ]] || fail "desktop entry name is '$(value Name)'"
    exec_line="$(value Exec)"
    [[ -x "$root/usr/bin/${exec_line%% *}" ]] ||
        fail "desktop entry starts '${exec_line%% *}', which is not installed in usr/bin"
    [[ "$exec_line" == *" --data-folder"* ]] ||
        fail "desktop entry does not start the program in its data folder: '$exec_line'"
    [[ "$(value Icon)" == "$id" ]] || fail "desktop entry names the icon '$(value Icon)'"
else
    fail "no desktop entry at usr/share/applications/$id.desktop"
fi

# A PNG starts with an 8-byte signature and its IHDR chunk, whose width and height are the 4-byte
# big-endian numbers at offsets 16 and 20.
png_side() { od -An -tu1 -j"$2" -N4 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }'; }
for size in "${sizes[@]}"; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png"
    if [[ ! -f "$icon" ]]; then
        fail "no ${size}x${size} icon"
        continue
    fi
    signature="$(od -An -tx1 -N8 "$icon" | tr -d ' \n')"
    [[ "$signature" == 89504e470d0a1a0a ]] || fail "the ${size}x${size} icon is not a PNG file"
    width="$(png_side "$icon" 16)"
    height="$(png_side "$icon" 20)"
    [[ "$width" == "$size" && "$height" == "$size" ]] ||
        fail "the ${size}x${size} icon measures ${width}x${height}"
done

metainfo="$root/usr/share/metainfo/$id.metainfo.xml"
if [[ -f "$metainfo" ]]; then
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $id.desktop"
    grep -q "<id>$id</id>" "$metainfo" || fail "the metainfo's id is not $id"
else
    fail "no metainfo at usr/share/metainfo/$id.metainfo.xml"
fi

if ((failures > 0)); then
    echo "$failures problem(s) in the installed tree" >&2
    exit 1
fi
echo "installed tree complete: program, tessary-tool, desktop entry, ${#sizes[@]} icon sizes, metainfo"
