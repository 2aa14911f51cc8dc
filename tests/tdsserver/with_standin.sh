#!/bin/sh
# Runs a command against a fresh TDS stand-in server: starts tds_standin on an empty temporary
# folder with a random password and any free port, exports TABRIX_TEST_MSSQL for the command,
# stops the server afterwards and returns the command's exit status.
# TDS_STANDIN names the server program; without it, tds_standin is looked up on the PATH.
set -u
if [ $# -eq 0 ]; then
    echo "usage: with_standin.sh <command> [arguments...]" >&2
    exit 2
fi
standin=${TDS_STANDIN:-tds_standin}
work=$(mktemp -d "${TMPDIR:-/tmp}/tds_standin.XXXXXX") || exit 1
password=$(od -An -N12 -tx1 /dev/urandom | tr -d ' \n')
"$standin" --dir "$work" --user sa --password "$password" --port 0 --port-file "$work/port" \
    2>"$work/server.log" &
server=$!
cleanup() {
    kill "$server" 2>/dev/null
    wait "$server" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

tries=0
while [ ! -s "$work/port" ]; do
    if ! kill -0 "$server" 2>/dev/null || [ $tries -ge 100 ]; then
        echo "with_standin.sh: tds_standin did not start" >&2
        cat "$work/server.log" >&2
        exit 1
    fi
    tries=$((tries + 1))
    sleep 0.1
done
port=$(cat "$work/port")
export TABRIX_TEST_MSSQL="Provider=SQLOLEDB.1;User ID=sa;pwd=$password;Initial Catalog=tabrix_test;Data Source=127.0.0.1,$port"
"$@"
status=$?
if [ -s "$work/server.log" ]; then
    echo "--- tds_standin log ---" >&2
    cat "$work/server.log" >&2
fi
exit $status
