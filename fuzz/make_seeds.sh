#!/usr/bin/env bash
# Writes the fuzzers' seed corpora (fuzz/corpus/<target>/) from the real data: slices of
# the record file and pictures built in build/, lines of the decomposition table, the
# reference tables. Run after a build; the corpora are committed, so this is needed only
# when the data formats change.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
out="$root/fuzz/corpus"
# The record file's name and record size, as the build sets them (ZILVARO_RECORD_FILE in
# CMakeLists.txt, CharacterRecord::Size).
record_file="$build/wwbb11.dat"
record_size=302
[ -f "$record_file" ] || { echo "make_seeds: $record_file is not built" >&2; exit 1; }
rm -rf "$out"
mkdir -p "$out"/{record_file,picture,picture_pack,seed_list,gbk,table_search,flood_fill,decomposition_line,query_options,query_text}

record() { dd if="$record_file" bs=$record_size skip="$1" count="$2" status=none; }
records=$(( $(stat -c %s "$record_file") / record_size ))

# Record file: its first records, a run from the middle, its last records, one record.
record 0 3 >"$out/record_file/first-three"
record 3000 10 >"$out/record_file/middle-ten"
record $((records - 2)) 2 >"$out/record_file/last-two"
record 1000 1 >"$out/record_file/one"

# Pictures, after the two bytes of the expected size (108 x 109 is 107, 108).
n=0
for c in 字 国 一 鹰 齄; do
    { printf '\x6b\x6c'; cat "$build/bmp/$c.bmp"; } >"$out/picture/$n"
    n=$((n + 1))
done

# The sharp pictures' pack: packs of one and of three of the real pictures, coded with
# even odds and without the model, which the fuzzer puts in itself (after the 28 bytes of
# the header and the 62 bytes every picture starts with).
pack_tool="$build/tools/build_data/picture_pack"
sharp="$(mktemp -d)"
trap 'rm -rf "$sharp"' EXIT
"$pack_tool" unpack "$build/bmp@2x.pack" "$sharp" 一 字 鹰 >/dev/null
seed_pack() {
    local name=$1
    shift
    "$pack_tool" pack --even-odds "$sharp/$name.pack" "$@" >/dev/null
    { head -c 90 "$sharp/$name.pack"; tail -c +$((90 + 131072 + 1)) "$sharp/$name.pack"; } \
        >"$out/picture_pack/$name"
}
seed_pack one "$sharp/一@2x.bmp"
seed_pack three "$sharp/一@2x.bmp" "$sharp/字@2x.bmp" "$sharp/鹰@2x.bmp"

# Seed lists: the four fields of a few records.
for r in 0 17 900 3000 6000; do
    for f in 0 1 2 3; do
        record "$r" 1 | tail -c +$((15 + 72 * f)) | head -c 72 >"$out/seed_list/$r-$f"
    done
done

# GBK: the start of each table segment, and record characters.
for t in "$root"/assets/tables/*.txt; do
    head -c 256 "$t" >"$out/gbk/$(basename "$t" .txt)"
done
record 3000 10 | head -c $record_size >"$out/gbk/record"

# Table search: search, needle length, needle, then a stretch of a segment (UTF-8).
segment() { head -c "$2" "$root/assets/tables/$1.txt" | iconv -f GBK -t UTF-8; }
{ printf '\x10\x06zhong '; segment Text1bh5 4000; } >"$out/table_search/syllable"
{ printf '\x10\x05'; printf '25124'; segment Text1bh2w 3000; } >"$out/table_search/strokes"
{ printf '\x11\x03啊'; segment Text1bh1 2000; } >"$out/table_search/reading"

# Flood fill: width, height, seed, mode, then pixel choices from a picture's rows.
n=0
for c in 字 国 回; do
    { printf '\x1f\x1f\x08\x08\x00'; tail -c 1024 "$build/bmp/$c.bmp"; } >"$out/flood_fill/$n"
    { printf '\x2f\x2f\x10\x05\x03'; tail -c 2304 "$build/bmp/$c.bmp"; } >"$out/flood_fill/$n-border"
    n=$((n + 1))
done

# Decomposition lines of every kind.
awk -F'\t' -v dir="$out/decomposition_line" \
    '{ seen[$5]++ } seen[$5] <= 3 { printf "%s", $0 > (dir "/" $5 "-" seen[$5]) }' \
    "$root/data/decomposition.tsv"
# zilvaro-query: arguments one a line, then a NUL and standard input; texts to walk.
printf '字中国' >"$out/query_options/text"
printf -- '--unique\n--json\n-\0字字，中\n国' >"$out/query_options/input"
printf -- '--word\n中国\n--code\npzf\n--limit\n2' >"$out/query_options/word-code"
printf -- '--code\nzzzz\n--json\n--quiet' >"$out/query_options/wildcard"
printf -- '--limit\n--frobnicate' >"$out/query_options/wrong"
printf 'Wubi：字 中, 国。\xf0\xa0\x80\x80' >"$out/query_text/mixed"
segment Text1bh4 600 >"$out/query_text/table"
du -sh "$out"
