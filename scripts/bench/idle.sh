#!/usr/bin/env bash
# Processor time of a Tintra left alone for ten seconds, in its own Wine session.
set -euo pipefail
build=$1
session=$(cd "$(dirname "$0")/../.." && pwd)/tests/wine/session.sh
state=$build/wine
trap '"$session" stop "$state"' EXIT
"$session" start "$state"
"$session" run "$state" "$build/windows/tintra_control.exe" idle 10
