#!/usr/bin/env bash
# Builds one of the benchmarks that run under Wine (bench_tree_wine,
# bench_find_wine) with the windows preset and runs it on a private Xvfb
# display, with the build folder's Wine prefix; the benchmark prints its
# own figures.
#   bench/run_wine_bench.sh TARGET [ARGS...]
set -euo pipefail
cd "$(dirname "$0")/.."
target=$1
shift

scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target "$target"
source scripts/wine-env.sh
lorvex_wine_use build/windows
lorvex_xvfb_start
lorvex_wine_prepare
lorvex_wine_warm
cmake/wine-run.sh "build/windows/bench/$target.exe" "$@"
