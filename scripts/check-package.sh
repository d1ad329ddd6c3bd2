#!/usr/bin/env bash
# Builds the Debian package from a built tree and checks it as Debian would: lintian failing
# on errors and warnings; the AppStream entry and the desktop entry that the package installs
# through their validators, the desktop entry without a single hint. The maker's site is not
# reachable from a build machine, so the AppStream check leaves out the network.
# Needs lintian, appstream, desktop-file-utils, dpkg-dev and file (.ci/run installs them).
#   scripts/check-package.sh [build directory]
set -euo pipefail
build=$(realpath "${1:-build}")
rm -f "$build"/morvex-calc_*.deb
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/morvex-calc_*.deb)

echo "lintian $deb"
lintian --fail-on error,warning "$deb"

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
for metainfo in "$tree"/usr/share/metainfo/*.metainfo.xml; do
    appstreamcli validate --no-net "$metainfo"
done
for entry in "$tree"/usr/share/applications/*.desktop; do
    report=$(desktop-file-validate "$entry" 2>&1) || { echo "$report"; exit 1; }
    [ -z "$report" ] || { echo "$report"; echo "desktop-file-validate: hints for $(basename "$entry")"; exit 1; }
    echo "desktop-file-validate: $(basename "$entry") passes"
done
