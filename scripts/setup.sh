#!/usr/bin/env bash
# Installs the Debian packages that are missing: those the program needs to build and run, and
# with --tests also those of the tests, benchmarks, fuzzing and packaging.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n libgl-dev
  libsqlite3-dev libpugixml-dev
  unixodbc-dev tdsodbc
  fonts-noto-cjk
)
if [ "${1:-}" = --tests ]; then
  packages+=(
    sqlite3 libsqliteodbc
    libgtest-dev libbenchmark-dev
    clang libclang-rt-14-dev
    chromium-headless-shell
    dpkg-dev desktop-file-utils
  )
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
