#!/usr/bin/env bash
# Builds bench_tree_wine with the windows preset and runs it under Wine on a
# private Xvfb display, with the build folder's Wine prefix; it prints the
# seconds and ratios of filling the browse tree (see bench/bench_tree_wine.cpp).
#   bench/tree_wine.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-3}

scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target bench_tree_wine
source scripts/wine-env.sh
lorvex_wine_use build/windows
lorvex_xvfb_start
lorvex_wine_prepare
lorvex_wine_warm
cmake/wine-run.sh build/windows/bench/bench_tree_wine.exe "$rounds"
