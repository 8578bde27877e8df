#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
# Quiet and quick when everything is there.
set -euo pipefail

packages=(
    cmake g++ make
    clang libclang-rt-14-dev          # fuzz targets: libFuzzer and the sanitizer runtimes
    googletest libbenchmark-dev
    rapidjson-dev libcli11-dev        # lorvex-dump: JSON writer, command line (header-only)
    libpugixml-dev                    # lorvex-dump's tests read its SVG back
    time                              # bench/dump_vs_parse.sh: peak memory of a process
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    wine wine64
    xvfb xdotool imagemagick
    fonts-wqy-zenhei fonts-wine       # Chinese texts; Marlett for the caption buttons
    fonts-liberation fonts-dejavu-core  # the faces Wine's dialog fonts come out as
    locales                           # localedef and the zh_CN source, for the 936 code page
    python3
)

# One dpkg-query for all; a package it does not know is simply absent from its answer.
installed=$(dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' "${packages[@]}" 2>/dev/null | awk '$1 == "ii" {print $2}' || true)
missing=()
for p in "${packages[@]}"; do
    grep -qxF "$p" <<<"$installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
echo "setup: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
# With recommends: Wine's include the X render extensions and its fonts.
"${sudo[@]}" apt-get install -y -q "${missing[@]}"
