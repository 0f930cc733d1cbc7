#!/usr/bin/env bash
# Starts Tintra. With a display it runs as a user would; without one it runs headless in a
# Wine virtual desktop, saves a screenshot of the main window and closes the program.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)

if [[ -n ${DISPLAY:-} ]]; then
    export WINEPREFIX=${WINEPREFIX:-$build/wine/prefix} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    exec wine "$build/windows/Tintra.exe"
fi

session=$(dirname "$0")/../tests/wine/session.sh
state=$build/wine-run
trap '"$session" stop "$state"' EXIT
"$session" start "$state"
"$session" run "$state" "$build/windows/tintra_control.exe" screenshot \
    'Z:'"${build//\//\\}"'\screenshot.bmp'
DISPLAY=$(cat "$state/display") convert "$build/screenshot.bmp" "$build/screenshot.png"
rm -f "$build/screenshot.bmp"
echo "Screenshot: $build/screenshot.png"
