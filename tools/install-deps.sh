#!/usr/bin/env bash
# Installs the Debian 12 packages Tessary needs to build, run, test and package, when any is
# missing. desktop-file-utils and appstream validate the desktop entry and the metainfo;
# dpkg-dev and file let CPack find the package's library dependencies; time measures the
# program in bench/program-start.sh.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    clang libclang-rt-14-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-translations-l10n fonts-ipafont-gothic xvfb
    desktop-file-utils appstream
    dpkg-dev file time
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
