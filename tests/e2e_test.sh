#!/usr/bin/env bash
# Drives the real program in a real window under a virtual X server, as a person would:
# types into the character input box, picks strokes and a syllable, clicks a candidate,
# opens and closes the About dialog, and checks that l, 1 and I can be told apart. After
# each step it takes a screenshot (kept in <build folder>/e2e/) and checks from its pixels
# what the window shows.
#
#   e2e_test.sh <source folder> <build folder> [program folder]
#
# The program folder (default: the build folder) holds zilvaro and its character data.
# Exits 77 (skipped) when the character data is missing or Xvfb cannot start. With
# ZILVARO_E2E_MADE_UP_DATA=1 the checks that only the real data satisfies are left out,
# so the test can be tried on the test suites' made-up program folder.
set -euo pipefail
# Characters, not bytes, in the texts typed.
export LC_ALL=C.UTF-8

source_dir=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
program_dir=$(cd "${3:-$build}" && pwd)
made_up=${ZILVARO_E2E_MADE_UP_DATA:-0}
skip=77
shots="$build/e2e"

skip_test() {
    echo "SKIP: $*"
    exit $skip
}
fail() {
    echo "FAIL: $*" >&2
    echo "screenshots: $shots" >&2
    exit 1
}

# The names of the program folder's files, as the build wrote them down.
# shellcheck source=/dev/null
source "$build/generated/program_folder.sh"
# shellcheck source=SCRIPTDIR/../scripts/xvfb.sh
source "$source_dir/scripts/xvfb.sh"
[ -f "$program_dir/$record_file" ] ||
    skip_test "$program_dir/$record_file does not exist yet: build the character data first"
[ -x "$program_dir/zilvaro" ] || fail "$program_dir/zilvaro is missing"
for tool in Xvfb xdotool xwininfo xmodmap import convert compare; do
    command -v "$tool" >/dev/null || skip_test "$tool is not installed"
done
# The version the window's title must show: the one configured into the build.
version_header="$build/generated/zilvaro_version.h"
version=$(sed -n 's/^#define ZILVARO_VERSION "\(.*\)"$/\1/p' "$version_header" 2>/dev/null) || true
[ -n "$version" ] || fail "$version_header names no ZILVARO_VERSION: configure the build first"

work=$xvfb_folder
rm -rf "$shots"
mkdir -p "$shots"

# --- The X server and the program ---------------------------------------------------------
start_xvfb 1024x768 "${ZILVARO_E2E_DISPLAY:-}" 2>"$work/xvfb-start.log" ||
    skip_test "$(cat "$work/xvfb-start.log")"
display=$xvfb_display
export DISPLAY=$display
echo "Xvfb on display $display"
start_zilvaro "$display" "$shots/program.log" "$program_dir/zilvaro"
program_pid=$zilvaro_pid

# Sets X, Y, WIDTH, HEIGHT of a window.
geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
}

main=$(find_main_window) || fail "the main window did not appear"
title=$(xdotool getwindowname "$main")
[ "$title" = " Zilvaro $version" ] || fail "the window's title is \"$title\", not \" Zilvaro $version\""
geometry "$main"
wx=$X wy=$Y
[ "$WIDTH" -eq 614 ] && [ "$HEIGHT" -eq 339 ] || fail "the window is ${WIDTH}x$HEIGHT, not 614x339"
eval "$(xdotool getdisplaygeometry --shell)"
for pair in "$wx $(((WIDTH - 614) / 2))" "$wy $(((HEIGHT - 339) / 2))"; do
    set -- $pair
    [ $(($1 - $2)) -ge -1 ] && [ $(($1 - $2)) -le 1 ] || fail "the window is not centred: at ($wx, $wy)"
done

