#!/usr/bin/env bash
# Checks the formatting and that no source folder includes against the layers
# (scripts/inkluderingsgraf.py), builds the program and runs every test; the run ends
# with ctest's summary.
# Before it: the core tests built with AddressSanitizer and UndefinedBehaviorSanitizer
# (build-asan/), and a short run of every fuzz target (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/format-check.sh
python3 scripts/inkluderingsgraf.py
bash scripts/build.sh

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOVANA_SANITIZE=ON \
    -DTOVANA_BUILD_BENCH=OFF
cmake --build build-asan -j "$(nproc)" --target tovana_core_tests
(cd build-asan/tests && ./tovana_core_tests --gtest_brief=1)

bash scripts/fuzz.sh 30

cd build
ctest --output-on-failure -j "$(nproc)"
