#!/usr/bin/env bash
# Builds, on this Debian 12 machine, what the Windows (64-bit, MinGW-w64) build of the program
# needs and runs it under Wine:
#   - Debian's MinGW-w64 compilers (posix threads), Wine, NSIS, zlib for MinGW;
#   - SQLite, Qt 6 (qtbase) and libxlsxwriter cross-built from Debian's own sources, of the
#     very versions the Linux build uses, so both builds run the same code;
#   - a smoke check: a small Qt Widgets program cross-built and run under Wine in Xvfb.
# Everything goes into a cache outside the source tree, ${MORVEX_WIN_CACHE:-~/.cache/morvex-win},
# each part once: a part whose stamp (stamps/<part>) carries the same key (versions and build
# options) is not built again; delete the stamp to rebuild it. At the end the paths a cross
# configure of the program needs are printed and written to <cache>/toolchain.env.
#   scripts/windows-toolchain.sh           build what is missing, then the smoke check
#   scripts/windows-toolchain.sh --check   the smoke check alone (the parts must be built)
# Root or sudo is needed for the Debian packages, the deb-src entry and the ru_RU locale.
# Qt is the long part: 64 minutes with 2 jobs on two cores that other builds shared (the rest
# takes under 2 minutes). MORVEX_WIN_JOBS sets the build's jobs (2 by default).
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
cache=$(realpath -m "${MORVEX_WIN_CACHE:-$HOME/.cache/morvex-win}")
jobs=${MORVEX_WIN_JOBS:-2}
toolchain=$here/cmake/mingw-w64-x86_64.cmake
mingw=x86_64-w64-mingw32
mingw_root=/usr/$mingw                      # MinGW's sysroot: zlib, winpthreads
host_cmake=/usr/lib/x86_64-linux-gnu/cmake  # the host Qt's CMake packages (Qt6HostInfo, ...Tools)
src=$cache/src
work=$cache/build
stamps=$cache/stamps
timings=()

export MORVEX_WIN_CACHE=$cache   # read by the toolchain file

# --- helpers ------------------------------------------------------------------------------

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Runs a part unless its stamp holds the same key; prints and records how long it took.
#   run_part <name> <key> <function>
run_part() {
    local name=$1 key=$2 fn=$3 start
    if [ -f "$stamps/$name" ] && [ "$(head -n1 "$stamps/$name")" = "$key" ]; then
        echo "== $name: built before ($(sed -n 2p "$stamps/$name")), kept"
        timings+=("$name: 0 s (kept)")
        return
    fi
    echo "== $name: building"
    start=$SECONDS
    "$fn"
    local took=$((SECONDS - start))
    mkdir -p "$stamps"
    printf '%s\nbuilt %s in %d s\n' "$key" "$(date -u +%FT%TZ)" "$took" >"$stamps/$name"
    echo "== $name: done in $took s"
    timings+=("$name: $took s")
}

# Times a step that is done at every run (it is cheap when nothing is to do).
run_step() {
    local name=$1 fn=$2 start=$SECONDS
    echo "== $name"
    "$fn"
    echo "== $name: done in $((SECONDS - start)) s"
    timings+=("$name: $((SECONDS - start)) s")
}

# The source package and its version that an installed binary package was built from: the
# Windows libraries are built from the same source as the Linux ones.
source_of() {
    dpkg-query -W -f='${source:Package}=${source:Version}' "$1"
}

# A short hash of the toolchain file (less its comments) and the given options, so a stamp's
# key changes with what the part is built with.
hash_of() {
    { grep -v '^[[:space:]]*#' "$toolchain"; echo "$*"; } | sha256sum | cut -c1-12
}

wine_program() {
    if command -v wine64 >/dev/null; then command -v wine64; else echo /usr/lib/wine/wine64; fi
}

# The MinGW runtime's DLLs (libgcc_s_seh-1, libstdc++-6) lie in gcc's own directory for the
# posix-thread compilers, winpthreads in the sysroot.
runtime_dirs() {
    echo "$(dirname "$("$mingw-gcc-posix" -print-libgcc-file-name)"):$mingw_root/lib"
}

# --- Debian packages ----------------------------------------------------------------------

