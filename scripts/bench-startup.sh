#!/usr/bin/env bash
# Times the whole process from exec to the first shown window, for the program and for the
# floor program, offscreen: wall time from the shell's nanosecond clock (the report of
# /usr/bin/time -v rounds it to 10 ms), peak memory from /usr/bin/time -v. The two
# programs run in turns, one of each per round, so a load that comes and goes on the machine
# weighs on both alike; the ratios to the floor close the report.
#   scripts/bench-startup.sh [release build directory] [rounds]
set -euo pipefail
build=${1:-build-rel}
runs=${2:-10}
export QT_QPA_PLATFORM=offscreen
programs=(startup_program startup_floor)
samples=$(mktemp)
report=$(mktemp)
trap 'rm -f "$samples" "$report"' EXIT

for round in $(seq "$runs"); do
    for program in "${programs[@]}"; do
        start=$(date +%s%N)
        /usr/bin/time -v -o "$report" "$build/bench/$program" >/dev/null 2>&1
        end=$(date +%s%N)
        awk -F': ' -v program="$program" -v round="$round" -v wall="$((end - start))" '
            /Maximum resident set size/ { rss = $2 }
            END { printf "%s %d %.3f %d\n", program, round, wall / 1e6, rss }
        ' "$report" >>"$samples"
    done
done

# Per program: mean and median wall time, peak RSS; then the program over the
# floor: the ratio of the mean wall times, the median of the rounds' own ratios, the ratio of
# the peaks.
awk -v runs="$runs" '
    function median(list, n,    i, j, t) {
        for (i = 2; i <= n; ++i)
            for (j = i; j > 1 && list[j - 1] > list[j]; --j) { t = list[j]; list[j] = list[j - 1]; list[j - 1] = t }
        return n % 2 ? list[(n + 1) / 2] : (list[n / 2] + list[n / 2 + 1]) / 2
    }
    {
        wall[$1] += $3; if ($4 > peak[$1]) peak[$1] = $4
        walls[$1, ++count[$1]] = $3; byRound[$1, $2] = $3
    }
    END {
        split("startup_program startup_floor", names, " ")
        for (k = 1; k <= 2; ++k) {
            p = names[k]
            for (i = 1; i <= count[p]; ++i) w[i] = walls[p, i]
            printf "%-16s mean wall %.1f ms, median %.1f ms over %d runs, peak RSS %d KiB\n",
                p, wall[p] / count[p], median(w, count[p]), count[p], peak[p]
            delete w
        }
        for (r = 1; r <= runs; ++r) ratio[r] = byRound["startup_program", r] / byRound["startup_floor", r]
        printf "program / floor: mean wall %.2f x, median of paired wall %.2f x, peak RSS %.2f x\n",
            wall["startup_program"] / wall["startup_floor"], median(ratio, runs),
            peak["startup_program"] / peak["startup_floor"]
    }
' "$samples"
