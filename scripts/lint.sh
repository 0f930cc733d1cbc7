#!/usr/bin/env bash
# make lint: Tintra.exe built a second time, with Clang for the same MinGW-w64 runtime, where any
# warning fails the build; then clang-tidy over the program's code (src/) with .clang-tidy.
set -euo pipefail
build=$(realpath "${1:-build}")
jobs=${2:-$(nproc)}
root=$(cd "$(dirname "$0")/.." && pwd)
clang_build=$build/clang

cmake -S "$root" -B "$clang_build" \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/clang-mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTINTRA_PICTOOL="$build/pictool" \
    -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake --build "$clang_build" --target Tintra -j "$jobs"
echo "Clang build: no warnings"

# Every translation unit of the program; headers are checked through them. Findings are errors.
status=0
run-clang-tidy -p "$clang_build" -quiet -j "$jobs" "^$root/src/.*\.cpp\$" >"$clang_build/tidy.log" 2>&1 || status=$?
sed 's/\x1b\[[0-9;]*m//g' "$clang_build/tidy.log" |
    grep -v -E '^(clang-tidy|[0-9]+ warnings? generated|Suppressed [0-9]+ warnings|Use -header-filter)' || true
if ((status != 0)); then
    echo "clang-tidy: findings above" >&2
    exit "$status"
fi
echo "clang-tidy: clean"
