#!/usr/bin/env bash
# Builds the Debian package build/tovana_<version>_<arch>.deb with CPack from the
# same install rules as `cmake --install`, with the prefix /usr, in a build
# folder of its own (build-paket/; ccache, where installed, shares the objects
# with build/).
#     bash scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
[ -n "${TOVANA_BEROENDEN_KLARA:-}" ] || bash scripts/install-deps.sh

startare=()
if command -v ccache >/dev/null; then
    startare=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-paket -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
    -DTOVANA_BUILD_TESTS=OFF -DTOVANA_BUILD_BENCH=OFF "${startare[@]}" >/dev/null
cmake --build build-paket -j "$(nproc)"
rm -f build-paket/tovana_*.deb
(cd build-paket && cpack -G DEB)
mkdir -p build
paket="$(cd build-paket && ls tovana_*.deb)"
mv -f "build-paket/$paket" "build/$paket"
echo "Package: build/$paket"
