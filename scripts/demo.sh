#!/usr/bin/env bash
# The main job on the embedded demo database, from a fresh machine: the packages and the build of
# the program alone (no tests), the demo account database, then the export of the demo template
# to a structure script, a data script and a log in build/demo/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${TABRIX_BUILD_DIR:-$root/build}
"$root/scripts/setup.sh"
"$root/scripts/build.sh" -DTABRIX_TESTS=OFF
mkdir -p "$build/demo"
cd "$build/demo"
rm -f struct.sql data.sql export.log
"$build/bin/tabrix" demo-db account.db
"$build/bin/tabrix" export "$root/data/demo_template.xml" --struct struct.sql --data data.sql --log export.log
echo "Scripts written to $build/demo: struct.sql, data.sql"
