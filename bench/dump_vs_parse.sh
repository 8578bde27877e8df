#!/bin/sh
# lorvex-dump on the benchmarks' large file (bench/LargeStyFile.h), output to
# /dev/null, against the parse alone: "lorvex-dump --check", the same program
# reading and parsing the same file and printing one line. Whole process
# against whole process, RUNS runs each: the best and the median elapsed
# time, and the best CPU time (user + system), which other work on a shared
# machine disturbs less; x_parse compares best with best. Peak memory is the
# largest resident set, against the file's size.
#
# usage: bench/dump_vs_parse.sh [BUILD_DIR] [RUNS]
#   BUILD_DIR  an optimised build with -DLORVEX_BENCH=ON (default build/bench:
#              cmake --preset bench && cmake --build --preset bench)
#   RUNS       runs of each command (default 3)
set -eu
. "$(dirname "$0")/measure.sh"

file=$work/large.sty
"$make" "$file"
size=$(wc -c <"$file")
echo "file: $size bytes ($(awk -v b="$size" 'BEGIN { printf "%.1f", b / 1048576 }') MiB)," \
    "load average $(cut -d' ' -f1-3 /proc/loadavg)"

r=$(measure check 0 --check "$file")
set -- $r
check_s=$1 check_cpu=$3
printf '%-22s %7s %8s %7s %7s %7s %9s %7s\n' mode best_s median_s x_parse cpu_s x_cpu peak_MiB x_file
report() {
    awk -v mode="$1" -v s="$2" -v med="$3" -v cpu="$4" -v kib="$5" -v base="$check_s" -v base_cpu="$check_cpu" \
        -v size="$size" 'BEGIN {
            printf "%-22s %7.2f %8.2f %7.2f %7.2f %7.2f %9.1f %7.2f\n",
                mode, s, med, s / base, cpu, cpu / base_cpu, kib / 1024, kib * 1024 / size }'
}
report "--check (parse alone)" "$@"
for mode in "text" "text --rows" "json" "json --rows"; do
    set -- $mode
    if [ "$#" -eq 2 ]; then
        r=$(measure "$1-rows" 0 --format "$1" --rows "$file")
    else
        r=$(measure "$1" 0 --format "$1" "$file")
    fi
    set -- $r
    report "$mode" "$@"
done
echo "json --rows output: $("$dump" --format json --rows "$file" | wc -c) bytes"
