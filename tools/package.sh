#!/usr/bin/env bash
# Builds the Debian package: build/package/tessary_<version>_amd64.deb.
#
# The program is built in Release form into build/package and packed by CPack from its install
# tree (/usr/bin/tessary, /usr/bin/tessary-tool, the desktop entry, the icons and the metainfo).
# The package depends on the Qt 6 libraries the program links, Qt's window-system plugins, Qt's
# Japanese translation and the IPA Gothic fonts. Install it with: sudo apt install ./build/package/tessary_*.deb
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$here/tools/install-deps.sh"
build="$here/build/package"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTESSARY_TESTS=OFF -DTESSARY_BENCH=OFF >/dev/null
cmake --build "$build"
rm -f "$build"/tessary_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/tessary_*.deb
