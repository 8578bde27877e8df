# Sourced by the benchmarks that time whole lorvex-dump processes, after
# "set -eu" and with their arguments: [BUILD_DIR] [RUNS].
#   BUILD_DIR  an optimised build with -DLORVEX_BENCH=ON (default build/bench:
#              cmake --preset bench && cmake --build --preset bench)
#   RUNS       runs of each command (default 3)
# Sets build, runs, dump (the program), make (the large file's writer) and
# work (a scratch folder removed on exit); defines measure.
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

# measure NAME EXIT ARGS...: $runs runs of lorvex-dump ARGS, output to
# /dev/null, each to end with exit code EXIT, as "best_s median_s best_cpu_s
# peak_KiB" (cpu: user + system). Take it with r=$(measure ...), so that a
# failure stops the script.
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