# Not stamped: the packages live on the machine, not in the cache, so they are checked every
# time (dpkg-query is quick) and only missing ones installed.
packages=(
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix libz-mingw-w64-dev
    wine64 nsis dpkg-dev
    build-essential cmake ninja-build perl python3 tcl pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-translations-l10n libxlsxwriter-dev
    xvfb xauth imagemagick fonts-liberation locales
)

install_packages() {
    local missing=() p
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -gt 0 ] || { echo "all installed"; return; }
    echo "installing: ${missing[*]}"
    as_root apt-get update
    DEBIAN_FRONTEND=noninteractive as_root apt-get install -y --no-install-recommends "${missing[@]}"
}

# Wine takes its code page from LANG: the smoke check runs in Russian, as the program's users do.
ensure_ru_locale() {
    if locale -a 2>/dev/null | grep -qix 'ru_RU.utf8'; then echo "ru_RU.UTF-8 present"; return; fi
    as_root sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen
    as_root locale-gen
}

system_setup() {
    install_packages
    ensure_ru_locale
}

# --- Debian sources -----------------------------------------------------------------------

debsrc_file=/etc/apt/sources.list.d/morvex-deb-src.sources

# The same archive as the binary packages (debian.sources), for source packages.
add_deb_src() {
    if apt-get source --print-uris "$(source_of libqt6core6)" >/dev/null 2>&1; then return; fi
    echo "adding $debsrc_file"
    as_root tee "$debsrc_file" >/dev/null <<'EOF'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: bookworm-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    as_root apt-get update
}

