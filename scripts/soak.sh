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
"$session" run "$state" "$build/windows/soak.exe" --inputs "${SOAK_INPUTS:-10000}" ${seed:+--seed "$seed"}
