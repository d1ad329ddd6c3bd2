#!/usr/bin/env bash
# Builds the tests with AddressSanitizer (with its leak checker) and UndefinedBehaviorSanitizer
# into build-asan/ and runs them; any report fails the run. The program's code, the tests and
# the benchmarks are instrumented; the build's generators (tools/: the base, the drawings, the
# icons, the clip) are not, so a sanitizer cannot fail the build while it writes the data.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build="$here/build-asan"
flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DMORVEX_SANITIZE_FLAGS="$flags" \
    -DCMAKE_CXX_FLAGS= -DCMAKE_EXE_LINKER_FLAGS=
cmake --build "$build" -j"$(nproc)"
cd "$build"
# intercept_tls_get_addr=0: this compiler's leak checker keeps track of the dynamic TLS blocks of
# libraries loaded at run time and, once such a library is gone again, reads a block that no
# longer exists and crashes its tracer ("Tracer caught signal 11", after "DTLS ... at
# 0x0000000010ac"), every time for the About window's test. Without the tracking those blocks
# are not scanned for pointers: memory held by a loaded library's thread-local data alone would
# be reported as a leak, a report to read, never a leak hidden; the suite has none.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:intercept_tls_get_addr=0"
export LSAN_OPTIONS="suppressions=$here/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
log="$build/sanitize-ctest.log"

# The leak checker stops every thread of the process at its end to look for leaks; when its
# tracer crashes doing so ("Tracer caught signal"), the test fails without any report about the
# program. Such a failure is named for what it is, and the suite is run once more: a crash
# that comes again fails the run as one of the leak checker, not as a leak.
run_suite() {
    if ctest --output-on-failure -j"$(nproc)" "$@" 2>&1 | tee "$log"; then
        return 0
    fi
    if grep -q -E "Tracer caught signal|LeakSanitizer has encountered a fatal error" "$log"; then
        echo "sanitize.sh: LeakSanitizer's tracer crashed while stopping a test's threads at its end" >&2
        echo "sanitize.sh: this is a failure of the leak checker, not a leak report; running the failed tests again" >&2
        if ctest --output-on-failure --rerun-failed "$@"; then
            echo "sanitize.sh: WARNING: the tracer crash did not come again; the run goes on" >&2
            return 0
        fi
        echo "sanitize.sh: the failed tests failed again (see above: a tracer crash or a report)" >&2
    fi
    return 1
}

# Every suite but the two that load the real media framework, with the leak checker.
run_suite -LE media
# The two that load it (about_mediaplugin, and about_player under Xvfb): Qt Multimedia's
# GStreamer backend starts threads of its own (a device monitor) that run until the process
# ends, and keeps allocations past the plugin's unloading that cannot be attributed to a
# library to suppress; they run under AddressSanitizer and UndefinedBehaviorSanitizer without
# the leak checker. This is the one place where a suite goes without it.
ASAN_OPTIONS="detect_leaks=0:abort_on_error=1:intercept_tls_get_addr=0" run_suite -L media
