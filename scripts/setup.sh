#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need, when any is missing,
# then configures and builds into the given directory.
#   scripts/setup.sh <build directory> [extra cmake arguments...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$here/build"}
shift || true

packages=(
    build-essential cmake pkg-config
    qt6-base-dev libqt6sql6-sqlite qt6-svg-dev libqt6svg6 qt6-multimedia-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    fonts-liberation qt6-translations-l10n
    libbenchmark-dev
    libxlsxwriter-dev
    python3 unzip poppler-utils
    xvfb xauth imagemagick
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j"$(nproc)"
