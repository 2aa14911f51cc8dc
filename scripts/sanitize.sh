#!/usr/bin/env bash
# The SQL dialect's and the embedded provider's tests (tst_sqlite: platform/tsql and
# platform/sqlite) built with AddressSanitizer and UndefinedBehaviorSanitizer
# (-DTABRIX_SANITIZE=ON) into build-sanitize/ (or $TABRIX_SANITIZE_BUILD_DIR) and run: any report
# fails the run. Only that test program is built, so CI pays for the platform library and it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TABRIX_SANITIZE_BUILD_DIR:-$root/build-sanitize}
# Unoptimised with line tables only: the build is what costs here, the tests run in seconds.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g1" \
  -DTABRIX_SANITIZE=ON -DTABRIX_TESTS=ON >/dev/null
cmake --build "$build" --target tst_sqlite "$@"
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$build" -R '^sqlite\.' --no-tests=error --output-on-failure --timeout 600 -j2
