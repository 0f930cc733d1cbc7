#!/usr/bin/env bash
# Runs end-to-end tests once at each DPI, each in a Wine session of its own whose prefix is a
# linked copy of the usual one, so that one stays at 96 DPI.
#   at_dpi.sh SESSION BASE_STATE WINDOWS_DIR GTEST_FILTER DPI...
set -euo pipefail
session=$1 base=$2 windows=$3 filter=$4
shift 4
status=0
for dpi in "$@"; do
    state=$base-$dpi
    echo "== at $dpi DPI"
    TINTRA_DPI=$dpi TINTRA_PREFIX_FROM=$base/prefix "$session" start "$state"
    (cd "$windows" && "$session" run "$state" ./end_to_end_tests.exe --gtest_filter="$filter") || status=1
    "$session" stop "$state"
done
exit $status