# Downloads one source package of the installed version and unpacks it (Debian's patches
# applied) into src/<source package name>.
#   fetch_source <installed binary package>
fetch_source() {
    local spec name
    spec=$(source_of "$1")
    name=${spec%%=*}
    # apt's download sandbox user _apt cannot write into root's home: as root apt-get would
    # fall back with a warning, so it is told to download as root in the first place.
    local sandbox=()
    [ "$(id -u)" -ne 0 ] || sandbox=(-o APT::Sandbox::User=root)
    (cd "$src/download" && apt-get source --download-only "${sandbox[@]}" "$spec")
    rm -rf "${src:?}/$name"
    local version=${spec#*=}
    local dsc=$src/download/${name}_${version#*:}.dsc   # file names carry no epoch
    # The files' hashes were checked by apt against the signed archive; dpkg-source checks
    # them again (the .dsc's own signature cannot be, without debian-keyring, and need not).
    dpkg-source -x "$dsc" "$src/$name" >/dev/null
}

sources_key() {
    echo "$(source_of libqt6core6) $(source_of libsqlite3-0) $(source_of libxlsxwriter-dev)"
}

get_sources() {
    mkdir -p "$src/download"
    add_deb_src
    fetch_source libqt6core6
    fetch_source libsqlite3-0
    fetch_source libxlsxwriter-dev
}

# --- SQLite ---------------------------------------------------------------------------------

# Debian's sqlite3 source is SQLite's tree, not the one-file amalgamation: its own makefile
# (tclsh and the host compiler) makes sqlite3.c, which MinGW then compiles into a static
# library, so Qt's SQLite driver carries it and no sqlite3.dll is to be shipped.
# The options are Debian's own (debian/rules), less those for the sqlite3 shell.
sqlite_flags=(
    -O2 -DSQLITE_THREADSAFE=1 -DSQLITE_SECURE_DELETE -DSQLITE_ENABLE_COLUMN_METADATA
    -DSQLITE_ENABLE_FTS3 -DSQLITE_ENABLE_FTS3_PARENTHESIS -DSQLITE_ENABLE_RTREE=1
    -DSQLITE_SOUNDEX=1 -DSQLITE_ENABLE_UNLOCK_NOTIFY -DSQLITE_ENABLE_DBSTAT_VTAB
    -DSQLITE_ENABLE_UPDATE_DELETE_LIMIT=1 -DSQLITE_ENABLE_JSON1 -DSQLITE_LIKE_DOESNT_MATCH_BLOBS
    -DSQLITE_USE_URI=1 -DSQLITE_MAX_SCHEMA_RETRY=25 -DSQLITE_MAX_VARIABLE_NUMBER=250000
)

build_sqlite() {
    local b=$work/sqlite prefix=$cache/sqlite
    rm -rf "$b" "$prefix"
    mkdir -p "$b" "$prefix/include" "$prefix/lib"
    (cd "$b" && "$src/sqlite3/configure" --disable-tcl >configure.log && make sqlite3.c >amalgamation.log)
    "$mingw-gcc-posix" "${sqlite_flags[@]}" -c "$b/sqlite3.c" -o "$b/sqlite3.o"
    "$mingw-ar" rcs "$prefix/lib/libsqlite3.a" "$b/sqlite3.o"
    cp "$b/sqlite3.h" "$b/sqlite3ext.h" "$prefix/include/"
}

# --- Qt -------------------------------------------------------------------------------------

# Only what the program uses: Core, Gui, Widgets, Sql with the SQLite driver, Print Support,
# Test; the "windows" and "offscreen" platforms, the JPEG image plugin. zlib, libpng,
# libjpeg, FreeType, HarfBuzz, PCRE2 are Qt's bundled copies, which Debian's source keeps.
# Debian strips src/3rdparty/sqlite, wintab and iaccessible2 from it; so:
#   - SQLite is the one built above (system_sqlite);
#   - tablet events are off: their Windows code needs wintab's headers;
#   - Windows accessibility is UI Automation in Qt 6 and needs no iaccessible2.
# With OpenGL off the windows plugin would still build its dynamic-GL loader: off too (the
# summary's "Dynamic OpenGL" that stays "yes" is only the default choice of an OpenGL left off).
# Direct 2D stays on: Qt Gui's DirectWrite font engine, which Print Support's Windows print
# engine calls, is built only with it; only its platform plugin (direct2d1_1) is left out.
# Qt's Russian translations need no build: the .qm files of the host's qt6-translations-l10n
# (/usr/share/qt6/translations/qtbase_ru.qm, qt_ru.qm) are the same on every platform and are
# copied beside the Windows program as they are.
qt_options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
    -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF
    -DFEATURE_direct2d1_1=OFF -DFEATURE_tabletevent=OFF
    -DFEATURE_sql=ON -DFEATURE_sql_sqlite=ON -DFEATURE_system_sqlite=ON
    -DFEATURE_sql_odbc=OFF -DFEATURE_sql_psql=OFF -DFEATURE_sql_mysql=OFF
    -DFEATURE_sql_ibase=OFF -DFEATURE_sql_oci=OFF -DFEATURE_sql_db2=OFF
    -DFEATURE_printsupport=ON -DFEATURE_testlib=ON -DFEATURE_widgets=ON
    -DFEATURE_jpeg=ON -DFEATURE_png=ON -DFEATURE_freetype=ON -DFEATURE_harfbuzz=ON
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_doubleconversion=OFF -DFEATURE_zstd=OFF -DFEATURE_icu=OFF
    -DFEATURE_androiddeployqt=OFF
)

qt_key() {
    echo "$(source_of libqt6core6) $(hash_of "${qt_options[*]}")"
}

build_qt() {
    local b=$work/qt prefix=$cache/qt version
    # The build directory outlives a failed or stopped build: the next run configures it again
    # and builds only what is left. Another Qt source starts it anew.
    version=$(source_of libqt6core6)
    [ "$(cat "$b/morvex-source" 2>/dev/null)" = "$version" ] || rm -rf "$b"
    mkdir -p "$b"
    echo "$version" >"$b/morvex-source"
    rm -rf "$prefix"
    # The host's Qt of the same version gives moc, rcc, uic and the rest: Debian installs its
    # CMake packages under lib/x86_64-linux-gnu, where QT_HOST_PATH alone does not look.
    cmake -G Ninja -S "$src/qt6-base" -B "$b" \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" \
        -DSQLite3_INCLUDE_DIR="$cache/sqlite/include" \
        -DSQLite3_LIBRARY="$cache/sqlite/lib/libsqlite3.a" \
        "${qt_options[@]}" >"$work/qt-configure.log"
    grep -E '^ *(Qt [A-Za-z-]+ \.|SQLite|Using system provided SQLite|JPEG|PNG|FreeType|HarfBuzz|PCRE2|Direct|Dynamic OpenGL)' \
        "$b/config.summary"
    cmake --build "$b" -j"$jobs" >"$work/qt-build.log" || { tail -n 40 "$work/qt-build.log"; return 1; }
    cmake --install "$b" >"$work/qt-install.log"
}

# --- libxlsxwriter ----------------------------------------------------------------------------

# A DLL with its bundled minizip and MD5 and zlib linked in statically (MinGW's libz.a from
# libz-mingw-w64-dev): the program ships one libxlsxwriter.dll, no zlib1.dll.
xlsx_options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DUSE_SYSTEM_MINIZIP=OFF -DUSE_OPENSSL_MD5=OFF -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF
    "-DZLIB_INCLUDE_DIR=$mingw_root/include" "-DZLIB_LIBRARY=$mingw_root/lib/libz.a"
)

