#!/usr/bin/env bash
# The loupe following the pointer, in a Wine session of its own: the processor time per move
# against a reference that copies and stretches the same square (target <= 1.5), and the median
# time from a pointer move to the loupe painted with the new pixels (target <= 16 ms).
set -euo pipefail
build=$(cd "$1" && pwd)
session=$(cd "$(dirname "$0")/../.." && pwd)/tests/wine/session.sh
state=$build/wine-bench
trap '"$session" stop "$state" >/dev/null' EXIT
"$session" start "$state" >/dev/null
read -r loupe reference latency <<<"$(cd "$build/windows" && "$session" run "$state" ./loupe_bench.exe | tr -d '\r' | tail -n 1)"
echo "loupe, processor time per pointer move: $loupe us"
echo "loupe, reference copy and stretch per move: $reference us"
awk -v l="$loupe" -v r="$reference" 'BEGIN { printf "loupe / reference per move: %.2f (target <= 1.5)\n", l / r }'
echo "loupe, median pointer move to painted: $latency ms (target <= 16)"