# --- Input and screenshots ----------------------------------------------------------------
# Clicks at a point of the main window's client area.
click() {
    xdotool mousemove "$((wx + $1))" "$((wy + $2))" click 1
}
# Types text as key presses. A character that the keyboard map lacks is first given a
# spare key of its own, and the program is left time to learn the new map: xdotool's own
# remapping races with the program reading the map, and then the key types nothing.
spare_key=$(xmodmap -pke | awk 'NF == 3 { key = $2 } END { print key }')
[ -n "$spare_key" ] || fail "the keyboard map has no spare key"
type_text() {
    local text=$1 character keysym
    while [ -n "$text" ]; do
        character=${text:0:1}
        text=${text:1}
        keysym=$(printf 'U%04X' "'$character")
        if [ "$(printf '%d' "'$character")" -lt 128 ]; then
            xdotool type "$character"
        else
            xmodmap -e "keycode $spare_key = $keysym"
            sleep 0.5
            xdotool key "$keysym"
        fi
        sleep 0.1
    done
}
# Screenshot of the main window's client area into $shots/<name>.png; sets $shot.
take() {
    import -window root -crop "614x339+$wx+$wy" +repage "$shots/$1.png"
    shot="$shots/$1.png"
}
# Number of pixels of a region (x y w h) of an image that satisfy an awk condition on r,
# g and b (0..255).
count() {
    convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 txt:- |
        awk -F'[(),]' 'NR > 1 { r = $3; g = $4; b = $5; if ('"$6"') n++ } END { print n + 0 }'
}
black() { count "$1" "$2" "$3" "$4" "$5" 'r < 64 && g < 64 && b < 64'; }
blue() { count "$1" "$2" "$3" "$4" "$5" 'b > 160 && r < 96 && g < 96'; }
# Number of pixels in which two pictures differ.
pixels_apart() {
    local n
    n=$(compare -metric AE "$1" "$2" null: 2>&1 >/dev/null) || true
    case $n in
    '' | *[!0-9.e+]*) fail "cannot compare $1 with $2: $n" ;;
    esac
    printf '%.0f\n' "$n"
}
# Number of pixels in which a region (x y w h) of two images differs.
differ() {
    local geometry="$4x$5+$2+$3"
    convert "$1" -crop "$geometry" +repage -alpha off "$work/a.png"
    convert "$6" -crop "$geometry" +repage -alpha off "$work/b.png"
    pixels_apart "$work/a.png" "$work/b.png"
}
# Number of pixels in which a region of an image differs from a picture placed at x y.
differ_picture() {
    local size
    size=$(identify -format '%wx%h' "$4")
    convert "$1" -crop "$size+$2+$3" +repage -alpha off "$work/a.png"
    convert "$4" -alpha off "$work/b.png"
    pixels_apart "$work/a.png" "$work/b.png"
}

# Regions of the client area, x y w h.
slot_x=(148 259 371 483)
slot() { echo "${slot_x[$1]} 174 112 113"; }
code_line="210 291 170 22"   # Label10 and its white copy, from its left edge
pinyin_line="442 291 155 22" # Label24 and its white copy, up to the frame's edge
strip="148 68 430 99"        # inside Text6, without its border and scroll bar
no_entry="180 200"           # Picture2's picture at the box's top-left corner

# Takes screenshots until the condition (a command run on $shot) holds, for up to ten
# seconds: the window draws asynchronously. The last screenshot stays as $name.png.
expect() {
    local name=$1 what=$2
    shift 2
    for _ in $(seq 40); do
        take "$name"
        if "$@"; then
            echo "ok: $what"
            return 0
        fi
        sleep 0.25
    done
    fail "$what (screenshot $name.png)"
}
at_least() { [ "$1" -ge "$2" ]; }
slots_black() { # minimum black pixels for slots 0..3, each; -1 asks for a white slot
    local i=0 need n
    for need in "$@"; do
        n=$(black "$shot" $(slot $i))
        if [ "$need" -lt 0 ]; then
            [ "$n" -eq 0 ] || return 1
        else
            [ "$n" -ge "$need" ] || return 1
        fi
        i=$((i + 1))
    done
}
lines_shown() { # code line and pinyin line both blue
    at_least "$(blue "$shot" $code_line)" 20 && at_least "$(blue "$shot" $pinyin_line)" 20
}
notice_shown() { [ "$(differ_picture "$shot" $no_entry "$source_dir/assets/no_entry.bmp")" -le 10 ]; }
changed_from() { # region x y w h, then the earlier screenshot
    [ "$(differ "$shot" "$1" "$2" "$3" "$4" "$5")" -gt 20 ]
}

