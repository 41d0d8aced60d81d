#!/usr/bin/env bash
# Fails when any source of the project differs from what clang-format makes of it
# with the project's .clang-format; prints the places.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z '*.cpp' '*.h' '*.c' | xargs -0 clang-format --dry-run -Werror
else
    find src tests bench fuzz \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print0 |
        xargs -0 clang-format --dry-run -Werror
fi
