#!/bin/sh
# lorvex-dump --diff on two builds of the benchmarks' large file
# (bench/LargeStyFile.h: a million resources each, the second with a hundred
# edits), output to /dev/null, against parsing both: "lorvex-dump --check"
# of each, the same program reading, parsing and printing one line. Whole
# processes, RUNS runs each; the best elapsed and CPU times (user + system)
# and the median elapsed time; x_parse compares with the two parses' best
# times added. Peak memory is the largest resident set, against the two
# files' sizes added.
#
# usage: bench/diff_vs_parse.sh [BUILD_DIR] [RUNS]
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

old=$work/old.sty new=$work/new.sty
"$make" "$old"
"$make" --edited "$new"
size=$(($(wc -c <"$old") + $(wc -c <"$new")))
echo "files: $size bytes together ($(awk -v b="$size" 'BEGIN { printf "%.1f", b / 1048576 }') MiB)," \
    "load average $(cut -d' ' -f1-3 /proc/loadavg)"

# measure NAME EXIT ARGS...: $runs runs, each to exit with EXIT, as
# "best_s median_s best_cpu_s peak_KiB".
measure() {
    name=$1 want=$2
    shift 2
    : >"$work/$name"
    i=0
    while [ "$i" -lt "$runs" ]; do
        code=0
        /usr/bin/time -f '%e %U %S %M' -o "$work/one" "$dump" "$@" >/dev/null || code=$?
        [ "$code" -eq "$want" ] || { echo "lorvex-dump $*: exit $code, not $want" >&2; exit 1; }
        # (time puts "Command exited with non-zero status" first)
        tail -n 1 "$work/one" >>"$work/$name"
        i=$((i + 1))
    done
    sort -n "$work/$name" | awk '
        { e[NR] = $1; cpu = $2 + $3; if (NR == 1 || cpu < best_cpu) best_cpu = cpu; if ($4 > peak) peak = $4 }
        END { printf "%s %s %.2f %d\n", e[1], e[int((NR + 1) / 2)], best_cpu, peak }'
}

set -- $(measure check-old 0 --check "$old")
parse_s=$1 parse_cpu=$3 parse_kib=$4
set -- $(measure check-new 0 --check "$new")
parse_s=$(awk -v a="$parse_s" -v b="$1" 'BEGIN { print a + b }')
parse_cpu=$(awk -v a="$parse_cpu" -v b="$3" 'BEGIN { print a + b }')
parse_kib=$((parse_kib + $4))
printf '%-24s %7s %8s %7s %7s %7s %9s %8s\n' mode best_s median_s x_parse cpu_s x_cpu peak_MiB x_files
report() {
    awk -v mode="$1" -v s="$2" -v med="$3" -v cpu="$4" -v kib="$5" -v base="$parse_s" -v base_cpu="$parse_cpu" \
        -v size="$size" 'BEGIN {
            printf "%-24s %7.2f %8.2f %7.2f %7.2f %7.2f %9.1f %8.2f\n",
                mode, s, med, s / base, cpu, cpu / base_cpu, kib / 1024, kib * 1024 / size }'
}
# (its peak: the two processes' peaks added)
report "two --check (parse both)" "$parse_s" "$parse_s" "$parse_cpu" "$parse_kib"
report "--diff" $(measure diff 5 --diff "$old" "$new")
report "--diff --format json" $(measure diff-json 5 --diff "$old" "$new" --format json)
echo "--diff output: $("$dump" --diff "$old" "$new" | wc -l) lines"
