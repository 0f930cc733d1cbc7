#!/usr/bin/env bash
# Sends ten thousand random inputs to a running Tintra and checks it after every hundred.
#   soak.sh BUILD_DIR [SEED]     without a seed, a fresh one; the run prints the seed it used
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
seed=${2:-}
session=$(cd "$(dirname "$0")/.." && pwd)/tests/wine/session.sh
state=$build/wine
trap '"$session" stop "$state"' EXIT
"$session" start "$state"
cd "$build/windows"
# The machine's load beside the run's time: on a busy machine every input waits longer.
echo "soak: load average at the start: $(cut -d' ' -f1-3 /proc/loadavg)"
"$session" run "$state" "$build/windows/soak.exe" --inputs "${SOAK_INPUTS:-10000}" ${seed:+--seed "$seed"}
echo "soak: load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
