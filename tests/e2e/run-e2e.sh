#!/usr/bin/env bash
# Runs the end-to-end driver against lorvex.exe under Wine, with a fresh
# folder for the files it makes, and keeps its screenshots, as PNG where
# ImageMagick is at hand.
#   run-e2e.sh DRIVER.exe LORVEX.exe EXAMPLES_DIR FIXTURES_DIR DATA_DIR SHOT_DIR
set -u
driver=$1 program=$2 examples=$3 fixtures=$4 data=$5 shots=$6
rm -rf "$data"
mkdir -p "$data" "$shots"
rm -f "$shots"/*.bmp "$shots"/*.png
"$(dirname "$0")/../../cmake/wine-run.sh" "$driver" "$program" "$examples" "$fixtures" "$data" "$shots"
rc=$?
if command -v convert >/dev/null; then
    for bmp in "$shots"/*.bmp; do
        [ -f "$bmp" ] && convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
    done
fi
echo "screenshots: $shots"
exit $rc
