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
    locales
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

# The users' desktops run ru_RU.UTF-8 and the suite runs under it as under C.UTF-8: the locale is
# generated where the machine lacks it.
if ! locale -a 2>/dev/null | grep -qix 'ru_RU.utf-\?8'; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Generating the locale ru_RU.UTF-8"
    $sudo sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen
fi

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j"$(nproc)"
