#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang into build-fuzz/ (or $TABRIX_FUZZ_BUILD_DIR),
# replays their seeds and the inputs of fixed crashes, then fuzzes each target for SECONDS
# (default 120). A crash stops the script with a non-zero status and the input under
# build-fuzz/crashes/TARGET/; once fixed, keep that input in fuzz/regression/TARGET/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TABRIX_FUZZ_BUILD_DIR:-$root/build-fuzz}
seconds=${1:-120}
[[ $seconds =~ ^[0-9]+$ && $seconds -gt 0 ]] || { echo "usage: $0 [SECONDS per target]" >&2; exit 2; }
command -v clang++ >/dev/null || { echo "fuzz.sh: clang++ is missing (Debian: clang libclang-rt-14-dev)" >&2; exit 2; }

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DTABRIX_FUZZ=ON >/dev/null
cmake --build "$build" -j2
ctest --test-dir "$build" --output-on-failure

passed=0
for seeds in "$root"/fuzz/corpus/*/; do
  name=$(basename "$seeds")
  # New inputs the fuzzer finds go to the build folder's corpus, so later runs start from them.
  corpus=$build/corpus/$name
  crashes=$build/crashes/$name
  mkdir -p "$corpus" "$crashes"
  inputs=("$corpus" "$seeds")
  [ -d "$root/fuzz/regression/$name" ] && inputs+=("$root/fuzz/regression/$name")
  echo "== fuzz_$name for ${seconds}s"
  if ! "$build/bin/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$crashes/" "${inputs[@]}" >"$build/fuzz_$name.log" 2>&1; then
    tail -n 60 "$build/fuzz_$name.log" >&2
    echo "fuzz_$name failed; the input is in $crashes/ (full log: $build/fuzz_$name.log)" >&2
    exit 1
  fi
  grep -E '^stat::(number_of_executed_units|new_units_added)|^Done' "$build/fuzz_$name.log" | tr '\n' ' '
  echo
  passed=$((passed + 1))
done
echo "fuzz: $passed passed, 0 failed"
