#!/usr/bin/env bash
# Builds the Debian package from the build folder and inspects it: its files lie under /usr with
# the libraries private to the program, its dependencies name every library and run-time
# package the program needs, and its tree, unpacked anywhere, runs the demo export.
# Usage: deb_package.sh CPACK BUILD_DIR BUILD_PROGRAM SOURCE_DIR
set -euo pipefail
cpack=$1 build=$2
BUILD_PROGRAM=$3 SOURCE_DIR=$4
. "$(dirname "$0")/install_checks.sh"

tmp=$(realpath "$(mktemp -d)")
trap 'rm -rf "$tmp"' EXIT
(cd "$build" && "$cpack" -G DEB -B "$tmp/out" >"$tmp/cpack.log" 2>&1) || { cat "$tmp/cpack.log" >&2; fail "cpack failed"; }
debs=("$tmp"/out/tabrix_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one tabrix_*.deb, found: ${debs[*]}"
deb=${debs[0]}

dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|' >"$tmp/files.txt"
for file in /usr/bin/tabrix /usr/lib/tabrix/libtabrix_platform.so /usr/lib/tabrix/plugins/Tabrix.so \
    /usr/lib/tabrix/plugins/MirelTabrix.so /usr/lib/tabrix/plugins/translations/NorvDesign_EN.qm \
    /usr/lib/tabrix/plugins/translations/NorvDesign_CHT.qm /usr/share/tabrix/type_ref.xml \
    /usr/share/tabrix/demo_template.xml /usr/share/applications/tabrix-browse.desktop \
    /usr/share/applications/tabrix-convert.desktop /usr/share/icons/hicolor/scalable/apps/tabrix.svg; do
    grep -qx "$file" "$tmp/files.txt" || fail "the package lacks $file"
done
grep -qE '^/usr/share/man/man1/tabrix\.1(\.gz)?$' "$tmp/files.txt" || fail "the package lacks the manual page"
outside=$(grep -v '^/usr/' "$tmp/files.txt" || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
public_libraries=$(grep -E '^/usr/lib/[^/]+\.so' "$tmp/files.txt" || true)
[ -z "$public_libraries" ] || fail "libraries in the public library folder: $public_libraries"
# The product's plugins, as the build makes them, and nothing else (the tests' plugins stay out).
built_plugins=$(cd "$build/plugins" && ls -- *.so | sed 's|^|/usr/lib/tabrix/plugins/|' | sort)
packaged_plugins=$(grep -E '\.so$' "$tmp/files.txt" | grep -v '/libtabrix_[^/]*\.so$' | sort)
[ "$built_plugins" = "$packaged_plugins" ] ||
    fail "plugins in the package differ from the build's: $(diff <(echo "$built_plugins") <(echo "$packaged_plugins") | tr '\n' ' ')"

# Each dependency by package name (Qt's libraries may carry Debian's t64 suffix).
depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',' '\n' <<<"$depends" | sed 's/(.*//; s/|.*//; s/ //g')
for wanted in 'libqt6core6(t64)?' 'libqt6gui6(t64)?' 'libqt6widgets6(t64)?' 'libsqlite3-0' 'libpugixml1v5' \
    'libodbc[12]' 'tdsodbc' 'fonts-noto-cjk'; do
    grep -qxE "$wanted" <<<"$names" || fail "Depends lacks $wanted: $depends"
done
# Every dependency is a package this machine has installed, so the names are real ones.
for name in $names; do
    dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q 'install ok installed' ||
        fail "dependency $name is not an installed package here"
done

dpkg-deb -x "$deb" "$tmp/root"
check_run_paths "$tmp/root/usr"
check_tree_runs "$tmp/root" "$tmp/root/usr/bin/tabrix" "$tmp/root/usr/share/tabrix/demo_template.xml"
echo "Debian package $(basename "$deb"): ok"
