#!/usr/bin/env bash
# Sets up what is missing, builds Zilvaro and starts it.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != "offscreen" ]; then
    echo "Zilvaro needs a graphical display: no DISPLAY or WAYLAND_DISPLAY is set." >&2
    exit 1
fi
exec ./build/zilvaro
