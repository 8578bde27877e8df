#!/bin/sh
# lorvex-dump on the benchmarks' large file (bench/LargeStyFile.h), output to
# /dev/null, against the parse alone: "lorvex-dump --check", the same program
# reading and parsing the same file and printing one line. Whole process
# against whole process, the fastest of RUNS each; peak memory is the
# largest resident set, against the file's size.
#
# usage: bench/dump_vs_parse.sh [BUILD_DIR] [RUNS]
#   BUILD_DIR  an optimised build with -DLORVEX_BENCH=ON (default build/bench:
#              cmake --preset bench && cmake --build --preset bench)
#   RUNS       runs of each command (default 3)
set -eu
build=${1:-build/bench}
runs=${2:-3}
dump=$build/tools/lorvex-dump
make=$build/bench/make_large_sty
for bin in "$dump" "$make"; do
    [ -x "$bin" ] || { echo "no $bin: cmake --preset bench && cmake --build --preset bench" >&2; exit 2; }
done
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian package time)" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

file=$work/large.sty
"$make" "$file"
size=$(wc -c <"$file")
echo "file: $size bytes ($(awk -v b="$size" 'BEGIN { printf "%.1f", b / 1048576 }') MiB)"

# best NAME ARGS...: the fastest of $runs runs as "seconds peak_KiB".
best() {
    name=$1
    shift
    : >"$work/$name"
    i=0
    while [ "$i" -lt "$runs" ]; do
        /usr/bin/time -f '%e %M' -o "$work/one" "$dump" "$@" "$file" >/dev/null
        cat "$work/one" >>"$work/$name"
        i=$((i + 1))
    done
    sort -n "$work/$name" | head -n 1
}

set -- $(best check --check)
check_s=$1 check_kib=$2
printf '%-24s %8s %8s %12s %12s\n' mode seconds x_parse peak_MiB x_file
report() {
    awk -v mode="$1" -v s="$2" -v kib="$3" -v base="$check_s" -v size="$size" \
        'BEGIN { printf "%-24s %8.2f %8.2f %12.1f %12.2f\n", mode, s, s / base, kib / 1024, kib * 1024 / size }'
}
report "--check (parse alone)" "$check_s" "$check_kib"
for mode in "text" "text --rows" "json" "json --rows"; do
    set -- $mode
    if [ "$#" -eq 2 ]; then
        set -- $(best "$1-rows" --format "$1" --rows)
    else
        set -- $(best "$1" --format "$1")
    fi
    report "$mode" "$1" "$2"
done
echo "json --rows output: $("$dump" --format json --rows "$file" | wc -c) bytes"
