#!/usr/bin/env bash
# Runs end-to-end tests once in each setting, each in a Wine session of its own whose prefix is
# a linked copy of the usual one, so that one stays at 96 DPI with the usual fonts.
#   at_dpi.sh SESSION BASE_STATE WINDOWS_DIR GTEST_FILTER SETTING...
# A setting is a DPI ("144"), or a DPI and one font for both of the program's fonts in place of
# their usual stand-ins ("144/Open Sans").
set -euo pipefail
session=$1 base=$2 windows=$3 filter=$4
shift 4
status=0
for setting in "$@"; do
    dpi=${setting%%/*}
    font=
    [[ $setting == */* ]] && font=${setting#*/}
    state=$base-at-$dpi
    [[ -n $font ]] && state+=-$(tr -d ' ' <<<"${font,,}")
    echo "== at $dpi DPI${font:+ with $font}"
    TINTRA_DPI=$dpi TINTRA_FONT=$font TINTRA_PREFIX_FROM=$base/prefix "$session" start "$state"
    (cd "$windows" && "$session" run "$state" ./end_to_end_tests.exe --gtest_filter="$filter") || status=1
    "$session" stop "$state"
done
exit $status
