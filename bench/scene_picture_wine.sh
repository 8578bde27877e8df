#!/usr/bin/env bash
# Builds bench_scene_picture_wine with the windows preset and runs it under Wine on a
# private Xvfb display, with the build folder's Wine prefix; it prints the
# milliseconds of painting and scrolling the scene picture (see
# bench/bench_scene_picture_wine.cpp).
#   bench/scene_picture_wine.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-20}

scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target bench_scene_picture_wine
source scripts/wine-env.sh
lorvex_wine_use build/windows
lorvex_xvfb_start
lorvex_wine_prepare
lorvex_wine_warm
cmake/wine-run.sh build/windows/bench/bench_scene_picture_wine.exe "$rounds"
