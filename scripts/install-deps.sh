#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing
# (dpkg-dev, appstream and lintian build and check the Debian package).
set -euo pipefail

packages=(build-essential cmake qt6-base-dev qt6-qpa-plugins libgtest-dev libbenchmark-dev
          libgl-dev fonts-dejavu-core xauth chromium poppler-utils qt6-translations-l10n
          clang-14 libclang-rt-14-dev clang-format git libxml2-utils python3
          dpkg-dev appstream lintian)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
