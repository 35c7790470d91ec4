#!/usr/bin/env bash
# Screenshots of the window after looking up 字, 瓣 and 嚷 at the scale factors 1, 1.5
# and 2 (QT_SCALE_FACTOR), each under a virtual X server of its own, to compare how the
# decomposition pictures look on high-DPI screens. Needs a build with the character data
# (build/zilvaro and its data beside it).
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

source scripts/xvfb.sh

[ -x "$program_dir/zilvaro" ] || { echo "$program_dir/zilvaro is missing: build first" >&2; exit 1; }
for tool in Xvfb xdotool xmodmap import convert; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done
mkdir -p "$output"
work=$xvfb_folder

for scale in "${scales[@]}"; do
    start_xvfb 1600x1000 || exit 1
    export DISPLAY=$xvfb_display
    start_zilvaro "$DISPLAY" "$work/program.log" QT_SCALE_FACTOR="$scale" "$program_dir/zilvaro"
    window=$(find_main_window) || { echo "the window did not appear at scale $scale" >&2; exit 1; }
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
    stop_xvfb
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
