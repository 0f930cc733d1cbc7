#!/usr/bin/env bash
# Cold start to a visible, painted main window: Tintra.exe against an empty dialog of the same
# size and font that starts the common controls and GDI+ as Tintra does (startup_reference.exe).
# One timer starts both in turn, in one virtual desktop of a Wine session of the benchmarks' own,
# so that the tests' settings and desktop are left alone. Also the close: request to process end.
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
programs=("$(winpath "$shipped/Tintra.exe")" "$(winpath "$shipped/startup_reference.exe")")

trap '"$session" stop "$state" >/dev/null 2>&1' EXIT
"$session" start "$state" >/dev/null
# From no settings on; each start then reads what the one before wrote, as a user's starts do.
"$session" run "$state" reg delete 'HKCU\Software\Kelvo Tintra' /f >/dev/null 2>&1 || true
# An untimed start of each brings their files into the cache.
"$session" run "$state" "$shipped/startup_timer.exe" 1 "${programs[@]}" >/dev/null
result=$("$session" run "$state" "$shipped/startup_timer.exe" "$rounds" "${programs[@]}" | tr -d '\r')
read -r _ tintra_start tintra_close < <(sed -n 1p <<<"$result")
read -r _ reference_start reference_close < <(sed -n 2p <<<"$result")
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
echo "start-up to painted window, median of $rounds: Tintra $tintra_start ms," \
    "empty dialog $reference_start ms, ratio $(ratio "$tintra_start" "$reference_start")x (target <= 1.2x)"
echo "close to process end, median of $rounds: Tintra $tintra_close ms," \
    "empty dialog $reference_close ms, ratio $(ratio "$tintra_close" "$reference_close")x"
# Every library Tintra.exe imports is loaded before its first line runs; one that only a later
# command needs belongs behind win::LateBoundFunction (comdlg32 alone brings in the shell).
imports() { x86_64-w64-mingw32-objdump -p "$1" | awk '/DLL Name:/ { print tolower($3) }' | sort; }
extra=$(comm -23 <(imports "$shipped/Tintra.exe") <(imports "$shipped/startup_reference.exe") | tr '\n' ' ')
echo "libraries Tintra.exe loads at start beyond the empty dialog's: ${extra:-none}"
