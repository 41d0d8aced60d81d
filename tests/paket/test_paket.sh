#!/usr/bin/env bash
# Builds the Debian package (scripts/package.sh) and checks what a user gets
# from it: the control fields, every file the install rules put in it and
# nothing else, the manual page, the software centre's metadata, the
# changelog, and lintian's verdict where lintian is installed. Skipped (77)
# where the Debian tools that make a package are missing.
#     test_paket.sh SOURCE_DIR VERSION
set -euo pipefail
kalla="$1"
version="$2"

for verktyg in dpkg-deb dpkg-shlibdeps cpack; do
    if ! command -v "$verktyg" >/dev/null; then
        echo "$verktyg is missing (package dpkg-dev): the Debian package is not built or checked"
        exit 77
    fi
done

# The test command has installed what the package needs already.
logg="$(mktemp)"
TOVANA_BEROENDEN_KLARA=1 bash "$kalla/scripts/package.sh" >"$logg" 2>&1 ||
    { cat "$logg"; rm -f "$logg"; echo "scripts/package.sh failed"; exit 1; }
rm -f "$logg"
arkitektur="$(dpkg --print-architecture)"
deb="$kalla/build/tovana_${version}_${arkitektur}.deb"
[ -f "$deb" ] || { echo "no package at $deb"; exit 1; }

fel=0
fela() { echo "$1"; fel=1; }

# The control fields.
falt() { dpkg-deb -f "$deb" "$1"; }
[ "$(falt Package)" = tovana ] || fela "Package is '$(falt Package)'"
[ "$(falt Version)" = "$version" ] || fela "Version is '$(falt Version)', CMake says $version"
[ "$(falt Architecture)" = "$arkitektur" ] || fela "Architecture is '$(falt Architecture)'"
[ -n "$(falt Maintainer)" ] || fela "no Maintainer"
beroenden="$(falt Depends)"
# The names in the comma-separated list, without their versions.
namn="$(tr ',' '\n' <<<"$beroenden" | sed 's/(.*//; s/ //g')"
for paket in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6 qt6-translations-l10n; do
    grep -qxF "$paket" <<<"$namn" || fela "Depends lacks $paket: $beroenden"
done

# The contents: exactly the expected files, owned by root, under /usr.
arbete="$(mktemp -d)"
trap 'rm -rf "$arbete"' EXIT
dpkg-deb -c "$deb" >"$arbete/lista"
awk '$1 !~ /^d/ {print $6}' "$arbete/lista" | sort >"$arbete/filer"
{
    echo ./usr/bin/tovana
    echo ./usr/share/applications/tovana.desktop
    echo ./usr/share/doc/tovana/changelog.gz
    echo ./usr/share/doc/tovana/copyright
    echo ./usr/share/icons/hicolor/scalable/apps/tovana.svg
    echo ./usr/share/man/man1/tovana.1.gz
    echo ./usr/share/metainfo/se.tovana.tovana.metainfo.xml
    echo ./usr/share/mime/packages/tovana.xml
    echo ./usr/share/tovana/manual/manualTovana.pdf
    for f in "$kalla"/exempel/*; do echo "./usr/share/tovana/exempel/${f##*/}"; done
    for f in "$kalla"/manual/*.html; do echo "./usr/share/tovana/manual/${f##*/}"; done
    for f in "$kalla"/manual/bilder/*; do echo "./usr/share/tovana/manual/bilder/${f##*/}"; done
} | sort >"$arbete/vantade"
if ! diff -u "$arbete/vantade" "$arbete/filer" >"$arbete/skillnad"; then
    cat "$arbete/skillnad"
    fela "the package's files differ from the expected (- expected, + in the package)"
fi
awk '$2 != "root/root" {print}' "$arbete/lista" | grep . && fela "files not owned by root"
grep -E '^-rwxr-xr-x .* \./usr/bin/tovana$' "$arbete/lista" >/dev/null ||
    fela "usr/bin/tovana is not an executable of mode 755"

# The files themselves, unpacked.
dpkg-deb -x "$deb" "$arbete/rot"
rot="$arbete/rot"
program="$rot/usr/bin/tovana"
if file "$program" | grep -q 'not stripped'; then fela "the program is not stripped"; fi
[ "$("$program" --version)" = "Tovana $version" ] || fela "tovana --version prints '$("$program" --version)'"

# The manual page: gzipped with no name or time in it, read by man without a
# warning, naming the version and every flag and file a user meets.
sida="$rot/usr/share/man/man1/tovana.1.gz"
[ "$(od -An -tx1 -j4 -N4 "$sida" | tr -d ' ')" = 00000000 ] || fela "the manual page's gzip holds a time"
[ $(( $(od -An -tu1 -j3 -N1 "$sida") & 8 )) -eq 0 ] || fela "the manual page's gzip holds a name"
if command -v groff >/dev/null; then
    varningar="$(zcat "$sida" | LC_ALL=C.UTF-8 groff -k -man -Tutf8 -ww -z 2>&1)"
    [ -z "$varningar" ] || fela "groff warns about the manual page: $varningar"
fi
zcat "$sida" >"$arbete/tovana.1"
grep -q "^\.TH TOVANA 1 \"[0-9-]*\" \"Tovana $version\"" "$arbete/tovana.1" ||
    fela "the manual page does not name version $version"
# Every flag that --help lists, in the page's own spelling (\- for -).
for flagga in $("$program" --help | grep -Eo -- '(^|[ ,])--?[a-z]+' | tr -d ' ,' | sort -u); do
    grep -Fq -- "${flagga//-/\\-}" "$arbete/tovana.1" || fela "the manual page lacks $flagga"
done
for namn in .kpl .red .ftg .red.logg Tovana.farg .lck utskrift.html manualTovana.pdf /usr/share/tovana/manual/; do
    grep -Fq -- "$namn" "$arbete/tovana.1" || fela "the manual page does not mention $namn"
done

# The software centre's metadata: this version, a desktop entry the package
# holds, and valid.
info="$rot/usr/share/metainfo/se.tovana.tovana.metainfo.xml"
grep -q "<release version=\"$version\" date=\"[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]\"/>" "$info" ||
    fela "the metadata's release is not $version with a date"
skrivbord="$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$info")"
[ -f "$rot/usr/share/applications/$skrivbord" ] || fela "the metadata launches '$skrivbord', not in the package"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$info" >"$arbete/appstream" 2>&1 ||
        { cat "$arbete/appstream"; fela "appstreamcli validate failed"; }
else
    echo "appstreamcli is missing (package appstream): the metadata is not validated"
fi

# The changelog's newest entry is this version.
forsta="$(zcat "$rot/usr/share/doc/tovana/changelog.gz" | head -n 1)"
[[ "$forsta" == "tovana ($version) "* ]] || fela "the changelog begins '$forsta', not version $version"

if command -v lintian >/dev/null; then
    lintian --tag-display-limit 0 "$deb" >"$arbete/lintian" 2>&1 || true
    grep -v 'running with root privileges' "$arbete/lintian" || true
    grep -q '^E: ' "$arbete/lintian" && fela "lintian reports errors"
else
    echo "lintian is missing (package lintian): the package is not checked by it"
fi
exit "$fel"
