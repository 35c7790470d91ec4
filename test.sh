#!/usr/bin/env bash
# Sets up what is missing, builds Zilvaro and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j2
