#!/usr/bin/env bash
# Every test, from a fresh machine: packages, build, CTest (windows run offscreen).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "${TABRIX_BUILD_DIR:-$root/build}" --output-on-failure --timeout 600 -j2
