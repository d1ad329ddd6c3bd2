#!/usr/bin/env bash
# Times the whole process from exec to the first shown window, for the program and for the
# floor program, offscreen: wall time from the shell's nanosecond clock (the report of
# /usr/bin/time -v rounds it to 10 ms), peak memory from /usr/bin/time -v.
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
        start=$(date +%s%N)
        /usr/bin/time -v -o "$report" "$build/bench/$program" >/dev/null 2>&1
        end=$(date +%s%N)
        rss=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$report")
        rm -f "$report"
        total=$((total + end - start))
        [ "$rss" -gt "$peak" ] && peak=$rss
    done
    printf '%-16s mean wall %.1f ms over %d runs, peak RSS %d KiB\n' "$program" \
        "$(echo "$total / $runs / 1000000" | bc -l)" "$runs" "$peak"
done
