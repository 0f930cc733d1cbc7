#!/usr/bin/env bash
# The size of Tintra.exe with all its resources, stripped as it would ship (the build is
# optimised and without assertions; stripping drops its debugging information).
set -euo pipefail
stripped=$(mktemp)
trap 'rm -f "$stripped"' EXIT
x86_64-w64-mingw32-strip -o "$stripped" "$1/windows/Tintra.exe"
awk -v bytes="$(stat -c %s "$stripped")" \
    'BEGIN { printf "Tintra.exe stripped: %d bytes, %.2f of 1 MiB (target <= 1)\n", bytes, bytes / 1048576 }'
