#!/usr/bin/env bash
# Starts the built program in a virtual X display and writes a screenshot of the whole screen.
#   scripts/screenshot.sh [output.png] [build directory] [seconds to wait]
set -euo pipefail
out=${1:-screenshot.png}
build=${2:-build}
wait=${3:-3}
program="$build/bin/morvex_calc"
[ -x "$program" ] || { echo "no program at $program: build it first" >&2; exit 1; }
out=$(realpath -m "$out")
xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" bash -c "
    \"$program\" &
    pid=\$!
    sleep $wait
    import -window root \"$out\"
    kill \$pid 2>/dev/null || true
"
echo "wrote $out"
