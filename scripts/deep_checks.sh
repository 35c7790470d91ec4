#!/usr/bin/env bash
# The deep checks, run by CI after ./test.sh: builds Zilvaro with clang into build-clang/
# under AddressSanitizer and UndefinedBehaviorSanitizer, runs the unit tests there, then
# runs each fuzz target of fuzz/ for a short while from its seed corpus.
#
# A sanitizer report or a fuzzer finding fails the run; the input that made a fuzzer
# crash is left in build/fuzz-findings/<target>/. The corpus each fuzzer grows is kept in
# build/fuzz-corpus/<target>/, so later runs go on from it.
#
# ZILVARO_FUZZ_SECONDS sets the time per fuzz target (30). To fuzz one target longer:
#   build-clang/fuzz/fuzz_picture -max_total_time=3600 build/fuzz-corpus/fuzz_picture fuzz/corpus/picture
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${ZILVARO_FUZZ_SECONDS:-30}"

bash scripts/setup.sh --deep
if [ -z "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ] && command -v ccache >/dev/null 2>&1; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
CC=clang CXX=clang++ cmake -S . -B build-clang -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZILVARO_SANITIZE=ON -DENABLE_FUZZING=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >/dev/null
cmake --build build-clang -j"$(nproc)"

# Every sanitizer report ends the program that made it, with a failure.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
echo "== Unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
# The package and the real-window tests run the program as ./test.sh runs them.
(cd build-clang && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 -E '^(package|e2e)$')

echo "== Fuzz targets, ${seconds} s each"
status=0
for fuzzer in build-clang/fuzz/fuzz_*; do
    [ -x "$fuzzer" ] && [ -f "$fuzzer" ] || continue
    name="$(basename "$fuzzer")"
    seeds="fuzz/corpus/${name#fuzz_}"
    corpus="build/fuzz-corpus/$name"
    findings="build/fuzz-findings/$name"
    mkdir -p "$corpus" "$findings"
    log="$findings/last-run.log"
    if "$fuzzer" -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 \
        -artifact_prefix="$findings/" "$corpus" "$seeds" >"$log" 2>&1; then
        echo "$name: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$') executions, no finding"
    else
        echo "$name: FINDING; the input is in $findings/ and the report in $log" >&2
        tail -n 40 "$log" >&2
        status=1
    fi
done
exit "$status"
