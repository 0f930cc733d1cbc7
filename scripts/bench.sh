#!/usr/bin/env bash
# Runs every benchmark in scripts/bench/ against a built tree; each prints one line per figure,
# a ratio against a reference measured in the same run, or a rate with its unit.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
for bench in "$(dirname "$0")"/bench/*.sh; do
    [[ -e $bench ]] || continue
    bash "$bench" "$build"
done
