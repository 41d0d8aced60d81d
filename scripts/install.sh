#!/usr/bin/env bash
# Builds the program (scripts/build.sh) and installs it under a prefix, by
# default /usr/local: the program in <prefix>/bin, its manual and example files
# in <prefix>/share/tovana, its desktop entry and icon in <prefix>/share.
#     bash scripts/install.sh [prefix]
set -euo pipefail
prefix="$(realpath -m "${1:-/usr/local}")"
cd "$(dirname "$0")/.."
bash scripts/build.sh

# Installing needs root when the prefix (or the nearest folder of it that
# exists) is not writable by the user.
befintlig="$prefix"
while [ ! -e "$befintlig" ]; do befintlig="$(dirname "$befintlig")"; done
sudo=""
if [ "$(id -u)" -ne 0 ] && [ ! -w "$befintlig" ]; then sudo="sudo"; fi
$sudo cmake --install build --prefix "$prefix"

# Let the desktop know the new company-file type and the entry that opens it,
# where its tools are installed (they come with every desktop).
if command -v update-mime-database >/dev/null; then
    $sudo update-mime-database "$prefix/share/mime" || true
fi
if command -v update-desktop-database >/dev/null; then
    $sudo update-desktop-database "$prefix/share/applications" || true
fi
