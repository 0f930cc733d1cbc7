#!/usr/bin/env bash
# One Wine session for a whole test run: a private prefix inside the build tree, an Xvfb
# display, a virtual desktop and a persistent wineserver.
# TINTRA_DPI sets the screen's DPI (96 unless given); TINTRA_FONT names one font that stands in
# for both of the program's fonts, in place of their usual stand-ins; TINTRA_PREFIX_FROM names a
# ready prefix to copy instead of making one, which takes far longer.
#   session.sh start STATE_DIR      create what is missing and start the servers
#   session.sh run STATE_DIR EXE [ARGS...]
#   session.sh stop STATE_DIR
set -euo pipefail
action=$1
state=$(mkdir -p "$2" && cd "$2" && pwd)
shift 2

export WINEPREFIX=$state/prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

display_file=$state/display
xvfb_pid_file=$state/xvfb.pid
desktop_size=${TINTRA_DESKTOP_SIZE:-1024x768}
# The X screen must hold the virtual desktop: a larger desktop needs a larger screen.
xvfb_screen=${TINTRA_XVFB_SCREEN:-1280x1024x24}
dpi=${TINTRA_DPI:-96}
arial=${TINTRA_FONT:-Liberation Sans}
verdana=${TINTRA_FONT:-DejaVu Sans}

wait_for() { # seconds, command...
    local limit=$1; shift
    local deadline=$((SECONDS + limit))
    until "$@"; do
        if ((SECONDS >= deadline)); then return 1; fi
        sleep 0.1
    done
}

start_xvfb() {
    if [[ -f $xvfb_pid_file ]] && kill -0 "$(cat "$xvfb_pid_file")" 2>/dev/null; then return; fi
    # Xvfb takes the first free display itself and writes its number once it accepts clients,
    # so that sessions started at the same moment never share one display.
    local number_file=$state/display.number
    rm -f "$number_file"
    setsid Xvfb -displayfd 3 -screen 0 "$xvfb_screen" -nolisten tcp 3>"$number_file" >"$state/xvfb.log" 2>&1 </dev/null &
    echo $! >"$xvfb_pid_file"
    if ! wait_for 10 test -s "$number_file"; then
        kill "$(cat "$xvfb_pid_file")" 2>/dev/null || true
        echo "Xvfb did not start: $(cat "$state/xvfb.log")" >&2
        exit 1
    fi
    echo ":$(tr -d '[:space:]' <"$number_file")" >"$display_file"
    rm -f "$number_file"
}

init_prefix() {
    if [[ ! -f $WINEPREFIX/.tintra-ready ]]; then
        rm -rf "$WINEPREFIX"
        if [[ -n ${TINTRA_PREFIX_FROM:-} && -f $TINTRA_PREFIX_FROM/.tintra-ready ]]; then
            # Linked, not copied: the prefix is large and its files are only read, except those
            # at its top (the registry, our marks), which get copies of their own.
            cp -al "$TINTRA_PREFIX_FROM" "$WINEPREFIX"
            for file in "$TINTRA_PREFIX_FROM"/* "$TINTRA_PREFIX_FROM"/.[!.]*; do
                if [[ -f $file ]]; then cp --remove-destination "$file" "$WINEPREFIX/"; fi
            done
        else
            wineboot -i >"$state/wineboot.log" 2>&1
            touch "$WINEPREFIX/.tintra-ready"
        fi
    fi
    # Every program of this prefix runs inside one virtual desktop, where capture and
    # SendInput behave as on Windows. Arial and Verdana, the fonts of the program's dialogs,
    # are not installed here; their stand-ins must have their metrics, because dialog units
    # follow the font while the panels inside the main window are laid out in pixels.
    # Liberation Sans has exactly Arial's metrics, DejaVu Sans is Verdana's near twin.
    # Wine takes the DPI from the user's desktop settings, else from the machine's fonts key.
    cat >"$state/settings.reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]
"Default"="$desktop_size"

[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]
"Arial"="$arial"
"Verdana"="$verdana"

[HKEY_CURRENT_USER\\Control Panel\\Desktop]
"LogPixels"=dword:$(printf %08x "$dpi")

[HKEY_LOCAL_MACHINE\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts]
"LogPixels"=dword:$(printf %08x "$dpi")
REG
    if ! cmp -s "$state/settings.reg" "$WINEPREFIX/.tintra-settings.reg"; then
        wine regedit /S "$state/settings.reg" >/dev/null 2>&1
        wineserver -w
        cp "$state/settings.reg" "$WINEPREFIX/.tintra-settings.reg"
    fi
}

case $action in
start)
    start_xvfb
    export DISPLAY=$(cat "$display_file")
    init_prefix
    # Already running when a previous run was not stopped: keep that one.
    wineserver -p >/dev/null 2>&1 </dev/null || true
    ;;
run)
    export DISPLAY=$(cat "$display_file")
    # Wine's helper processes (services, the desktop) outlive the program; they must not
    # hold the caller's output open, or the caller would wait for them.
    log=$(mktemp "$state/run.XXXXXX")
    status=0
    wine "$@" >"$log" 2>&1 </dev/null || status=$?
    cat "$log"
    rm -f "$log"
    exit $status
    ;;
stop)
    wineserver -k 2>/dev/null || true
    if [[ -f $xvfb_pid_file ]]; then
        kill "$(cat "$xvfb_pid_file")" 2>/dev/null || true
        rm -f "$xvfb_pid_file" "$display_file"
    fi
    ;;
*)
    echo "usage: session.sh start|run|stop STATE_DIR [EXE ARGS...]" >&2
    exit 2
    ;;
esac
