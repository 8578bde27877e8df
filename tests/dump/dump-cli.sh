#!/bin/sh
# lorvex-dump as a program: the same bytes as the reviewed files, a path with
# Chinese characters and spaces, each exit code, --diff, and no file written.
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
cp "$src/tests/fixtures/edges.sty" "$folder/演示 edges.sty"
cp "$src/tests/fixtures/edges.h" "$folder/标识 ids.h"
sty=$(arg "$folder/演示 edges.sty")
header=$(arg "$folder/标识 ids.h")
expected="$src/tests/dump/expected"
before=$(ls -A "$folder"; cksum "$folder"/*)

# Output: the reviewed files, byte for byte (no CR on Windows either); the
# file node is the Chinese file's title.
sed '1s/.*/[file] 演示 edges/' "$expected/edges.txt" >"$work/want-edges.txt"
dump 0 "$work/edges.txt" "$work/err" --rows "$sty"
same "$work/edges.txt" "$work/want-edges.txt"
sed '2s/"label":"edges"/"label":"演示 edges"/' "$expected/edges-h.json" >"$work/want-edges-h.json"
dump 0 "$work/edges-h.json" "$work/err" --rows --format json --header "$header" "$sty"
same "$work/edges-h.json" "$work/want-edges-h.json"
# (wine-run.sh's own notes aside)
grep -qv '^wine-run.sh: ' "$work/err" && fail "messages on a good run: $(cat "$work/err")"

# The demo's home screen: 800 x 480 with a margin of 8.
dump 0 "$work/svg" "$work/err" --svg 0 --header "$(arg "$src/examples/demo.h")" "$(arg "$src/examples/demo.sty")"
head -n 1 "$work/svg" | grep -q '^<?xml version="1.0" encoding="UTF-8"?>$' || fail "--svg: not an XML file"
grep -q '<title>SCENE_MAIN</title>' "$work/svg" || fail "--svg: no scene title"
grep -q 'viewBox="-8 -8 816 496"' "$work/svg" || fail "--svg: not the scene's area: $(grep -o 'viewBox="[^"]*"' "$work/svg")"

# --find: each match's label path, in tree order; 6 when none matches.
dump 0 "$work/find" "$work/err" --find str_ --header "$header" "$sty"
printf '%s\n' "演示 edges/SCENE_MAIN/GRP_HEADER/GRP_TOOLBAR/STR_TITLE" "演示 edges/SCENE_MAIN/STR_MARQUEE" \
    "演示 edges/SCENE_SETTINGS/GRP_OPTIONS/STR_OPTION" >"$work/want-find"
same "$work/find" "$work/want-find"
dump 6 "$work/out" "$work/err" --find str_ --match-case --header "$header" "$sty"
[ -s "$work/out" ] && fail "--find without a match: data on standard output"
dump 2 "$work/out" "$work/err" --find "" "$sty"

dump 0 "$work/version" "$work/err" --version
grep -qx 'lorvex-dump 1.0.0.1' "$work/version" || fail "--version: $(cat "$work/version")"

# Exit codes, with the reason on standard error and nothing on standard output.
dump 0 "$work/out" "$work/err" --check "$sty"
grep -q 'valid$' "$work/out" || fail "--check of a valid file: $(cat "$work/out")"
head -c 300 "$src/tests/fixtures/edges.sty" >"$work/截断 cut.sty"
dump 1 "$work/out" "$work/err" --check "$(arg "$work/截断 cut.sty")"
grep -q '截断 cut.sty: offset 0x[0-9a-f]*: ' "$work/err" || fail "truncated file: $(cat "$work/err")"
[ -s "$work/out" ] && fail "truncated file: data on standard output"
dump 2 "$work/out" "$work/err" --format xml "$sty"
dump 2 "$work/out" "$work/err" --svg 9 "$sty"
dump 3 "$work/out" "$work/err" "$(arg "$folder/没有 none.sty")"
grep -q '没有 none.sty: cannot open' "$work/err" || fail "missing file: $(cat "$work/err")"
dump 3 "$work/out" "$work/err" --header "$(arg "$folder/没有 none.h")" "$sty"

# --diff: a file with itself, with a copy whose first scene is one wider or
# narrower (the low byte of its width, at 28: the scene table's first entry
# at 12, the width at 16 in it), and with a refused file.
changed="$work/改 changed.sty"
cp "$folder/演示 edges.sty" "$changed"
low=$(od -An -tu1 -j28 -N1 "$changed" | tr -d ' ')
printf "\\$(printf '%03o' $((low ^ 1)))" | dd of="$changed" bs=1 seek=28 conv=notrunc 2>/dev/null
dump 0 "$work/out" "$work/err" --diff "$sty" "$sty"
[ -s "$work/out" ] && fail "--diff of a file with itself: $(cat "$work/out")"
dump 5 "$work/out" "$work/err" --diff "$sty" "$(arg "$changed")"
grep -qx '~ [^/:]*: width [0-9]* -> [0-9]*' "$work/out" || fail "--diff: $(cat "$work/out")"
dump 5 "$work/out" "$work/err" --diff "$sty" --format json "$(arg "$changed")"
grep -q '^{"change":"changed","path":\["[^"]*"\],"kind":"scene","rows":\[{"name":"width",' "$work/out" ||
    fail "--diff --format json: $(cat "$work/out")"
dump 1 "$work/out" "$work/err" --diff "$sty" "$(arg "$work/截断 cut.sty")"
grep -q '^new file .*截断 cut.sty: offset 0x[0-9a-f]*: ' "$work/err" || fail "--diff, a refused file: $(cat "$work/err")"

after=$(ls -A "$folder"; cksum "$folder"/*)
[ "$before" = "$after" ] || fail "the input folder changed"

[ "$failures" -eq 0 ] && echo "dump-cli: all checks passed"
exit "$failures"
