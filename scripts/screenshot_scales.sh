#!/usr/bin/env bash
# Screenshots of the window after looking up 字, 瓣 and 嚷 at the scale factors 1, 1.5
# and 2 (QT_SCALE_FACTOR), each under a virtual X server of its own, to compare how the
# decomposition pictures look on high-DPI screens. Needs a build with the character data
# (build/zilvaro, build/wwbb11.dat, build/bmp/).
#
#   scripts/screenshot_scales.sh [program folder] [output folder]
#
# Writes <output folder>/<character>-<scale>.png (default build/screenshots/) and, per
# character, <character>-slots.png: the picture slots at the three scales side by side,
# each enlarged to the same size without smoothing.
set -euo pipefail
export LC_ALL=C.UTF-8
cd "$(dirname "$0")/.."
program_dir=$(cd "${1:-build}" && pwd)
output=${2:-build/screenshots}
characters=(字 瓣 嚷)
scales=(1 1.5 2)

[ -f "$program_dir/wwbb11.dat" ] || { echo "$program_dir/wwbb11.dat is missing: build first" >&2; exit 1; }
for tool in Xvfb xdotool xmodmap import convert; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done
mkdir -p "$output"
work=$(mktemp -d)
xvfb_pid=
program_pid=
stop() {
    if [ -n "$program_pid" ]; then
        kill "$program_pid" 2>/dev/null || true
        wait "$program_pid" 2>/dev/null || true
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    program_pid= xvfb_pid=
}
cleanup() {
    stop
    rm -rf "$work"
}
trap cleanup EXIT

for scale in "${scales[@]}"; do
    rm -f "$work/display"
    mkfifo "$work/display"
    Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp -noreset 3>"$work/display" \
        >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    export DISPLAY=:$(timeout 10 head -1 "$work/display")
    rm -rf "$work/runtime"
    mkdir -m 700 "$work/runtime"
    XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale \
        "$program_dir/zilvaro" >"$work/program.log" 2>&1 &
    program_pid=$!
    window=$(xdotool search --sync --onlyvisible --name '^ Zilvaro 3\.0$' | head -1)
    sleep 0.5
    eval "$(xdotool getwindowgeometry --shell "$window")"
    # The character input box, at (168, 17) of the window in logical pixels.
    click_x=$(awk -v s="$scale" -v x="$X" 'BEGIN { printf "%d", x + 168 * s }')
    click_y=$(awk -v s="$scale" -v y="$Y" 'BEGIN { printf "%d", y + 17 * s }')
    # Each character gets a spare key of its own; the program is given time to learn
    # the new keyboard map (see tests/e2e_test.sh).
    spare_key=$(xmodmap -pke | awk 'NF == 3 { key = $2 } END { print key }')
    for character in "${characters[@]}"; do
        keysym=$(printf 'U%04X' "'$character")
        xmodmap -e "keycode $spare_key = $keysym"
        sleep 0.5
        xdotool mousemove "$click_x" "$click_y" click 1
        xdotool key ctrl+a key "$keysym"
        sleep 1
        import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$output/$character-$scale.png"
        echo "wrote $output/$character-$scale.png (${WIDTH}x$HEIGHT)"
    done
    stop
done

# The slots (x 146..597, y 170..289 of the window in logical pixels) at each scale, side
# by side, each enlarged without smoothing to the size of the scale-2 picture times two.
for character in "${characters[@]}"; do
    parts=()
    for scale in "${scales[@]}"; do
        geometry=$(awk -v s="$scale" 'BEGIN { printf "%dx%d+%d+%d", 451 * s, 119 * s, 146 * s, 170 * s }')
        convert "$output/$character-$scale.png" -crop "$geometry" +repage \
            -filter point -resize 1804x476\! "$work/$character-$scale-slots.png"
        parts+=("$work/$character-$scale-slots.png")
    done
    convert "${parts[@]}" -append "$output/$character-slots.png"
    echo "wrote $output/$character-slots.png"
done
