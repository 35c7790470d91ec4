#!/usr/bin/env bash
# Makes docs/screenshot.png: the real window under Xvfb after typing 字 into the character
# input box. Needs a build with the character data (build/zilvaro, build/wwbb11.dat).
set -euo pipefail
export LC_ALL=C.UTF-8
cd "$(dirname "$0")/.."
program_dir=${1:-build}
output=docs/screenshot.png

[ -f "$program_dir/wwbb11.dat" ] || { echo "$program_dir/wwbb11.dat is missing: build first" >&2; exit 1; }
work=$(mktemp -d)
xvfb_pid=
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=:$(timeout 10 head -1 "$work/display")
mkdir -m 700 "$work/runtime"
XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb "$program_dir/zilvaro" &
program_pid=$!

window=$(xdotool search --sync --onlyvisible --name '^ Zilvaro 3\.0$' | head -1)
eval "$(xdotool getwindowgeometry --shell "$window")"
# Type 字 with a key of its own (see tests/e2e_test.sh for why the map is set first).
spare_key=$(xmodmap -pke | awk 'NF == 3 { key = $2 } END { print key }')
xmodmap -e "keycode $spare_key = U5B57"
sleep 0.5
xdotool mousemove $((X + 168)) $((Y + 17)) click 1
xdotool key U5B57
sleep 1
mkdir -p docs
import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$work/screenshot.png"
mv "$work/screenshot.png" "$output"
echo "wrote $output"
