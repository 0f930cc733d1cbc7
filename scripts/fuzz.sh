#!/usr/bin/env bash
# Builds the paste reader's fuzz target with Clang (libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer) over the whole window-free logic, and runs it for FUZZ_SECONDS
# (60 unless given), starting from the seed texts in tests/fuzz/seeds. What it learns stays in
# <build>/fuzz/corpus for the next run; a finding stops it and leaves the input beside it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(realpath -m "${1:-build}")/fuzz
seconds=${FUZZ_SECONDS:-60}
mkdir -p "$out/corpus"
mapfile -t logic < <(find "$root/src/logic" -name '*.cpp' | sort)
clang++ -std=c++17 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -I"$root/src" \
    "$root/tests/fuzz/PastedColorFuzz.cpp" "${logic[@]}" -o "$out/pasted_color_fuzz"
cd "$out"
./pasted_color_fuzz -max_total_time="$seconds" -max_len=1024 -timeout=2 -print_final_stats=1 \
    corpus "$root/tests/fuzz/seeds"
