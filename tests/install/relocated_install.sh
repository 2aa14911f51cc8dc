#!/usr/bin/env bash
# Installs the build into a prefix it was not configured for, moves the installed tree, and runs
# the program from another folder: libraries, plugins, translations and the type map must all
# be found relative to the program. The desktop entries must be valid.
# Usage: relocated_install.sh CMAKE BUILD_DIR BUILD_PROGRAM SOURCE_DIR
set -euo pipefail
cmake=$1 build=$2
BUILD_PROGRAM=$3 SOURCE_DIR=$4
. "$(dirname "$0")/install_checks.sh"

tmp=$(realpath "$(mktemp -d)")
trap 'rm -rf "$tmp"' EXIT
"$cmake" --install "$build" --prefix "$tmp/first/opt/tabrix" >/dev/null || fail "cmake --install failed"
mkdir "$tmp/moved"
mv "$tmp/first/opt/tabrix" "$tmp/moved/tabrix"
root=$tmp/moved/tabrix

check_run_paths "$root"
check_tree_runs "$root" "$root/bin/tabrix" "$root/share/tabrix/demo_template.xml"

command -v desktop-file-validate >/dev/null || fail "desktop-file-validate is missing (package desktop-file-utils)"
for entry in tabrix-browse tabrix-convert; do
    file=$root/share/applications/$entry.desktop
    [ -f "$file" ] || fail "$entry.desktop is not installed"
    desktop-file-validate "$file" || fail "$entry.desktop is not valid"
    grep -q '^Icon=tabrix$' "$file" || fail "$entry.desktop names another icon"
done
grep -qx 'Exec=tabrix browse' "$root/share/applications/tabrix-browse.desktop" || fail "browser entry's command"
grep -qx 'Exec=tabrix convert %f' "$root/share/applications/tabrix-convert.desktop" || fail "converter entry's command"
for icon in scalable/apps/tabrix.svg 48x48/apps/tabrix.png; do
    [ -s "$root/share/icons/hicolor/$icon" ] || fail "icon $icon is not installed"
done
echo "relocated install: ok"
