#!/usr/bin/env bash
# Builds the program and its tests (installing what they need on a fresh Debian machine) and
# runs the whole suite headless.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh" "$here/build" -DMORVEX_BUILD_TESTS=ON -DMORVEX_WERROR=ON
cd "$here/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