xlsx_key() {
    echo "$(source_of libxlsxwriter-dev) $(hash_of "${xlsx_options[*]}")"
}

build_xlsxwriter() {
    local b=$work/xlsxwriter prefix=$cache/xlsxwriter
    rm -rf "$b" "$prefix"
    cmake -G Ninja -S "$src/libxlsxwriter" -B "$b" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_INSTALL_PREFIX="$prefix" "${xlsx_options[@]}" >"$work/xlsxwriter-configure.log"
    cmake --build "$b" -j"$jobs" >"$work/xlsxwriter-build.log"
    cmake --install "$b" >"$work/xlsxwriter-install.log"
}

# --- the paths for the program's cross build --------------------------------------------------

write_env() {
    cat >"$cache/toolchain.env" <<EOF
# Written by scripts/windows-toolchain.sh: what a cross build of the program for Windows uses.
MORVEX_WIN_CACHE='$cache'
MORVEX_WIN_TOOLCHAIN='$toolchain'
MORVEX_WIN_QT='$cache/qt'
MORVEX_WIN_QT_CMAKE='$cache/qt/lib/cmake/Qt6'
MORVEX_WIN_QT_HOST_PATH='/usr'
MORVEX_WIN_QT_HOST_CMAKE='$host_cmake'
MORVEX_WIN_QT_TRANSLATIONS='/usr/share/qt6/translations'
MORVEX_WIN_SQLITE='$cache/sqlite'
MORVEX_WIN_XLSXWRITER='$cache/xlsxwriter'
MORVEX_WIN_ZLIB='$mingw_root'
MORVEX_WIN_RUNTIME_DIRS='$(runtime_dirs)'
MORVEX_WINE='$(wine_program)'
MORVEX_WIN_CMAKE_ARGS='-DCMAKE_TOOLCHAIN_FILE=$toolchain -DCMAKE_PREFIX_PATH=$cache/qt;$cache/sqlite;$cache/xlsxwriter -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=$host_cmake'
EOF
}

print_paths() {
    # shellcheck source=/dev/null
    . "$cache/toolchain.env"
    cat <<EOF

Windows toolchain (also in $cache/toolchain.env):
  toolchain file     $MORVEX_WIN_TOOLCHAIN
  Qt prefix          $MORVEX_WIN_QT  (CMake packages: $MORVEX_WIN_QT_CMAKE)
  Qt host tools      QT_HOST_PATH=$MORVEX_WIN_QT_HOST_PATH QT_HOST_PATH_CMAKE_DIR=$MORVEX_WIN_QT_HOST_CMAKE
  Qt translations    $MORVEX_WIN_QT_TRANSLATIONS (qtbase_ru.qm, qt_ru.qm)
  SQLite             $MORVEX_WIN_SQLITE
  libxlsxwriter      $MORVEX_WIN_XLSXWRITER
  zlib               $MORVEX_WIN_ZLIB (include/zlib.h, lib/libz.a, lib/zlib1.dll)
  MinGW runtime DLLs $MORVEX_WIN_RUNTIME_DIRS
  Wine               $MORVEX_WINE
A cross configure of the program:
  cmake $MORVEX_WIN_CMAKE_ARGS ...
EOF
}

# --- the smoke check ------------------------------------------------------------------------

