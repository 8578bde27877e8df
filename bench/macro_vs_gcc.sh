#!/bin/sh
# Loading a generated id header through uiFile against "gcc -E -dM", whole
# process against whole process, after checking that both sides agree on
# the names and that gcc computes the same value for each.
#
# usage: bench/macro_vs_gcc.sh [BUILD_DIR] [DEFINITIONS]
#   BUILD_DIR    a build with -DLORVEX_BENCH=ON (default build/bench)
#   DEFINITIONS  size of the generated header (default 100000)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-build/bench}
n=${2:-100000}
bin=$build/bench/bench_macro_header
[ -x "$bin" ] || { echo "no $bin: build with -DLORVEX_BENCH=ON" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk -v n="$n" -f "$here/gen_macro_header.awk" > "$work/ids.h"
echo "header: $n definitions, $(wc -c < "$work/ids.h") bytes"

# Names: gcc's macros with a value, plus the enum members of its output.
"$bin" --load "$work/ids.h" > "$work/ours.txt"
cut -d' ' -f1 "$work/ours.txt" | sort > "$work/ours.names"
gcc -E -dM -x c /dev/null | awk '{print $2}' | sort > "$work/predefined"
gcc -E -dM "$work/ids.h" | awk 'NF > 2 {print $2}' | sort > "$work/macros"
gcc -E "$work/ids.h" | awk '/^enum/ {inside = 1; next} /^}/ {inside = 0} inside && match($0, /[A-Za-z_][A-Za-z_0-9]*/) {print substr($0, RSTART, RLENGTH)}' > "$work/enums"
comm -23 "$work/macros" "$work/predefined" | cat - "$work/enums" | sort > "$work/gcc.names"
if ! cmp -s "$work/ours.names" "$work/gcc.names"; then
    echo "FAIL: the names differ (< ours, > gcc):" >&2
    diff "$work/ours.names" "$work/gcc.names" | head -20 >&2
    exit 1
fi

# Values: a C program that gcc builds prints each name's value.
{
    echo '#include <stdio.h>'
    echo 'typedef unsigned int UINT32;'
    echo "#include \"$work/ids.h\""
    echo 'static const struct { const char* name; long long value; } names[] = {'
    awk '{printf "{\"%s\", (long long)(%s)},\n", $1, $1}' "$work/ours.txt"
    cat <<'PROGRAM'
};
int main(void) {
    for (size_t i = 0; i < sizeof names / sizeof names[0]; ++i)
        if (names[i].value < -2147483648LL || names[i].value > 4294967295LL)
            printf("%s out of range\n", names[i].name);
        else
            printf("%s %u\n", names[i].name, (unsigned)names[i].value);
    return 0;
}
PROGRAM
} > "$work/values.c"
gcc -O0 -w -o "$work/values" "$work/values.c"
"$work/values" > "$work/gcc.txt"
if ! cmp -s "$work/ours.txt" "$work/gcc.txt"; then
    echo "FAIL: the values differ (< ours, > gcc):" >&2
    diff "$work/ours.txt" "$work/gcc.txt" | head -20 >&2
    exit 1
fi
echo "same names and values: $(wc -l < "$work/ours.txt") names"

"$bin" "$work/ids.h" --benchmark_out="$work/bench.json" --benchmark_out_format=json
awk -F'[:,]' '
    /"name":/ { name = $2 }
    /"real_time":/ { gsub(/[ "]/, "", name); sub(/\/real_time$/, "", name); t[name] = $2 + 0 }
    /"cpu_time":/ { cpu[name] = $2 + 0 }
    END {
        ours = t["load/lorvex_uiFile"]; gcc = t["load/gcc_E_dM"]
        if (ours > 0) printf "lorvex %.1f ms, gcc -E -dM %.1f ms: %.1fx faster\n", ours, gcc, gcc / ours
        printf "load alone, in this process: %.1f ms of processor time\n", cpu["load/uiFile_in_process"]
    }' "$work/bench.json"
