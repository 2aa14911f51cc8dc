#!/usr/bin/env bash
# Every test, from a fresh machine: packages, build, CTest (windows run offscreen), the dialect's
# tests once more with the sanitizers, then each fuzz target for a short while when clang is there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" --tests
"$root/scripts/build.sh" -DTABRIX_TESTS=ON
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${TABRIX_BUILD_DIR:-$root/build}" --output-on-failure --timeout 600 -j2
"$root/scripts/sanitize.sh" -j2
if command -v clang++ >/dev/null; then
  "$root/scripts/fuzz.sh" "${TABRIX_FUZZ_SECONDS:-20}"
fi
