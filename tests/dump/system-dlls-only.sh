#!/bin/sh
# Each program imports only DLLs every Windows has: the download is the
# .exe files alone.
#   system-dlls-only.sh OBJDUMP PROGRAM.exe...
set -u
objdump=$1
shift
status=0
for exe in "$@"; do
    dlls=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p')
    [ -n "$dlls" ] || { echo "FAILED: no imports read from $exe" >&2; status=1; }
    for dll in $dlls; do
        case $(echo "$dll" | tr 'A-Z' 'a-z') in
        kernel32.dll | user32.dll | gdi32.dll | comctl32.dll | comdlg32.dll | shlwapi.dll | shell32.dll | \
            advapi32.dll | ole32.dll | msvcrt.dll) ;;
        *)
            echo "FAILED: $exe imports $dll" >&2
            status=1
            ;;
        esac
    done
done
[ "$status" -eq 0 ] && echo "system DLLs only: $*"
exit "$status"
