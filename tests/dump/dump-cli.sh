#!/bin/sh
# lorvex-dump as a program: the same bytes as the reviewed files, a path with
# Chinese characters and spaces, each exit code, and no file written.
#   dump-cli.sh SOURCE_DIR WORK_DIR PROGRAM [RUNNER]
# With a RUNNER (cmake/wine-run.sh) PROGRAM is the Windows build, given its
# paths as Windows paths on drive Z:. Plain sh: bash warns under a locale
# that exists only in the build folder.
set -u
src=$1 work=$2 program=$3 runner=${4:-}

failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

# The path as the program is given it.
arg() {
    if [ -n "$runner" ]; then
        printf 'Z:%s' "$1" | tr / '\\'
    else
        printf '%s' "$1"
    fi
}

# dump EXPECTED_CODE OUT ERR ARGS...: runs the program, checks its exit code.
dump() {
    want=$1 out=$2 err=$3
    shift 3
    if [ -n "$runner" ]; then
        "$runner" "$program" "$@" >"$out" 2>"$err"
    else
        "$program" "$@" >"$out" 2>"$err"
    fi
    code=$?
    [ "$code" -eq "$want" ] || fail "exit $code, not $want: $* ($(cat "$err"))"
}

same() {
    cmp -s "$1" "$2" || fail "$1 differs from $2: $(diff "$1" "$2" | head -n 5)"
}

rm -rf "$work"
folder="$work/目录 with space"
mkdir -p "$folder"
cp "$src/examples/demo.sty" "$folder/演示 demo.sty"
cp "$src/examples/demo.h" "$folder/标识 ids.h"
sty=$(arg "$folder/演示 demo.sty")
header=$(arg "$folder/标识 ids.h")
expected="$src/tests/dump/expected"
before=$(ls -A "$folder"; cksum "$folder"/*)

# Output: the reviewed files, byte for byte (no CR on Windows either); the
# file node is the Chinese file's title.
sed '1s/.*/[file] 演示 demo/' "$expected/demo.txt" >"$work/want-demo.txt"
dump 0 "$work/demo.txt" "$work/err" --rows "$sty"
same "$work/demo.txt" "$work/want-demo.txt"
sed '2s/"label":"demo"/"label":"演示 demo"/' "$expected/demo-h.json" >"$work/want-demo-h.json"
dump 0 "$work/demo-h.json" "$work/err" --rows --format json --header "$header" "$sty"
same "$work/demo-h.json" "$work/want-demo-h.json"
# (wine-run.sh's own notes aside)
grep -qv '^wine-run.sh: ' "$work/err" && fail "messages on a good run: $(cat "$work/err")"

dump 0 "$work/svg" "$work/err" --svg 0 --header "$header" "$sty"
head -n 1 "$work/svg" | grep -q '^<?xml version="1.0" encoding="UTF-8"?>$' || fail "--svg: not an XML file"
grep -q '<title>SCENE_MAIN</title>' "$work/svg" || fail "--svg: no scene title"

# --find: each match's label path, in tree order; 5 when none matches.
dump 0 "$work/find" "$work/err" --find str_ --header "$header" "$sty"
printf '%s\n' "演示 demo/SCENE_MAIN/GRP_HEADER/GRP_TOOLBAR/STR_TITLE" "演示 demo/SCENE_MAIN/STR_MARQUEE" \
    "演示 demo/SCENE_SETTINGS/GRP_OPTIONS/STR_OPTION" >"$work/want-find"
same "$work/find" "$work/want-find"
dump 5 "$work/out" "$work/err" --find str_ --match-case --header "$header" "$sty"
[ -s "$work/out" ] && fail "--find without a match: data on standard output"
dump 2 "$work/out" "$work/err" --find "" "$sty"

dump 0 "$work/version" "$work/err" --version
grep -qx 'lorvex-dump 1.0.0.1' "$work/version" || fail "--version: $(cat "$work/version")"

# Exit codes, with the reason on standard error and nothing on standard output.
dump 0 "$work/out" "$work/err" --check "$sty"
grep -q 'valid$' "$work/out" || fail "--check of a valid file: $(cat "$work/out")"
head -c 300 "$src/examples/demo.sty" >"$work/截断 cut.sty"
dump 1 "$work/out" "$work/err" --check "$(arg "$work/截断 cut.sty")"
grep -q '截断 cut.sty: offset 0x[0-9a-f]*: ' "$work/err" || fail "truncated file: $(cat "$work/err")"
[ -s "$work/out" ] && fail "truncated file: data on standard output"
dump 2 "$work/out" "$work/err" --format xml "$sty"
dump 2 "$work/out" "$work/err" --svg 9 "$sty"
dump 3 "$work/out" "$work/err" "$(arg "$folder/没有 none.sty")"
grep -q '没有 none.sty: cannot open' "$work/err" || fail "missing file: $(cat "$work/err")"
dump 3 "$work/out" "$work/err" --header "$(arg "$folder/没有 none.h")" "$sty"

after=$(ls -A "$folder"; cksum "$folder"/*)
[ "$before" = "$after" ] || fail "the input folder changed"

[ "$failures" -eq 0 ] && echo "dump-cli: all checks passed"
exit "$failures"
