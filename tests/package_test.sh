#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root (no real installation) and
# checks its layout, then starts the installed program from that root with its program
# folder read-only: it must start, show its window and leave its folder untouched.
#
#   package_test.sh <build folder>
#
# Exits 77 (skipped) while the build folder has no character data yet.
set -euo pipefail

build=$(cd "$1" && pwd)
skip=77
scripts="$(cd "$(dirname "${BASH_SOURCE[0]}")/../scripts" && pwd)"
# The names of the program folder's files, as the build wrote them down.
# shellcheck source=/dev/null
source "$build/generated/program_folder.sh"
# shellcheck source=SCRIPTDIR/../scripts/xvfb.sh
source "$scripts/xvfb.sh"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

if [ ! -f "$build/$record_file" ]; then
    echo "SKIP: $build/$record_file does not exist yet: build the character data first"
    exit $skip
fi
for tool in cpack dpkg-deb; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit $skip; }
done

work=$(mktemp -d)
cleanup() {
    xvfb_cleanup
    chmod -R u+w "$work" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"

# --- Build and unpack the package -------------------------------------------------------
if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/package" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    fail "cpack could not build the package"
fi
debs=("$work"/package/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb: ${debs[*]}"
deb=${debs[0]}
echo "package: $(basename "$deb"), $(du -h "$deb" | cut -f1)"
version=$(dpkg-deb -f "$deb" Version)

control=$(dpkg-deb -f "$deb")
echo "$control" | grep -q '^Package: zilvaro$' || fail "package name is not zilvaro"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for dependency in fonts-arphic-uming fonts-dejavu-core libqt6widgets6 libqt6gui6 libqt6network6 libqt6core6; do
    echo "$depends" | grep -Eq "(^|[ ,])$dependency([ ,(]|$)" || fail "Depends lacks $dependency"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"

# --- Layout -------------------------------------------------------------------------------
folder="$root/usr/lib/zilvaro"
for path in usr/bin/zilvaro usr/bin/zilvaro-query usr/lib/zilvaro/zilvaro; do
    [ -x "$root/$path" ] || fail "$path is missing or not executable"
done
for path in "usr/lib/zilvaro/$record_file" "usr/lib/zilvaro/$root_file" usr/lib/zilvaro/ARPHICPL.TXT \
    usr/lib/zilvaro/LICENCES.txt usr/lib/zilvaro/README.md usr/lib/zilvaro/README.zh-CN.md \
    usr/lib/zilvaro/docs/screenshot.png usr/share/doc/zilvaro/copyright \
    usr/share/applications/zilvaro.desktop usr/share/man/man1/zilvaro-query.1.gz \
    usr/share/metainfo/example.zilvaro.Zilvaro.metainfo.xml; do
    [ -s "$root/$path" ] || fail "$path is missing or empty"
done
for file in "$record_file" "$root_file"; do
    cmp -s "$build/$file" "$folder/$file" || fail "the installed $file differs from the built one"
done
built_pictures=$(find "$build/bmp" -name '*.bmp' | wc -l)
installed_pictures=$(find "$folder/bmp" -name '*.bmp' | wc -l)
[ "$built_pictures" -eq "$installed_pictures" ] ||
    fail "$installed_pictures pictures installed, $built_pictures built"
# Every character has its sharp picture for high-DPI screens in the pack beside bmp/, and
# the pack gives back the very files the build drew.
cmp -s "$build/$sharp_pictures" "$folder/$sharp_pictures" ||
    fail "the installed $sharp_pictures differs from the built one"
"$build/tools/build_data/picture_pack" unpack "$folder/$sharp_pictures" "$work/sharp" >/dev/null ||
    fail "the installed $sharp_pictures cannot be unpacked"
sharp_count=$(find "$work/sharp" -name '*@2x.bmp' | wc -l)
[ "$sharp_count" -eq "$installed_pictures" ] ||
    fail "$sharp_count sharp pictures in $sharp_pictures for $installed_pictures pictures"
[ -z "$(find "$folder/bmp" -name '*@2x.bmp')" ] || fail "sharp pictures installed as files in bmp/"
# shellcheck disable=SC2154 # set in program_folder.sh
for size in $icon_sizes 32; do
    icon="$root/usr/share/icons/hicolor/${size}x${size}/apps/zilvaro.png"
    [ -f "$icon" ] || fail "no icon of size $size"
    if command -v identify >/dev/null; then
        actual=$(identify -format '%wx%h' "$icon")
        [ "$actual" = "${size}x${size}" ] || fail "the ${size}x${size} icon is $actual"
    fi
done
# --- A lean package ----------------------------------------------------------------------
# The programs come without their debugging information (the build's copies keep it).
if command -v readelf >/dev/null; then
    for program in "$folder/zilvaro" "$root/usr/bin/zilvaro-query"; do
        ! readelf -S "$program" | grep -Eq '\.(debug_info|symtab)' ||
            fail "${program#"$root"} carries debugging information or symbols"
    done
fi
# The installed size is declared as dpkg-gencontrol counts it: every file rounded up to
# whole kibibytes, every folder and link one.
declared=$(dpkg-deb -f "$deb" Installed-Size)
counted=$(find "$root" -mindepth 1 \( -type f -printf '%s\n' \) -o \( ! -type f -printf '1024\n' \) |
    awk '{ total += int(($1 + 1023) / 1024) } END { print total }')
[ "$declared" = "$counted" ] ||
    fail "the package declares an installed size of $declared KiB, its files take $counted KiB"
# What it costs a user: at most 8 MB to download and 45 MB on the disk.
deb_bytes=$(stat -c %s "$deb")
disk_kib=$(du -sk "$root" | cut -f1)
[ "$deb_bytes" -le 8000000 ] || fail "the package is $deb_bytes bytes, more than 8 MB"
[ "$disk_kib" -le 43945 ] || fail "the installed files take $disk_kib KiB on the disk, more than 45 MB"
echo "package: $deb_bytes bytes; installed $declared KiB declared, $disk_kib KiB on the disk"

# The program's folder is found from where it lies, never from the build: no build path
# may be compiled or linked in.
if command -v readelf >/dev/null && readelf -d "$folder/zilvaro" | grep -Eq 'R(UN)?PATH'; then
    fail "the installed program carries a run path: $(readelf -d "$folder/zilvaro" | grep -E 'R(UN)?PATH')"
fi
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$root/usr/share/applications/zilvaro.desktop" ||
        fail "the desktop entry does not validate"
fi
if command -v appstreamcli >/dev/null; then
    # With its network checks: every address the metadata names must be real (it names
    # none, so nothing is fetched).
    timeout 120 appstreamcli validate "$root/usr/share/metainfo/example.zilvaro.Zilvaro.metainfo.xml" \
        >"$work/appstream.log" 2>&1 || { cat "$work/appstream.log" >&2; fail "the metainfo does not validate"; }
fi

# The manual page renders without a warning.
if command -v man >/dev/null; then
    manual="$root/usr/share/man/man1/zilvaro-query.1.gz"
    rendered=$(MANWIDTH=80 man --warnings -l "$manual" 2>"$work/man.log") ||
        { cat "$work/man.log" >&2; fail "man cannot render zilvaro-query(1)"; }
    [ ! -s "$work/man.log" ] || { cat "$work/man.log" >&2; fail "zilvaro-query(1) renders with warnings"; }
    echo "$rendered" | grep -q -- '--code CODE' || fail "zilvaro-query(1) does not render its options"
fi

# --- Start the installed program from a read-only folder --------------------------------
snapshot() {
    (cd "$folder" && find . -printf '%p %y %s %T@ %m\n' | LC_ALL=C sort &&
        find . -type f -exec md5sum {} + | LC_ALL=C sort)
}
chmod -R a-w "$folder"
before=$(snapshot)

# Root writes through missing write bits, so as root the program runs as nobody: then the
# folder is truly read-only for it.
runner=()
if [ "$(id -u)" -eq 0 ]; then
    command -v setpriv >/dev/null || fail "running as root and setpriv is missing"
    runner=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    owner=nobody
else
    owner=$(id -un)
fi
# A home and a runtime folder of the test's own: the single-instance lock of a Zilvaro
# running elsewhere must not end this one.
mkdir -m 700 "$work/home" "$work/runtime"
chown "$owner" "$work/home" "$work/runtime"

# Starts the installed launcher with the environment given; leaves its pid in $pid.
start() {
    env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
        LANG=C.UTF-8 "$@" "${runner[@]}" "$root/usr/bin/zilvaro" >"$work/out.log" 2>&1 &
    pid=$!
}
# Fails unless the program is still running; then ends it.
expect_running() {
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid" && status=0 || status=$?
        cat "$work/out.log" >&2
        fail "the installed program ended after start-up (status $status) ($1)"
    fi
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    if grep -q '^zilvaro:' "$work/out.log"; then
        cat "$work/out.log" >&2
        fail "the installed program reported a failure ($1)"
    fi
}

start QT_QPA_PLATFORM=offscreen
sleep 2
expect_running "offscreen"
echo "offscreen: the installed program ran for 2 seconds"

# Under a virtual X server the main window itself must appear (a failure would show a
# message box named only "Zilvaro").
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
    # -ac: the program may run as another user (nobody, above).
    if start_xvfb 1024x768 "" -ac 2>"$work/xvfb-start.log"; then
        start DISPLAY="$xvfb_display" QT_QPA_PLATFORM=xcb
        window=$(DISPLAY=$xvfb_display find_window "$zilvaro_window" "$pid") ||
            { cat "$work/out.log" >&2; fail "the main window did not appear under Xvfb"; }
        title=$(DISPLAY=$xvfb_display xdotool getwindowname "$window")
        [ "$title" = " Zilvaro $version" ] ||
            fail "the window's title is \"$title\", not \" Zilvaro $version\" as the package's version"
        sleep 1
        expect_running "under Xvfb"
        echo "under Xvfb: the main window appeared"
    else
        echo "note: $(cat "$work/xvfb-start.log"); only the offscreen start was checked"
    fi
fi

# The installed zilvaro-query finds the program folder from where it lies, and answers.
answer=$(env -i PATH=/usr/bin:/bin LANG=C.UTF-8 "${runner[@]}" "$root/usr/bin/zilvaro-query" 字) ||
    fail "the installed zilvaro-query failed: $answer"
case "$answer" in
    "字  pbf   pb      宀 p  子 b  识别码 f"*zì) echo "zilvaro-query: $answer" ;;
    *) fail "the installed zilvaro-query answers 字 with: $answer" ;;
esac
status=0
env -i PATH=/usr/bin:/bin LANG=C.UTF-8 "$root/usr/bin/zilvaro-query" --no-such-option \
    >/dev/null 2>&1 || status=$?
[ "$status" -eq 2 ] || fail "zilvaro-query with an unknown option exits $status, not 2"

after=$(snapshot)
if [ "$before" != "$after" ]; then
    diff <(echo "$before") <(echo "$after") >&2 || true
    fail "the program changed its folder"
fi
echo "the program folder is unchanged"
echo "PASS"
