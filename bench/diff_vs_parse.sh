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
. "$(dirname "$0")/measure.sh"

old=$work/old.sty new=$work/new.sty
"$make" "$old"
"$make" --edited "$new"
size=$(($(wc -c <"$old") + $(wc -c <"$new")))
echo "files: $size bytes together ($(awk -v b="$size" 'BEGIN { printf "%.1f", b / 1048576 }') MiB)," \
    "load average $(cut -d' ' -f1-3 /proc/loadavg)"

r=$(measure check-old 0 --check "$old")
set -- $r
parse_s=$1 parse_cpu=$3 parse_kib=$4
r=$(measure check-new 0 --check "$new")
set -- $r
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
r=$(measure diff 5 --diff "$old" "$new")
report "--diff" $r
r=$(measure diff-json 5 --diff "$old" "$new" --format json)
report "--diff --format json" $r
echo "--diff output: $("$dump" --diff "$old" "$new" | wc -l) lines"
