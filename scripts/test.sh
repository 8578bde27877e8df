#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests under the sanitizers, a
# short run of each fuzz target, then the windows-side tests under Wine on a private
# Xvfb display. Stops at the first failure, with a non-zero exit.
#   LORVEX_FUZZ_SECONDS   time per fuzz target (default 15)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
fuzz_seconds=${LORVEX_FUZZ_SECONDS:-15}

stage() { printf '\n=== %s (at %d s)\n' "$*" "$SECONDS"; }

scripts/setup.sh

stage "native: build and unit tests"
cmake --preset native
cmake --build --preset native
ctest --preset native

run_fuzz_target() {
    local name=$1 bin=$2
    local corpus="$root/fuzz/corpus/${name#fuzz_}"
    local scratch="$root/build/fuzz/run/${name#fuzz_}"
    # A scratch copy: libFuzzer adds what it finds to the corpus folder it is given.
    rm -rf "$scratch"
    mkdir -p "$scratch/corpus"
    [ -d "$corpus" ] && cp -R "$corpus/." "$scratch/corpus/"
    if timeout $((fuzz_seconds + 60)) "$bin" -max_total_time="$fuzz_seconds" \
        -artifact_prefix="$scratch/" "$scratch/corpus" </dev/null >"$scratch/log" 2>&1; then
        printf '%-28s ok   %s\n' "$name" "$(grep -o 'Done [0-9]* runs.*' "$scratch/log" | tail -n 1)"
        return 0
    fi
    printf '%-28s FAILED; the end of %s:\n' "$name" "$scratch/log"
    tail -n 40 "$scratch/log"
    return 1
}

stage "fuzz: each target for ${fuzz_seconds} s"
shopt -s nullglob
fuzz_sources=(fuzz/fuzz_*.cpp)
if [ ${#fuzz_sources[@]} -eq 0 ]; then
    echo "no fuzz targets yet"
else
    cmake --preset fuzz
    cmake --build --preset fuzz
    for src in "${fuzz_sources[@]}"; do
        name=$(basename "$src" .cpp)
        run_fuzz_target "$name" "$root/build/fuzz/fuzz/$name"
    done
fi

stage "windows: build, then tests under Wine"
cmake --preset windows
cmake --build --preset windows
source scripts/wine-env.sh
# A prefix of the tests' own: what they leave in it never reaches scripts/run.sh.
lorvex_wine_use build/windows wineprefix-tests
# Our own display even when there is one: test windows stay off the user's screen.
lorvex_xvfb_start
lorvex_wine_prepare
lorvex_wine_warm
ctest --preset windows
