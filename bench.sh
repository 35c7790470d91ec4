#!/usr/bin/env bash
# Builds Zilvaro (RelWithDebInfo) and its benchmarks, runs them and prints one table:
# each figure, its target, pass or miss.
# Usage: ./bench.sh [--program-dir FOLDER] [--runs N]
#   --program-dir  the program folder (the record file and bmp/) to measure on; by
#                  default the build's own when it holds the character data, else made-up
#                  data
#   --runs         start-up runs of each probe (default 25)
set -euo pipefail
cd "$(dirname "$0")"

program_dir=""
runs=25
while [ $# -gt 0 ]; do
    case "$1" in
        --program-dir) program_dir="$(realpath "$2")"; shift 2 ;;
        --runs) runs="$2"; shift 2 ;;
        *) echo "usage: ./bench.sh [--program-dir FOLDER] [--runs N]" >&2; exit 2 ;;
    esac
done
command -v jq >/dev/null || { echo "bench.sh needs jq (apt-get install jq)" >&2; exit 1; }

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target zilvaro bench_window startup_harness bench_query
out=build/bench
mkdir -p "$out"
export QT_QPA_PLATFORM=offscreen

# The data build step: all pictures and the record file, from its input touched.
data_step="not there yet"
# The list is read whole: grep -q would stop reading early and, under pipefail, fail the test.
targets=$(cmake --build build --target help)
if grep -q '^\.\.\. character_data$' <<<"$targets"; then
    cmake --build build -j2 --target character_data >/dev/null
    touch data/decomposition.tsv
    start=$(date +%s.%N)
    cmake --build build -j2 --target character_data >/dev/null
    end=$(date +%s.%N)
    data_step=$(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }')
fi

dir_flag=()
[ -n "$program_dir" ] && dir_flag=(--program-dir "$program_dir")
window_flag=()
[ -n "$program_dir" ] && window_flag=("--program-dir=$program_dir")

echo "Running the in-process benchmarks..."
build/bench/bench_window "${window_flag[@]}" --benchmark_out="$out/window.json" \
    --benchmark_out_format=json
echo "Timing zilvaro-query (10,000 characters under 200 ms, --code under 50 ms)..."
build/bench/bench_query ${program_dir:+"$program_dir"}
echo "Timing start-up ($runs runs of each probe, alternately)..."
build/bench/startup_harness --runs "$runs" "${dir_flag[@]}" >"$out/startup.json"

w() { jq -r "$1" "$out/window.json"; }
s() { jq -r "$1" "$out/startup.json"; }
bm() { w ".benchmarks[] | select(.name | startswith(\"$1\")) | $2"; }

row() { # figure, measured, unit, target (<=), or "-" for a figure without a target
    local verdict="-"
    if [ "$4" != "-" ]; then
        verdict=$(awk -v m="$2" -v t="$4" 'BEGIN { print (m <= t) ? "pass" : "MISS" }')
    fi
    printf '%-40s %12s %-3s %10s %6s\n' "$1" "$2" "$3" "${4/-/}" "$verdict"
}
fmt() { awk -v v="$1" -v d="$2" 'BEGIN { printf "%.*f", d, v }'; }

echo
echo "Machine: $(nproc) cores, $(lscpu | sed -n 's/^Model name:[[:space:]]*//p' | head -1)," \
    "load average $(cut -d' ' -f1-3 /proc/loadavg)"
echo "Data: $(s .data)"
printf '%-40s %16s %10s %6s\n' "Figure" "Measured" "Target" ""
row "Start-up, Zilvaro (median)" "$(fmt "$(s .zilvaro_ms)" 1)" ms -
row "Start-up, bare Qt window (median)" "$(fmt "$(s .bare_ms)" 1)" ms -
row "Start-up, window with Chinese text" "$(fmt "$(s .text_ms)" 1)" ms -
row "Start-up ratio" "$(fmt "$(s .startup_ratio)" 3)" "" 1.15
row "Start-up ratio to the text window" "$(fmt "$(s .startup_ratio_to_text)" 3)" "" -
row "Memory after start-up, Zilvaro" "$(fmt "$(s ".zilvaro_rss_kb / 1024")" 1)" MB -
row "Memory after start-up, bare Qt window" "$(fmt "$(s ".bare_rss_kb / 1024")" 1)" MB -
row "Memory after start-up, text window" "$(fmt "$(s ".text_rss_kb / 1024")" 1)" MB -
row "Memory ratio" "$(fmt "$(s .memory_ratio)" 3)" "" 1.3
row "Memory ratio to the text window" "$(fmt "$(s .memory_ratio_to_text)" 3)" "" -
row "Lookup, median of $(bm BM_LookupEveryCharacter .characters) characters" \
    "$(fmt "$(bm BM_LookupEveryCharacter .median_ms)" 3)" ms 1
row "Lookup, worst character" "$(fmt "$(bm BM_LookupEveryCharacter .worst_ms)" 3)" ms 5
row "Lookup, median, thread CPU time" "$(fmt "$(bm BM_LookupEveryCharacter .cpu_median_ms)" 3)" ms -
row "Lookup, worst, thread CPU time" "$(fmt "$(bm BM_LookupEveryCharacter .cpu_worst_ms)" 3)" ms -
row "Stroke search 25124 ($(bm BM_StrokeSearch25124 .hits) hits)" \
    "$(fmt "$(bm BM_StrokeSearch25124 .real_time)" 2)" ms 10
row "Syllable ji ($(bm BM_SyllableJi .hits) hits)" \
    "$(fmt "$(bm BM_SyllableJi .real_time)" 2)" ms 10
row "Stroke search 25124, CPU time" "$(fmt "$(bm BM_StrokeSearch25124 .cpu_time)" 2)" ms -
row "Syllable ji, CPU time" "$(fmt "$(bm BM_SyllableJi .cpu_time)" 2)" ms -
row "Paste of 1 MB, slowest field" "$(fmt "$(bm BM_PasteMegabyte .slowest_field_ms)" 1)" ms 500
if [ "$data_step" = "not there yet" ]; then
    printf '%-40s %16s %10s\n' "Data build step" "not there yet" "20 s"
else
    row "Data build step" "$(fmt "$data_step" 1)" s 20
fi
echo
echo "Also measured: slowest single lookup $(fmt "$(bm BM_LookupEveryCharacter .slowest_single_ms)" 3) ms;" \
    "start-up from the kernel's start time (10 ms ticks): Zilvaro $(fmt "$(s .zilvaro_since_start_ms)" 1) ms," \
    "bare $(fmt "$(s .bare_since_start_ms)" 1) ms. Raw results: $out/window.json, $out/startup.json"
