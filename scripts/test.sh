#!/usr/bin/env bash
# Builds the program and its tests (installing what they need on a fresh Debian machine) and
# runs the whole suite headless, under the C locale and under the users' Russian one.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh" "$here/build" -DMORVEX_BUILD_TESTS=ON -DMORVEX_WERROR=ON
cd "$here/build"
# Once in the C locale, once in the users' own: numbers written into files, read from inputs and
# shown must not depend on it beyond what is shown.
for locale in C.UTF-8 ru_RU.UTF-8; do
    echo "== The suite under LC_ALL=$locale"
    LC_ALL=$locale QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
done