# Copies into <dir> the DLLs that <binary> needs from the Windows Qt, the cache's libraries
# and MinGW's runtime, and theirs in turn; Windows' own DLLs (Wine provides them) are not found
# there and are left.
#   copy_dlls <binary> <dir>
copy_dlls() {
    local dll found d
    local search=("$cache/qt/bin" "$cache/xlsxwriter/bin" "$cache/xlsxwriter/lib")
    IFS=: read -r -a rt <<<"$(runtime_dirs)"
    search+=("${rt[@]}")
    for dll in $("$mingw-objdump" -p "$1" | sed -n 's/^\s*DLL Name: //p'); do
        [ -e "$2/$dll" ] && continue
        found=""
        for d in "${search[@]}"; do
            [ -f "$d/$dll" ] && { found=$d/$dll; break; }
        done
        [ -n "$found" ] || continue
        cp "$found" "$2/"
        copy_dlls "$2/$dll" "$2"
    done
}

# Cross-builds scripts/windows-smoke (a window with a Cyrillic label that closes itself),
# runs it under Wine in Xvfb in a new prefix and takes a screenshot: <cache>/smoke/screen.png.
# The "windows" platform is used: Qt's "offscreen" one spun for minutes under Wine.
smoke_check() {
    local b=$cache/smoke/build run=$cache/smoke/run shot=$cache/smoke/screen.png
    rm -rf "$cache/smoke"
    cmake -G Ninja -S "$here/scripts/windows-smoke" -B "$b" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_PREFIX_PATH="$cache/qt" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" >"$cache/smoke-configure.log"
    cmake --build "$b" >"$cache/smoke-build.log"
    mkdir -p "$run/platforms"
    cp "$b/morvex_win_smoke.exe" "$run/"
    cp "$cache/qt/plugins/platforms/qwindows.dll" "$run/platforms/"
    copy_dlls "$run/morvex_win_smoke.exe" "$run"
    copy_dlls "$run/platforms/qwindows.dll" "$run"
    echo "beside the program: $(cd "$run" && echo *.dll)"
    "$here/scripts/wine-prefix.sh" "$cache/smoke/prefix"
    local status=0
    # shellcheck disable=SC2016 # the inner shell expands them
    env LANG=ru_RU.UTF-8 WINEPREFIX="$cache/smoke/prefix" WINEDEBUG=-all \
        WINEDLLOVERRIDES="mscoree,mshtml=" QT_QPA_PLATFORM=windows \
        WINE="$(wine_program)" RUN="$run" SHOT="$shot" \
        timeout 600 xvfb-run -a -s "-screen 0 640x360x24 -dpi 96" bash -c '
            cd "$RUN"
            "$WINE" morvex_win_smoke.exe >"$RUN/stdout.txt" 2>&1 &
            pid=$!
            # Wine takes a while to start a program in a new prefix: the program says when
            # its window has been on screen for a moment.
            for _ in $(seq 1 240); do
                [ -f "$RUN/shown.txt" ] || ! kill -0 $pid 2>/dev/null && break
                sleep 0.5
            done
            [ -f "$RUN/shown.txt" ] && import -window root "$SHOT"
            wait $pid' || status=$?
    cat "$run/stdout.txt"
    [ -f "$shot" ] || { echo "the window was never shown" >&2; return 1; }
    echo "screenshot: $shot"
    return $status
}

# --- main ---------------------------------------------------------------------------------

report_timings() {
    echo
    echo "Time of each part:"
    printf '  %s\n' "${timings[@]}"
}

main() {
    mkdir -p "$cache"
    if [ "${1:-}" = "--check" ]; then
        [ -f "$cache/toolchain.env" ] || { echo "nothing built in $cache yet" >&2; exit 1; }
        run_step smoke-check smoke_check
        report_timings
        return
    fi
    run_step packages system_setup
    run_part sources "$(sources_key)" get_sources
    run_part sqlite "$(source_of libsqlite3-0) $(hash_of "${sqlite_flags[*]}")" build_sqlite
    run_part qt "$(qt_key)" build_qt
    run_part xlsxwriter "$(xlsx_key)" build_xlsxwriter
    write_env
    run_step smoke-check smoke_check
    print_paths
    report_timings
}

main "$@"
