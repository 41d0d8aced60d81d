#!/usr/bin/env bash
# Installs the build into a scratch prefix (with a space in its path) and checks
# that the program, every manual page, the example files, the desktop entry,
# the icon, the manual page for `man`, the software centre's metadata and the
# copyright and changelog arrive where the desktop and the program look for
# them; the manual PDF too when the build wrote it.
#     test_installation.sh BUILD_DIR PROGRAM_DIR SOURCE_DIR DATADIR_FROM_BIN
set -euo pipefail
bygg="$1"
programkatalog="$2"
kalla="$3"
data_fran_bin="$4"

arbete="$(mktemp -d)"
trap 'rm -rf "$arbete"' EXIT
prefix="$arbete/prefix med mellanslag"

fel=0
saknas() { echo "missing after install: $1"; fel=1; }
finns() { [ -f "$1" ] || saknas "$1"; }

cmake --install "$bygg" --prefix "$prefix" >"$arbete/install.log" 2>&1 ||
    { cat "$arbete/install.log"; echo "cmake --install failed"; exit 1; }

[ -x "$prefix/bin/tovana" ] || saknas "$prefix/bin/tovana (executable)"
# The program derives its manual folder from its own folder: that path must
# lead to the installed pages.
manual="$prefix/bin/$data_fran_bin/manual"
for sida in "$kalla"/manual/*.html; do
    finns "$manual/$(basename "$sida")"
done
if [ -d "$kalla/manual/bilder" ]; then
    for bild in "$kalla"/manual/bilder/*; do
        finns "$manual/bilder/$(basename "$bild")"
    done
fi
if [ -f "$programkatalog/manualTovana.pdf" ]; then
    finns "$manual/manualTovana.pdf"
else
    echo "manualTovana.pdf is not built; its install is not checked"
fi
for exempel in "$kalla"/exempel/*; do
    finns "$prefix/share/tovana/exempel/$(basename "$exempel")"
done
finns "$prefix/share/applications/tovana.desktop"
finns "$prefix/share/icons/hicolor/scalable/apps/tovana.svg"
finns "$prefix/share/mime/packages/tovana.xml"
finns "$prefix/share/man/man1/tovana.1.gz"
finns "$prefix/share/metainfo/se.tovana.tovana.metainfo.xml"
finns "$prefix/share/doc/tovana/copyright"
finns "$prefix/share/doc/tovana/changelog.gz"
grep -q '^Exec=tovana %f$' "$prefix/share/applications/tovana.desktop" ||
    { echo "the desktop entry does not pass the file on"; fel=1; }
grep -q '<glob pattern="\*.ftg"/>' "$prefix/share/mime/packages/tovana.xml" ||
    { echo "the MIME package does not name company files"; fel=1; }
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/tovana.svg" ||
    { echo "the icon is not an SVG"; fel=1; }
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/tovana.desktop" || fel=1
fi
exit "$fel"
