#!/bin/sh
# CMAKE_CROSSCOMPILING_EMULATOR of the windows build: runs PROGRAM under Wine with a
# prefix of the build folder's and passes its exit code through: the one
# LORVEX_WINEPREFIX names, else the tests' own.
#   wine-run.sh PROGRAM.exe [ARGS...]
# Plain sh on purpose: bash started under LC_ALL=zh_CN.UTF-8 warns on every run when that
# locale exists only in the build folder.
set -u

if [ $# -lt 1 ]; then
    echo "usage: wine-run.sh PROGRAM.exe [ARGS...]" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)

# The build folder is the nearest folder above DIR that holds CMakeCache.txt.
find_build_dir() {
    dir=$(cd "$1" 2>/dev/null && pwd) || return 1
    while [ "$dir" != / ]; do
        if [ -f "$dir/CMakeCache.txt" ]; then
            echo "$dir"
            return 0
        fi
        dir=$(dirname "$dir")
    done
    return 1
}

# The scripts export LORVEX_WINEPREFIX=BUILD_DIR/NAME (scripts/wine-env.sh).
if [ -n "${LORVEX_WINEPREFIX:-}" ]; then
    build_dir=$(dirname "$LORVEX_WINEPREFIX")
    prefix_name=$(basename "$LORVEX_WINEPREFIX")
else
    build_dir=$(find_build_dir "$(dirname "$1")") || build_dir=$(find_build_dir "$PWD") || {
        echo "wine-run.sh: cannot tell which build folder $1 belongs to; set LORVEX_WINEPREFIX" >&2
        exit 2
    }
    # ctest on its own: the prefix scripts/test.sh gives the tests.
    prefix_name=wineprefix-tests
fi

# As lorvex_wine_use in scripts/wine-env.sh.
export WINEPREFIX="$build_dir/$prefix_name"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# zh_CN.UTF-8 is generated into the build folder; C.UTF-8 is built into the C library.
export LOCPATH="$build_dir/locale"

# Normally the scripts have prepared and warmed Wine. When ctest runs on its own, do it
# here: started from inside ctest, Wine's lasting processes would hold ctest's pipes
# (each test then waits ~3 s for them to end), so start them detached first.
if [ ! -f "$WINEPREFIX/.lorvex-ready" ]; then
    LC_ALL=C bash -c '. "$1/../scripts/wine-env.sh" && lorvex_wine_use "$2" "$3" && lorvex_wine_prepare' \
        wine-run "$here" "$build_dir" "$prefix_name" </dev/null >&2 || exit 2
fi
# Answers 2 at once when a server runs; otherwise starts one that outlives its last
# client by 30 s, and Wine's helper processes with it.
if wineserver -p30 </dev/null >/dev/null 2>&1; then
    wine wineboot </dev/null >/dev/null 2>&1
fi
[ -n "${DISPLAY:-}" ] || echo "wine-run.sh: DISPLAY is not set; programs that open windows will fail" >&2

exec wine "$@"
