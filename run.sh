#!/usr/bin/env bash
# Sets up what is missing, builds the program and its character data (not the tests,
# benchmarks or tools), and starts Zilvaro. ./test.sh builds and runs everything.
set -euo pipefail
cd "$(dirname "$0")"

# Without a display the window cannot open: say so before any set-up or build.
if [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "Zilvaro needs a graphical display: no DISPLAY or WAYLAND_DISPLAY is set." >&2
        exit 1
    fi
    if [ -z "${WAYLAND_DISPLAY:-}" ] && command -v xdpyinfo >/dev/null 2>&1 &&
        ! xdpyinfo >/dev/null 2>&1; then
        echo "Zilvaro needs a graphical display: cannot open the display $DISPLAY." >&2
        exit 1
    fi
fi

bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# Only what the build does is shown: the lines make prints for every target it merely
# checks are left out, so a build with nothing to do prints nothing.
cmake --build build -j2 --target zilvaro character_data 2>&1 |
    sed -u -E '/^\[ *[0-9]+%\] (Built target|Automatic MOC for target) /d'
exec ./build/zilvaro
