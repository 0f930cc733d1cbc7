#!/usr/bin/env bash
# Cold start to a visible, painted main window: Tintra.exe against an empty dialog of the same
# size and font that starts the common controls and GDI+ as Tintra does (startup_reference.exe),
# and against that dialog holding as many plain labels as Tintra shows windows inside its main
# window: what so many child windows cost by themselves, whatever they draw.
# One timer starts the three in turn, in one virtual desktop of a Wine session of the benchmarks'
# own, so that the tests' settings and desktop are left alone. Also the close: request to
# process end.
# Measured twice. Under Wine every window operation is a round trip to the wineserver; with the
# session spread over several processors each trip also waits for the other processor to wake,
# which on a virtual machine costs more than the work itself. With the whole session on one
# processor, the figures show what the programs themselves do, as a window system in the kernel
# would see it.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
rounds=${TINTRA_BENCH_STARTS:-10}
session=$(dirname "$0")/../../tests/wine/session.sh
state=$build/wine-bench
windows=$build/windows
winpath() { echo "Z:${1//\//\\}"; }
# Both as they would ship: stripped copies, so that neither loads debugging information.
shipped=$build/bench-shipped
mkdir -p "$shipped"
for exe in Tintra.exe startup_reference.exe startup_timer.exe; do
    x86_64-w64-mingw32-strip -o "$shipped/$exe" "$windows/$exe"
done
tintra="\"$(winpath "$shipped/Tintra.exe")\""
reference="\"$(winpath "$shipped/startup_reference.exe")\""

on_cpus() { # one|all, then a command: runs it on the first processor alone, or on any
    local cpus=$1
    shift
    if [[ $cpus == one ]]; then taskset -c 0 "$@"; else "$@"; fi
}
# The servers (X, wineserver, the desktop) are pinned with the session, or not at all.
session_on() {
    "$session" stop "$state" >/dev/null 2>&1 || true
    on_cpus "$1" "$session" start "$state" >/dev/null
}
timer() { # one|all, rounds, commands...
    local cpus=$1
    shift
    on_cpus "$cpus" "$session" run "$state" "$shipped/startup_timer.exe" "$@" | tr -d '\r'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

trap '"$session" stop "$state" >/dev/null 2>&1' EXIT
session_on all
# From no settings on; each start then reads what the one before wrote, as a user's starts do.
"$session" run "$state" reg delete 'HKCU\Software\Kelvo Tintra' /f >/dev/null 2>&1 || true
# An untimed start of each brings their files into the cache, and counts Tintra's windows.
child_windows=$(timer all 1 "$tintra" "$reference" | awk 'NR == 1 { print $3 }')
labels="$reference $child_windows"

measure() { # one|all, what to call it
    timer "$1" 1 "$tintra" "$reference" "$labels" >/dev/null
    local result tintra_start tintra_close reference_start reference_close labels_start labels_close
    result=$(timer "$1" "$rounds" "$tintra" "$reference" "$labels")
    read -r tintra_start tintra_close _ < <(sed -n 1p <<<"$result")
    read -r reference_start reference_close _ < <(sed -n 2p <<<"$result")
    read -r labels_start labels_close _ < <(sed -n 3p <<<"$result")
    # The target is against the dialog with as many labels: under Wine the windows alone cost
    # more than any budget against the empty dialog would allow.
    echo "start-up to painted window on $2, median of $rounds: Tintra $tintra_start ms," \
        "empty dialog with $child_windows plain labels $labels_start ms," \
        "ratio $(ratio "$tintra_start" "$labels_start")x (target <= 1.05x);" \
        "empty dialog $reference_start ms, Tintra $(ratio "$tintra_start" "$reference_start")x," \
        "labels $(ratio "$labels_start" "$reference_start")x"
    echo "close to process end on $2, median of $rounds: Tintra $tintra_close ms," \
        "empty dialog $reference_close ms, ratio $(ratio "$tintra_close" "$reference_close")x;" \
        "with the labels $labels_close ms, ratio $(ratio "$labels_close" "$reference_close")x"
}
measure all "every processor"
session_on one
measure one "one processor"

# Every library Tintra.exe imports is loaded before its first line runs; one that only a later
# command needs belongs behind win::LateBoundFunction (comdlg32 alone brings in the shell).
imports() { x86_64-w64-mingw32-objdump -p "$1" | awk '/DLL Name:/ { print tolower($3) }' | sort; }
extra=$(comm -23 <(imports "$shipped/Tintra.exe") <(imports "$shipped/startup_reference.exe") | tr '\n' ' ')
echo "libraries Tintra.exe loads at start beyond the empty dialog's: ${extra:-none}"
