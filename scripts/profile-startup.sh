#!/usr/bin/env bash
# Where Tintra's start-up time goes: builds Tintra.exe with its start-up timing compiled in
# (in BUILD/profile, beside the ordinary build, whose picture converter it uses), starts it
# repeatedly in the benchmarks' Wine session and prints, per step, the median time since the
# process was created and the median time of the step itself, in ms.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
starts=${TINTRA_PROFILE_STARTS:-10}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
profile=$build/profile
session=$source_dir/tests/wine/session.sh
state=$build/wine-bench

cmake -S "$source_dir" -B "$profile" -DCMAKE_TOOLCHAIN_FILE="$source_dir/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTINTRA_PICTOOL="$build/pictool" -DTINTRA_STARTUP_PROFILE=ON >/dev/null
cmake --build "$profile" --target Tintra startup_timer -j "$(nproc)" >/dev/null

# On one processor, as the start-up bench's second figure: each step's own work, without the
# wake-ups of a session spread over several (scripts/bench/startup.sh).
trap '"$session" stop "$state" >/dev/null 2>&1' EXIT
"$session" stop "$state" >/dev/null 2>&1 || true
taskset -c 0 "$session" start "$state" >/dev/null
"$session" run "$state" reg delete 'HKCU\Software\Kelvo Tintra' /f >/dev/null 2>&1 || true
rm -f "$profile/startup-profile.txt"
(cd "$profile" && taskset -c 0 "$session" run "$state" "$profile/startup_timer.exe" "$starts" \
    "\"Z:${profile//\//\\}\\Tintra.exe\"" >/dev/null)

# One block per start; a step that repeats (the paints) is told apart by its occurrence.
awk '
    function median(list, n,    i, j, t, a) {
        n = split(list, a, " ")
        for (i = 1; i <= n; i++)
            for (j = i + 1; j <= n; j++)
                if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
        return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    /^--/ { delete seen; next }
    /^#/ { next }
    {
        step = substr($0, index($0, $3))
        key = step "#" ++seen[step]
        if (!(key in at)) order[++count] = key
        at[key] = at[key] " " $1; took[key] = took[key] " " $2
    }
    END {
        printf "%9s %9s  %s\n", "since", "step", "(ms, medians)"
        for (i = 1; i <= count; i++) {
            key = order[i]; sub(/#1$/, "", key)
            printf "%9.2f %9.2f  %s\n", median(at[order[i]]), median(took[order[i]]), key
        }
    }' <(tr -d '\r' <"$profile/startup-profile.txt")
