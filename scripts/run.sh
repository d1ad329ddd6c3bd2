#!/usr/bin/env bash
# Builds the program (installing what it needs on a fresh Debian machine) and starts it.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh" "$here/build"
exec "$here/build/bin/morvex_calc" "$@"
