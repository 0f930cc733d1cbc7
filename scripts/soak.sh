#!/usr/bin/env bash
# Sends ten thousand random inputs to a running Tintra and checks it after every input, at 96
# DPI and again at 144, where every dialog shows its pictures stretched.
#   soak.sh BUILD_DIR [SEED]     without a seed, a fresh one; each run prints the seed it used
# SOAK_DPIS names the scales (default "96 144"), SOAK_INPUTS the inputs of each run.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
seed=${2:-}
session=$(cd "$(dirname "$0")/.." && pwd)/tests/wine/session.sh
base=$build/wine
states=()
trap 'for state in "${states[@]}"; do "$session" stop "$state"; done' EXIT
# The session at 96 DPI makes the prefix that those at other scales are linked copies of.
states+=("$base")
"$session" start "$base"
cd "$build/windows"
status=0
for dpi in ${SOAK_DPIS:-96 144}; do
    state=$base
    if [[ $dpi != 96 ]]; then
        state=$base-$dpi
        states+=("$state")
        TINTRA_DPI=$dpi TINTRA_PREFIX_FROM=$base/prefix "$session" start "$state"
    fi
    # The machine's load beside the run's time: on a busy machine every input waits longer.
    echo "soak: at $dpi DPI; load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
    "$session" run "$state" "$build/windows/soak.exe" --inputs "${SOAK_INPUTS:-10000}" ${seed:+--seed "$seed"} ||
        status=1
    echo "soak: load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
done
exit $status
