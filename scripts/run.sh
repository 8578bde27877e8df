#!/usr/bin/env bash
# Builds lorvex.exe and starts it under Wine, with the Wine prefix of the build folder,
# on the X display in DISPLAY.
set -euo pipefail
cd "$(dirname "$0")/.."

no_display() {
    cat >&2 <<MSG
run.sh: $1, so Lorvex has no screen to open its window on.
Run it from a desktop session, point DISPLAY at a running X server (DISPLAY=:0 scripts/run.sh),
or give it a virtual screen: xvfb-run -a scripts/run.sh
Without any screen, lorvex-dump prints the same tree and rows on the command line
(README.md, "lorvex-dump"):
  cmake --preset native && cmake --build --preset native --target lorvex-dump
  build/native/tools/lorvex-dump --rows --header examples/demo.h examples/demo.sty
MSG
    exit 1
}
[ -n "${DISPLAY:-}" ] || no_display "no X display is set (DISPLAY is empty)"

scripts/setup.sh
xdotool getdisplaygeometry >/dev/null 2>&1 || no_display "the X display $DISPLAY cannot be reached"

cmake --preset windows >/dev/null
cmake --build --preset windows --target lorvex
source scripts/wine-env.sh
lorvex_wine_use build/windows
lorvex_wine_prepare
# A file dialog given no folder opens where the program last chose a file, which Wine
# keeps in the prefix's registry, else in the working folder when it holds files the
# dialog lists. Forgetting the first and starting in examples/ opens the first
# "Browse..." beside the demo file and its header, whatever ran before.
wine reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\ComDlg32\LastVisitedMRU' /f \
    </dev/null >/dev/null 2>&1 || true
root=$PWD
cd examples
exec "$root/cmake/wine-run.sh" "$root/build/windows/app/lorvex.exe"
