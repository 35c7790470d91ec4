#!/usr/bin/env bash
# Makes docs/screenshot.png: the real window under Xvfb after typing 字 into the character
# input box. Needs a build with the character data (build/zilvaro and its data beside it).
set -euo pipefail
export LC_ALL=C.UTF-8
cd "$(dirname "$0")/.."
source scripts/xvfb.sh
program_dir=${1:-build}
output=docs/screenshot.png

[ -x "$program_dir/zilvaro" ] || { echo "$program_dir/zilvaro is missing: build first" >&2; exit 1; }
start_xvfb 1024x768 || exit 1
export DISPLAY=$xvfb_display
start_zilvaro "$DISPLAY" "$xvfb_folder/program.log" "$program_dir/zilvaro"
window=$(find_main_window) || { echo "the window did not appear" >&2; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")"
# Type 字 with a key of its own (see tests/e2e_test.sh for why the map is set first).
spare_key=$(xmodmap -pke | awk 'NF == 3 { key = $2 } END { print key }')
xmodmap -e "keycode $spare_key = U5B57"
sleep 0.5
xdotool mousemove $((X + 168)) $((Y + 17)) click 1
xdotool key U5B57
sleep 1
mkdir -p docs
import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$xvfb_folder/screenshot.png"
mv "$xvfb_folder/screenshot.png" "$output"
echo "wrote $output"
