#!/usr/bin/env bash
# Filling the browse tree under Wine (see bench/bench_tree_wine.cpp).
#   bench/tree_wine.sh [ROUNDS]
exec "$(dirname "$0")/run_wine_bench.sh" bench_tree_wine "$@"
