#!/usr/bin/env bash
# Times the whole process from exec to the first shown window, for the program and for the
# floor program, with /usr/bin/time -v (wall time and peak memory), offscreen.
#   scripts/bench-startup.sh [release build directory] [runs]
set -euo pipefail
build=${1:-build-rel}
runs=${2:-10}
export QT_QPA_PLATFORM=offscreen
for program in startup_program startup_floor; do
    total=0
    peak=0
    for _ in $(seq "$runs"); do
        report=$(mktemp)
        /usr/bin/time -v -o "$report" "$build/bench/$program" >/dev/null 2>&1
        out=$(cat "$report")
        rm -f "$report"
        wall=$(echo "$out" | awk -F': ' '/Elapsed \(wall clock\)/ {split($2, t, ":"); print t[1] * 60 + t[2]}')
        rss=$(echo "$out" | awk -F': ' '/Maximum resident set size/ {print $2}')
        total=$(echo "$total + $wall" | bc -l)
        [ "$rss" -gt "$peak" ] && peak=$rss
    done
    printf '%-16s mean wall %.3f s over %d runs, peak RSS %d KiB\n' "$program" "$(echo "$total / $runs" | bc -l)" "$runs" "$peak"
done
