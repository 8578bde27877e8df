# Wine for the windows build, sourced by the other scripts: prefixes inside the build
# folder (never the user's own), the zh_CN.UTF-8 locale generated beside them, a private
# Xvfb display, and a wineserver warmed up outside ctest. A person's runs and the tests
# have a prefix each, made the same way, so that nothing the tests do (the folders
# their file dialogs last opened, say) shows in a person's run.
#
#   lorvex_wine_use BUILD_DIR [NAME]
#                                 point Wine at BUILD_DIR/NAME: wineprefix (the default)
#                                 for scripts/run.sh, wineprefix-tests for the tests
#   lorvex_wine_prepare           create the prefix and the locale when missing
#   lorvex_xvfb_start             start Xvfb on a free display, export DISPLAY
#   lorvex_wine_warm              start wineserver and Wine's helpers, stdio detached
#   lorvex_wine_stop              stop wineserver and Xvfb (set as the EXIT trap)

LORVEX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

lorvex_wine_use() {
    LORVEX_BUILD_DIR=$(mkdir -p "$1" && cd "$1" && pwd)
    export WINEPREFIX="$LORVEX_BUILD_DIR/${2:-wineprefix}"
    # cmake/wine-run.sh reads this to find the prefix when ctest runs it.
    export LORVEX_WINEPREFIX="$WINEPREFIX"
    export WINEDEBUG=-all
    # No Mono or Gecko: nothing here needs them, and their install prompts would block.
    export WINEDLLOVERRIDES="mscoree,mshtml="
}

# The machine may have only the C locales; Wine's ANSI code page follows the locale,
# so the 936 case needs zh_CN.UTF-8. cmake/wine-run.sh sets LOCPATH to this folder.
lorvex_locale_ensure() {
    local dir="$LORVEX_BUILD_DIR/locale"
    [ -f "$dir/zh_CN.UTF-8/LC_CTYPE" ] && return 0
    mkdir -p "$dir"
    localedef -i zh_CN -f UTF-8 "$dir/zh_CN.UTF-8" || {
        echo "wine-env: localedef could not generate zh_CN.UTF-8 in $dir" >&2
        return 1
    }
}

# A half-made prefix (interrupted wineboot) has no marker and is made again.
# The marker holds a checksum of wine-prefix.reg, so a changed .reg remakes the prefix.
lorvex_prefix_ensure() {
    local marker="$WINEPREFIX/.lorvex-ready"
    local wanted
    wanted=$(sha1sum <"$LORVEX_ROOT/scripts/wine-prefix.reg" | cut -c1-40)
    [ -f "$marker" ] && [ "$(cat "$marker")" = "$wanted" ] && return 0
    local log="$WINEPREFIX-setup.log"
    local reg="$WINEPREFIX-setup.reg"
    echo "wine-env: creating the Wine prefix $WINEPREFIX (about 15 s)" >&2
    if [ -d "$WINEPREFIX" ]; then
        wineserver -k </dev/null >/dev/null 2>&1 || true
    fi
    rm -rf "$WINEPREFIX"
    # regedit reads a non-ASCII .reg only as UTF-16LE with a byte-order mark.
    { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$LORVEX_ROOT/scripts/wine-prefix.reg"; } >"$reg" || return 1
    # stdio goes to a file: wineserver and Wine's helpers outlive these commands and
    # must not hold a caller's pipe open.
    if ! { wineboot -i && wine regedit /S "$(winepath -w "$reg")" && wineserver -w; } </dev/null >"$log" 2>&1; then
        echo "wine-env: creating the Wine prefix failed; the end of $log:" >&2
        tail -n 20 "$log" >&2
        return 1
    fi
    # Debian's Wine does not find the fonts of fonts-wine by itself; without Marlett the
    # caption buttons read "0 1 r". Only Marlett: Wine's own Tahoma would take the place
    # of DejaVu Sans, whose link to the CJK font is the one Wine leaves alone.
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" || return 1
    echo "$wanted" >"$marker"
}

lorvex_wine_prepare() {
    mkdir -p "$LORVEX_BUILD_DIR"
    lorvex_locale_ensure || return 1
    # Creation may also be asked for by cmake/wine-run.sh: one at a time.
    (
        flock 9
        # Wine's processes must not inherit the lock.
        lorvex_prefix_ensure 9>&-
    ) 9>"$WINEPREFIX.lock"
}

lorvex_xvfb_start() {
    local numfile
    numfile=$(mktemp)
    # -displayfd: Xvfb picks a free display number itself and writes it once listening.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numfile" </dev/null >/dev/null 2>&1 &
    LORVEX_XVFB_PID=$!
    trap lorvex_wine_stop EXIT
    local i
    for ((i = 0; i < 200; i++)); do
        if [ -s "$numfile" ]; then
            export DISPLAY=":$(tr -d '\n' <"$numfile")"
            rm -f "$numfile"
            return 0
        fi
        kill -0 "$LORVEX_XVFB_PID" 2>/dev/null || break
        sleep 0.05
    done
    rm -f "$numfile"
    echo "wine-env: Xvfb did not start" >&2
    return 1
}

# Started inside ctest, Wine's helper processes would inherit ctest's pipe: each test
# then waits ~3 s for them, and ctest can hang for good. Start them here, detached.
lorvex_wine_warm() {
    wineserver -p </dev/null >/dev/null 2>&1
    wine wineboot </dev/null >/dev/null 2>&1
}

lorvex_wine_stop() {
    if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
        wineserver -k </dev/null >/dev/null 2>&1 || true
    fi
    if [ -n "${LORVEX_XVFB_PID:-}" ]; then
        kill "$LORVEX_XVFB_PID" 2>/dev/null || true
        wait "$LORVEX_XVFB_PID" 2>/dev/null || true
        unset LORVEX_XVFB_PID
    fi
}
