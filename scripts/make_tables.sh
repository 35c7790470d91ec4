#!/usr/bin/env bash
# Regenerates the pinyin and stroke tables in assets/tables from the installed packages.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build >/dev/null
cmake --build build -j2 --target make_tables
build/tools/make_tables/make_tables "$PWD"