# --- 1. The first display -----------------------------------------------------------------
first_display() {
    slots_black -1 -1 -1 -1 && [ "$(blue "$shot" 148 174 447 113)" -eq 0 ] &&
        [ "$(blue "$shot" $code_line)" -eq 0 ] && [ "$(blue "$shot" $pinyin_line)" -eq 0 ] &&
        [ "$(black "$shot" $strip)" -eq 0 ] && ! notice_shown &&
        # Where no control lies the background picture shows as it is drawn: the top bar
        # right of the hint, and the left panel's outline beside the syllable list.
        [ "$(differ "$shot" 400 0 214 36 "$source_dir/assets/background.bmp")" -eq 0 ] &&
        [ "$(differ "$shot" 8 40 4 280 "$source_dir/assets/background.bmp")" -eq 0 ]
}
expect 01-start "first display: empty slots, code line, pinyin line and strip" first_display

# --- 1a. The keyboard ---------------------------------------------------------------------
# A window manager gives a new window the keyboard focus; Xvfb has none, so the test does
# it. Within the window the focus is in the input box: typing looks a character up at
# once, without a click.
xdotool windowfocus --sync "$main"
type_text 字
looked_up() { slots_black 300 300 0 0 && lines_shown; }
expect 01a-typed-at-start "typing right after start looks 字 up" looked_up

# Tab goes from the input box through every visible control, in the order of the layout,
# and back to the input box. Each stop shows its focus mark, so the control's pixels change
# as the focus arrives.
tab_stops=(
    "20 46 97 20 the syllable field"
    "20 68 97 250 the syllable list"
    "254 44 57 20 stroke picker 1"
    "315 44 57 20 stroke picker 2"
    "376 44 57 20 stroke picker 3"
    "437 44 57 20 stroke picker 4"
    "498 44 57 20 stroke picker 5"
    "568 43 29 20 the help button ?"
    "146 66 449 103 the result strip"
    "12 6 45 21 the About button"
    "68 7 199 20 the input box"
)
take 01b-tab-00
previous=$shot
stop=0
for entry in "${tab_stops[@]}"; do
    set -- $entry
    region="$1 $2 $3 $4"
    shift 4
    stop=$((stop + 1))
    xdotool key Tab
    focused() { changed_from $region "$previous"; }
    expect "01b-tab-$(printf %02d $stop)" "Tab $stop reaches $*" focused
    previous=$shot
done
# Back in the input box: typing replaces its text and looks up again.
xdotool key ctrl+a
type_text a
latin_typed() { notice_shown && [ "$(blue "$shot" $pinyin_line)" -eq 0 ]; }
expect 01c-typed-after-tab "after a round of Tab, typing goes into the input box" latin_typed

# Up and Down in the syllable field move through the list each time, and the focus stays
# in the field. The row chosen is drawn in the highlight colour; rows are 14 pixels high.
highlight_top() {
    convert "$shot" -crop 70x250+24+68 +repage -depth 8 txt:- |
        awk -F'[(),: ]+' 'NR > 1 { if ($5 > 150 && $3 < 100 && $4 > 100 && $4 < 180) n[$2]++ }
            END { for (y = 0; y < 250; y++) if (n[y] > 30) { print y; exit } print -1 }'
}
click 60 56
type_text an
strip_filled() { at_least "$(black "$shot" $strip)" 8; }
typed_an() { [ "$(highlight_top)" -ge 0 ] && strip_filled && lines_shown; }
expect 01d-typed-an "typing an into the syllable field lists its characters" typed_an
rows_moved=$(highlight_top)
for down in 1 2; do
    before_down=$shot
    xdotool key Down
    moved() {
        [ "$(highlight_top)" -eq $((rows_moved + 14)) ] && changed_from $strip "$before_down" &&
            changed_from $pinyin_line "$before_down" && strip_filled
    }
    expect "01d-down-$down" "Down $down in the syllable field moves the list one row and lists its syllable" moved
    rows_moved=$((rows_moved + 14))
