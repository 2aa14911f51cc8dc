#!/usr/bin/env bash
# The main job on the embedded demo database, from a fresh machine: packages, build, the demo
# account database, and its dictionary summary.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TABRIX_BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
"$root/scripts/build.sh" --target tabrix
mkdir -p "$build/demo"
"$build/bin/tabrix" demo-db "$build/demo/account.db"
