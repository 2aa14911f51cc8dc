# Checks shared by the install tests: an installed tree's program run as a user runs it, from a
# folder of its own, compared with the build tree's program. Sourced; needs BUILD_PROGRAM and
# SOURCE_DIR set by the test.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Every program, library and plugin of the tree finds its libraries relative to itself: a run
# path of $ORIGIN entries only, none naming the build folder or the configured prefix.
check_run_paths() {
    local root=$1 file runpath entry count=0
    while IFS= read -r file; do
        runpath=$(readelf -d "$file" | sed -n 's/.*(R\(UN\)\{0,1\}PATH).*\[\(.*\)\]/\2/p')
        [ -n "$runpath" ] || fail "$file has no run path"
        IFS=: read -ra entries <<<"$runpath"
        for entry in "${entries[@]}"; do
            [[ $entry == '$ORIGIN'* ]] || fail "$file has a run path entry that is not relative to it: $entry"
        done
        count=$((count + 1))
    done < <(find "$root" -type f \( -name '*.so' -o -path '*/bin/tabrix' \))
    [ "$count" -ge 3 ] || fail "only $count ELF files under $root"
}

# Runs PROGRAM with ARGS in WORK, with the dynamic loader reporting every object it initialises,
# and checks that each of Tabrix's own libraries and plugins came from ROOT (never the build).
# The objects named in LOADED must be among them. Standard output goes to WORK/out.txt.
run_from_tree() {
    local root=$1 work=$2 loaded=$3 program=$4
    shift 4
    rm -f "$work"/ld.*
    (cd "$work" && LD_DEBUG=libs LD_DEBUG_OUTPUT="$work/ld" "$program" "$@" >"$work/out.txt") ||
        fail "$program $* exited with $?"
    local objects object real
    objects=$(sed -n 's/.*calling init: //p' "$work"/ld.* | grep -E '/libtabrix_[^/]*\.so$|/plugins/[^/]*\.so$' || true)
    for object in $objects; do
        real=$(realpath -m "$object")
        [[ $real == "$root"/* ]] || fail "$program $* loaded $real from outside $root"
    done
    for object in $loaded; do
        grep -q "/$object\$" <<<"$objects" || fail "$program $* did not load $object (loaded: $objects)"
    done
    rm -f "$work"/ld.*
}

# The version, the demo account, the demo template's export and the dictionary in English with
# the tree's program, run from a new folder; the scripts and texts must equal the build tree's.
check_tree_runs() {
    local root=$1 program=$2 template=$3
    local work=$root.work expected=$root.expected
    mkdir -p "$work" "$expected"
    run_from_tree "$root" "$work" "libtabrix_platform.so" "$program" --version
    mv "$work/out.txt" "$work/version.txt"
    run_from_tree "$root" "$work" "libtabrix_platform.so" "$program" demo-db account.db
    run_from_tree "$root" "$work" "MirelTabrix.so" \
        "$program" export "$template" --struct struct.sql --data data.sql --log export.log
    grep -q "^tabrix export: 17 tables in 1 databases; 0 log lines" "$work/out.txt" ||
        fail "export summary: $(cat "$work/out.txt")"
    run_from_tree "$root" "$work" "NorvResLoader.so" \
        "$program" dictionary --db account.db --language EN t_Account
    mv "$work/out.txt" "$work/dictionary.txt"
    grep -q '^Account: \[account\]$' "$work/dictionary.txt" ||
        fail "the English translation was not found: $(head -3 "$work/dictionary.txt")"

    (cd "$expected" && "$BUILD_PROGRAM" demo-db account.db >/dev/null &&
        "$BUILD_PROGRAM" export "$SOURCE_DIR/data/demo_template.xml" --struct struct.sql --data data.sql >/dev/null &&
        "$BUILD_PROGRAM" dictionary --db account.db --language EN t_Account >dictionary.txt &&
        "$BUILD_PROGRAM" --version >version.txt) ||
        fail "the build tree's program failed"
    local file
    for file in version.txt struct.sql data.sql dictionary.txt; do
        cmp "$expected/$file" "$work/$file" || fail "$file differs from the build tree's"
    done
    [ -s "$work/data.sql" ] || fail "empty data script"
}