done
# The list back at its top for the steps below, which click its third row.
xdotool key ctrl+a
type_text a
at_top() { [ "$(highlight_top)" -ge 0 ] && [ "$(highlight_top)" -le 2 ] && strip_filled; }
expect 01e-syllable-a "typing a brings the list back to its first row" at_top
# And the input box empty again, with the focus.
click 168 17
xdotool key ctrl+a BackSpace

# --- 2. Typing 字 into the character input box -------------------------------------------
click 168 17
type_text 字
if [ "$made_up" = 1 ]; then
    typed_zi() { slots_black 300 300 0 0 && lines_shown; }
else
    # 字 is pbf: its two roots drawn black, the identification code f, no fourth root.
    typed_zi() { slots_black 300 300 100 -1 && lines_shown; }
fi
expect 02-typed-zi "typing 字 shows its roots, codes and pinyin" typed_zi
after_zi=$shot
# Each slot that shows something carries its key letter, small and blue, in a corner
# that covers no stroke; the empty fourth slot carries none. For 字 the first slot's
# letter is P and the second's B, which has more ink than P in the same square.
letter_ink() { blue "$shot" $((slot_x[$1] + 96)) $((174 + 97)) 15 15; }
if [ "$made_up" = 1 ]; then
    slot_letters() { at_least "$(letter_ink 0)" 10 && at_least "$(letter_ink 1)" 10; }
else
    slot_letters() {
        at_least "$(letter_ink 0)" 10 && at_least "$(letter_ink 1)" "$(($(letter_ink 0) + 5))" &&
            at_least "$(blue "$shot" $(slot 2))" 10 && [ "$(blue "$shot" $(slot 3))" -eq 0 ]
    }
fi
expect 02-slot-letters "the slots of 字 show their key letters P, B and F" slot_letters

# --- 3. A Latin letter --------------------------------------------------------------------
xdotool key ctrl+a
type_text a
latin() { notice_shown && [ "$(blue "$shot" $pinyin_line)" -eq 0 ]; }
expect 03-latin-letter "a Latin letter shows the no-entry notice and empties the pinyin line" latin
after_latin=$shot

