#!/usr/bin/env bash
# Configures and builds into build/ (or $TABRIX_BUILD_DIR) with Ninja. Arguments that start with
# -D go to the configuration (for example -DTABRIX_TESTS=OFF), the others to the build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TABRIX_BUILD_DIR:-$root/build}
configure=()
make=()
for argument in "$@"; do
  case $argument in
    -D*) configure+=("$argument") ;;
    *) make+=("$argument") ;;
  esac
done
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${configure[@]}" >/dev/null
cmake --build "$build" "${make[@]}"
