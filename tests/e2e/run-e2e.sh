#!/usr/bin/env bash
# Runs the end-to-end driver against lorvex.exe under Wine and keeps its
# screenshots, as PNG where ImageMagick is at hand.
#   run-e2e.sh DRIVER.exe LORVEX.exe SHOT_DIR
set -u
driver=$1 program=$2 shots=$3
mkdir -p "$shots"
rm -f "$shots"/*.bmp "$shots"/*.png
"$(dirname "$0")/../../cmake/wine-run.sh" "$driver" "$program" "$shots"
rc=$?
if command -v convert >/dev/null; then
    for bmp in "$shots"/*.bmp; do
        [ -f "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
    done
fi
echo "screenshots: $shots"
exit $rc