# --- 4. Stroke pickers: 一, 一, 一, 丨 ------------------------------------------------------
# Geometry WxH+X+Y of the open list of a picker: a mapped top-level window of the
# program, as wide as the picker, other than the main window.
open_list() {
    local id geometry
    for id in $(xwininfo -root -children | awk '/"zilvaro": \("zilvaro"/ { print $1 }'); do
        xwininfo -id "$id" | grep -q 'Map State: IsViewable' || continue
        geometry=$(xwininfo -id "$id" -shape 2>/dev/null | awk '/-geometry/ { print $2 }')
        case $geometry in 57x*) echo "$geometry"; return 0 ;; esac
    done
    return 1
}
# Opens picker n (1..5) with a click on its arrow and clicks the middle of row r (from 0)
# of its list: five strokes, and in pickers 2 to 5 a blank after them.
pick_stroke() {
    local n=$1 row=$2 geometry lx ly height rows=6
    click $((254 + 61 * (n - 1) + 48)) 54
    for _ in $(seq 40); do
        geometry=$(open_list) && break
        sleep 0.1
    done
    [ -n "$geometry" ] || fail "the list of stroke picker $n did not open"
    import -window root "$shots/picker-$n-open.png"
    [ "$n" -eq 1 ] && rows=5
    height=${geometry#*x}; height=${height%%+*}
    lx=${geometry#*+}; ly=${lx#*+}; lx=${lx%+*}
    xdotool mousemove $((lx + 28)) $((ly + height * (2 * row + 1) / (2 * rows))) click 1
}
# Candidates in the strip and the first one looked up. A lookup that follows a finder runs
# only when the strip holds a candidate, and every step here looks up a character with
# another code, so the code line tells that the strip changed; its pixels alone could not
# tell a thin 一 from the caret.
strip_and_lookup() {
    ! notice_shown && at_least "$(black "$shot" $strip)" 8 && slots_black 300 300 0 0 && lines_shown
}
previous=$after_latin
step=4
for pick in "1 0 一" "2 0 二" "3 0 三" "4 1 丰"; do
    set -- $pick
    pick_stroke "$1" "$2"
    picked() { strip_and_lookup && changed_from $code_line "$previous"; }
    expect "0$step-stroke-$1" "stroke picker $1 lists the candidates ($3 first) and looks up the first" picked
    previous=$shot
    step=$((step + 1))
done

# --- 5. A syllable from the always-open list ---------------------------------------------
after_strokes=$shot
# The list starts below the edit field, 14 pixels a row; its third row, "an", lies
# between y = 97 and 110.
click 60 103
syllable() {
    changed_from $strip "$after_strokes" && changed_from $pinyin_line "$after_strokes" &&
        at_least "$(black "$shot" $strip)" 100 && strip_and_lookup
}
expect 08-syllable "picking a syllable lists its characters and shows it in the pinyin line" syllable
after_syllable=$shot

# --- 6. The second character of the result strip -----------------------------------------
# Each character of the strip is 16 pixels wide and followed by an 8-pixel blank.
click 181 78
second() { changed_from $code_line "$after_syllable" && strip_and_lookup; }
expect 09-second-candidate "clicking the second candidate looks it up" second
after_second=$shot

# --- 7. The About dialog ------------------------------------------------------------------
click 34 16
about=$(find_window '^ 关于$') || fail "the About dialog did not open"
geometry "$about"
[ "$WIDTH" -eq 399 ] && [ "$HEIGHT" -eq 279 ] || fail "the About dialog is ${WIDTH}x$HEIGHT, not 399x279"
ax=$X ay=$Y
centre_dx=$((ax + 399 / 2 - wx - 614 / 2))
centre_dy=$((ay + 279 / 2 - wy - 339 / 2))
# Without a window manager Qt still leaves room for a frame and title bar it guesses
# (up to 10 and 40 pixels), so the centres agree within that.
[ "${centre_dx#-}" -le 11 ] && [ "${centre_dy#-}" -le 41 ] || fail "the About dialog at ($ax, $ay) is not centred over the window at ($wx, $wy)"
banner() {
    import -window root -crop "399x279+$ax+$ay" +repage "$shots/10-about.png"
    # The banner is 407 pixels wide: its right edge is cut off by the dialog.
    convert "$source_dir/assets/banner.png" -crop 399x71+0+0 +repage -alpha off "$work/banner.png"
    [ "$(differ_picture "$shots/10-about.png" 0 0 "$work/banner.png")" -le 10 ]
}
for _ in $(seq 40); do banner && break; sleep 0.25; done
banner || fail "the About dialog does not show its banner (screenshot 10-about.png)"
echo "ok: the About dialog opens centred over the window with its banner"

# While the dialog is open the main window takes no clicks: this one, on the first
# candidate, would look it up.
click 157 78
# 确   定 at (160, 244), 91 x 23, in the dialog.
xdotool mousemove "$((ax + 205))" "$((ay + 255))" click 1
for _ in $(seq 40); do
    xdotool search --onlyvisible --name '^ 关于$' >/dev/null 2>&1 || break
    sleep 0.25
done
! xdotool search --onlyvisible --name '^ 关于$' >/dev/null 2>&1 || fail "the About dialog did not close"
# The slots and both lines stay as they were; in the strip only the caret may go, since
# the focus returns to the character input box.
unchanged() {
    [ "$(differ "$shot" 146 170 451 149 "$after_second")" -eq 0 ] &&
        [ "$(differ "$shot" $strip "$after_second")" -le 20 ]
}
expect 11-about-closed "closing the About dialog leaves the window as it was" unchanged

# After the dialog the focus is in the character input box: typing looks up at once.
xdotool key ctrl+a
type_text 字
typed_again() { typed_zi && [ "$(differ "$shot" 146 170 451 149 "$after_zi")" -eq 0 ]; }
expect 12-typed-after-about "typing after the About dialog goes into the input box" typed_again

# --- 8. Latin letters that can be told apart ---------------------------------------------
# Runs of columns (x0 x1, from the region's left edge) of the glyphs in a region x y w h
# of an image, a column belonging to a glyph when one of its pixels satisfies the awk
# condition on r, g and b. A run one pixel wide is the caret, not a glyph.
glyph_columns() {
    convert "$1" -crop "$4x$5+$2+$3" +repage -depth 8 txt:- |
        awk -F'[(),: ]+' -v w="$4" 'NR > 1 { r = $3; g = $4; b = $5; if ('"$6"') ink[$1] = 1 }
            END { x0 = -1
                  for (x = 0; x <= w; x++) {
                      if (x < w && ink[x]) { if (x0 < 0) x0 = x }
                      else if (x0 >= 0) { if (x - 1 > x0) print x0, x - 1; x0 = -1 } } }'
}
# The glyph in columns x0..x1 of a region x y w h, trimmed to its ink, into a file.
glyph_picture() {
    convert "$1" -crop "$(($7 - $6 + 1))x$5+$(($2 + $6))+$3" +repage -alpha off \
        -fuzz 10% -trim +repage "$8"
}
# Whether two glyph pictures differ: in size, or in more than two pixels.
glyphs_differ() {
    [ "$(identify -format '%wx%h' "$1")" != "$(identify -format '%wx%h' "$2")" ] ||
        [ "$(compare -metric AE -fuzz 25% "$1" "$2" null: 2>&1 >/dev/null | cut -d' ' -f1)" -gt 2 ]
}
# Whether the glyph in columns x0..x1 of a region x y w h has the flag of a 1: a row in
# the upper half of its ink wider than its top row. The top serif of an l is the widest
# row there.
has_flag() {
    convert "$1" -crop "$(($7 - $6 + 1))x$5+$(($2 + $6))+$3" +repage -depth 8 txt:- |
        awk -F'[(),: ]+' 'NR > 1 { r = $3; g = $4; b = $5; if ('"$8"') n[$2]++ }
            END { top = -1; bottom = -1
                  for (y = 0; y < 1000; y++) if (n[y] > 0) { if (top < 0) top = y; bottom = y }
                  if (top < 0) exit 1
                  for (y = top + 1; y <= top + (bottom - top) / 2; y++) if (n[y] > n[top]) exit 0
                  exit 1 }'
}
dark='r < 128 && g < 128 && b < 128'
strong_blue='b > 160 && r < 96 && g < 96'
input_box="70 9 195 16" # inside Text5, without its border

click 168 17
xdotool key ctrl+a
type_text l1I
three_glyphs() {
    local columns
    columns=$(glyph_columns "$shot" $input_box "$dark")
    [ "$(echo "$columns" | grep -c .)" -eq 3 ] || return 1
    set -- $columns
    glyph_picture "$shot" $input_box "$1" "$2" "$work/l.png"
    glyph_picture "$shot" $input_box "$3" "$4" "$work/1.png"
    glyph_picture "$shot" $input_box "$5" "$6" "$work/I.png"
    glyphs_differ "$work/l.png" "$work/1.png" && glyphs_differ "$work/l.png" "$work/I.png" &&
        glyphs_differ "$work/1.png" "$work/I.png"
}
expect 13-l1I "l1I typed into the input box shows three different glyphs" three_glyphs

xdotool key ctrl+a
type_text 一
# 一 is g ggl ggll: the last two glyphs of the code line are l, each without a 1's flag.
code_ggll() {
    local columns
    lines_shown || return 1
    columns=$(glyph_columns "$shot" $code_line "$strong_blue" | tail -2)
    [ "$(echo "$columns" | grep -c .)" -eq 2 ] || return 1
    set -- $columns
    ! has_flag "$shot" $code_line "$1" "$2" "$strong_blue" &&
        ! has_flag "$shot" $code_line "$3" "$4" "$strong_blue"
}
expect 14-code-ggll "the code line of 一 ends in two l, not in two 1" code_ggll

# --- What a learner reads: codes that type the character, every reading with its tone ----
# Groups of glyph runs (x0 x1) of a region x y w h, a gap wider than six pixels (the two
# blanks between readings or codes) starting a new group: prints each group's x0 x1.
glyph_groups() {
    glyph_columns "$@" | awk 'NR == 1 { x0 = $1 } NR > 1 && $1 - x1 > 6 { print x0, x1; x0 = $1 }
        { x1 = $2 } END { if (NR) print x0, x1 }'
}
click 168 17
xdotool key ctrl+a
type_text 父
# 父 is typed wqu alone: its root keys wq, which type 你, are no code of it.
code_wqu() {
    lines_shown && [ "$(glyph_groups "$shot" $code_line "$strong_blue" | grep -c .)" -eq 1 ] &&
        [ "$(glyph_columns "$shot" $code_line "$strong_blue" | grep -c .)" -eq 3 ]
}
expect 15-code-wqu "the code line of 父 shows wqu alone" code_wqu

xdotool key ctrl+a
type_text 行
# 行 reads xíng  háng  héng: three readings, and in the second and third a mark above the
# vowel, which stands apart from the h's stem above the other letters' tops.
marks_above() { # x y w h of one reading: runs of columns inked above the letters' tops
    convert "$shot" -crop "$3x$4+$1+$2" +repage -depth 8 txt:- |
        awk -F'[(),: ]+' 'NR > 1 { r = $3; g = $4; b = $5
                if ('"$strong_blue"' && (!($1 in top) || $2 < top[$1])) top[$1] = $2 }
            END { n = 0; w = 0
                  for (x in top) { tops[++n] = top[x]; if (x + 1 > w) w = x + 1 }
                  # the letters tops: the median top row of the inked columns
                  for (i = 2; i <= n; i++) for (j = i; j > 1 && tops[j - 1] > tops[j]; j--) {
                      t = tops[j]; tops[j] = tops[j - 1]; tops[j - 1] = t }
                  middle = tops[int((n + 1) / 2)]
                  runs = 0; inside = 0
                  for (x = 0; x < w; x++) { up = (x in top) && top[x] < middle - 2
                      if (up && !inside) runs++; inside = up }
                  print runs }'
}
three_readings() {
    local groups
    lines_shown || return 1
    groups=$(glyph_groups "$shot" $pinyin_line "$strong_blue")
    [ "$(echo "$groups" | grep -c .)" -eq 3 ] || return 1
    set -- $groups
    # háng and héng: the h's stem and the tone mark
    [ "$(marks_above $((442 + $3)) 291 $(($4 - $3 + 1)) 22)" -eq 2 ] &&
        [ "$(marks_above $((442 + $5)) 291 $(($6 - $5 + 1)) 22)" -eq 2 ]
}
expect 16-readings-xing "the pinyin line of 行 shows three readings with tone marks" three_readings

# A syllable typed into the syllable field lists every character with that reading, also
# where it is a second one: di lists 地 (read de as well) as its 14th character, chang
# 长 (read zhang as well) as its 6th. Clicking it there shows what typing it shows.
listed_after_syllable() { # character, syllable, its place in the strip from 0, screenshot
    local character=$1 syllable=$2 place=$3 name=$4 typed
    click 168 17
    xdotool key ctrl+a
    type_text "$character"
    expect "$name-typed" "typing $character looks it up" lines_shown
    typed=$shot
    click 60 56
    xdotool key ctrl+a
    type_text "$syllable"
    listed() { changed_from $strip "$typed" && strip_and_lookup; }
    expect "$name-$syllable" "\"$syllable\" lists its characters" listed
    click $((157 + 24 * place)) 78
    same_as_typed() {
        [ "$(differ "$shot" 146 170 451 118 "$typed")" -eq 0 ] &&
            [ "$(differ "$shot" $code_line "$typed")" -eq 0 ]
    }
    expect "$name-$syllable-clicked" "\"$syllable\" lists $character" same_as_typed
}
listed_after_syllable 地 di 13 17
listed_after_syllable 长 chang 5 18

kill -0 "$program_pid" 2>/dev/null || fail "the program ended during the test"

# --- 9. High-DPI screen: scale factor 2 ---------------------------------------------------
# A second X server with room for the window at twice its size, and the program started
# there with QT_SCALE_FACTOR=2 (and a runtime folder of its own, so the first instance
# does not hold it back). Slot 0 of 字 must show its sharp picture from the pack, at its
# own device pixels: its root (宀) black, and its outline one device pixel on each side of
# an edge, not the two of the 108 x 109 picture doubled.
high_dpi() {
    local sharp="$work/sharp/字@2x.bmp" display2
    "$build/tools/build_data/picture_pack" unpack "$program_dir/$sharp_pictures" "$work/sharp" 字 \
        >/dev/null || fail "the sharp picture of 字 is not in $program_dir/$sharp_pictures"
    start_xvfb 1600x1000 || fail "no second X server for scale 2"
    display2=$xvfb_display
    start_zilvaro "$display2" "$shots/program-scale-2.log" QT_SCALE_FACTOR=2 "$program_dir/zilvaro"
    local result=0
    (
        set -e
        export DISPLAY=$display2
        main2=$(find_main_window) || fail "the window did not appear at scale 2"
        geometry "$main2"
        [ "$WIDTH" -eq 1228 ] && [ "$HEIGHT" -eq 678 ] ||
            fail "at scale 2 the window is ${WIDTH}x$HEIGHT, not 1228x678"
        spare_key=$(xmodmap -pke | awk 'NF == 3 { key = $2 } END { print key }')
        xdotool mousemove $((X + 336)) $((Y + 34)) click 1
        type_text 字
        # Slot 0 at (148, 174) in logical pixels; its picture's 216 x 218 device pixels.
        sharp_slot() {
            import -window root -crop "216x218+$((X + 296))+$((Y + 348))" +repage \
                "$shots/13-scale-2-slot-0.png"
            convert "$shots/13-scale-2-slot-0.png" -colorspace gray -threshold 50% "$work/shown.png"
            convert "$sharp" -colorspace gray -threshold 50% "$work/sharp.png"
            # Per pixel: shown black, picture black. Top: rows above 100 (宀), the rest 子.
            # The key letter's square in the bottom-right corner (from logical pixel
            # (96, 97) on) is left out: the letter is drawn over the picture.
            paste <(convert "$work/shown.png" -depth 8 txt:- | tail -n +2) \
                <(convert "$work/sharp.png" -depth 8 txt:- | tail -n +2) |
                awk -F'\t' '{
                        split($1, at, /[,:]/)
                        if (at[1] + 0 >= 192 && at[2] + 0 >= 194) next
                        y = at[2] + 0
                        shown = $1 ~ /#000000/
                        drawn = $2 ~ /#000000/
                    }
                    y < 100 && shown && !drawn { filled++ }
                    drawn && !shown { lost++ }
                    y >= 100 && shown != drawn { off++ }
                    END { printf "%d %d %d\n", filled + 0, lost + 0, off + 0 }' >"$work/counts"
            read -r filled lost off <"$work/counts"
            [ "$filled" -ge 1000 ] && [ "$lost" -eq 0 ] && [ "$off" -eq 0 ]
        }
        what="at scale 2 slot 0 of 字 shows the sharp picture: 宀 black, outline one device pixel"
        shown_ok=0
        for _ in $(seq 40); do
            if sharp_slot; then
                shown_ok=1
                break
            fi
            sleep 0.25
        done
        [ "$shown_ok" = 1 ] ||
            fail "$what: $filled pixels of the root filled, $lost of the outline lost, $off off (13-scale-2-slot-0.png)"
        echo "ok: $what"
        # The check tells the two pictures apart: the doubled 108 x 109 picture differs
        # from the sharp one in hundreds of pixels of 子.
        convert "$program_dir/bmp/字.bmp" -filter point -resize 200% -colorspace gray \
            -threshold 50% -crop 216x118+0+100 +repage "$work/doubled.png"
        convert "$work/sharp.png" -crop 216x118+0+100 +repage "$work/sharp-lower.png"
        [ "$(pixels_apart "$work/doubled.png" "$work/sharp-lower.png")" -gt 200 ] ||
            fail "the doubled picture and the sharp one are too much alike to tell apart"
    ) || result=$?
    stop_xvfb "$zilvaro_pid" "$xvfb_pid"
    return "$result"
}
if [ "$made_up" = 1 ]; then
    echo "skipped: scale 2 (the made-up data has no sharp pictures)"
else
    high_dpi
fi

echo "PASS: screenshots in $shots"
