#!/usr/bin/env bash
# Makes a Wine prefix fit to run the Windows build of the program, for the smoke check of
# scripts/windows-toolchain.sh and for tests of the Windows build.
#   scripts/wine-prefix.sh <prefix directory>
# Wine prints nothing (WINEDEBUG=-all) and is kept from offering to download Mono and Gecko,
# which the program does not use (their dialogs would wait for a click under Xvfb).
# Wine ships no Arial, the family Qt and Windows programs fall back to; Liberation Sans has
# its metrics and the Cyrillic letters, so the prefix replaces one by the other.
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 <prefix directory>" >&2; exit 2; }

# Debian's wine64 package keeps its programs in /usr/lib/wine; /usr/bin/wine64 exists only
# with the "wine" wrapper package.
wine_program() {
    if command -v wine64 >/dev/null; then command -v wine64; else echo /usr/lib/wine/wine64; fi
}

export WINEPREFIX
WINEPREFIX=$(realpath -m "$1")
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(wine_program)
wineserver=$(dirname "$wine")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)

mkdir -p "$WINEPREFIX"
"$wine" wineboot -i
"$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d 'Liberation Sans' /f \
    >/dev/null
# The registry reaches the prefix's files only when the server ends: wait for it, so the next
# program started in the prefix reads the replacement.
"$wineserver" -w
