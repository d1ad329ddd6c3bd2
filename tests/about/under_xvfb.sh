#!/bin/sh
# Runs a test program in a virtual X display where xvfb-run is installed; elsewhere it runs as
# it is (headless) and skips its checks.
if command -v xvfb-run >/dev/null 2>&1; then
    exec xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" env QT_QPA_PLATFORM=xcb "$@"
fi
exec "$@"
