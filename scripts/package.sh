#!/usr/bin/env bash
# Makes the download for Windows users: build/windows/package/Lorvex-VERSION-win64.zip
# with lorvex.exe, lorvex-dump.exe, README.md, the examples and the docs.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target lorvex lorvex-dump
# Only the two programs are built: the package holds no test.
cpack --config build/windows/CPackConfig.cmake >/dev/null
zip=$(ls -t build/windows/package/Lorvex-*-win64.zip | head -n 1)
echo "package: $zip"
