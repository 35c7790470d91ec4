#!/usr/bin/env bash
# Checks ./run.sh without building anything: in a copy of the scripts, with stand-ins for
# the set-up, cmake, xdpyinfo and the program that record how they were called.
#
#   run_script_test.sh <source folder>
set -euo pipefail
source_dir=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A fresh clone as far as run.sh can tell: no build folder, no npm packages.
mkdir -p "$work/clone/scripts" "$work/bin"
cp "$source_dir/run.sh" "$work/clone/"
calls="$work/calls"
cat >"$work/clone/scripts/setup.sh" <<STUB
echo "setup" >>"$calls"
STUB
cat >"$work/bin/cmake" <<STUB
#!/usr/bin/env bash
echo "cmake \$*" >>"$calls"
if [ "\$1" = --build ]; then
    mkdir -p build
    printf '#!/usr/bin/env bash\necho "zilvaro" >>"$calls"\n' >build/zilvaro
    chmod +x build/zilvaro
    # What make prints when every target is up to date, and one step that does work.
    echo "[  5%] Automatic MOC for target zilvaro_core"
    echo "[ 22%] Built target zilvaro_core"
    echo "[ 61%] Building CXX object src/CMakeFiles/zilvaro.dir/main.cpp.o"
    echo "[100%] Built target zilvaro"
fi
STUB
cat >"$work/bin/xdpyinfo" <<STUB
#!/usr/bin/env bash
echo "xdpyinfo \$DISPLAY" >>"$calls"
[ "\$DISPLAY" = :working ]
STUB
chmod +x "$work/bin/cmake" "$work/bin/xdpyinfo"
run() {
    rm -f "$calls"
    (cd "$work/clone" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        PATH="$work/bin:$PATH" "$@" ./run.sh) >"$work/out" 2>&1
}

# No display: the message, a failure, and nothing set up or built.
if run; then fail "run.sh without a display succeeded"; fi
grep -q "Zilvaro needs a graphical display: no DISPLAY or WAYLAND_DISPLAY is set." "$work/out" ||
    fail "run.sh without a display did not say so: $(cat "$work/out")"
[ ! -e "$calls" ] || fail "run.sh without a display went on to: $(tr '\n' ';' <"$calls")"
[ ! -e "$work/clone/build" ] || fail "run.sh without a display made build/"
echo "ok: without a display run.sh stops at once with its message"

# A display that cannot be opened: the same, before any set-up.
if run DISPLAY=:gone; then fail "run.sh with a display it cannot open succeeded"; fi
grep -q "cannot open the display :gone" "$work/out" || fail "no message for :gone: $(cat "$work/out")"
[ "$(cat "$calls")" = "xdpyinfo :gone" ] || fail "run.sh went on to: $(tr '\n' ';' <"$calls")"
echo "ok: with a display it cannot open run.sh stops at once with its message"

# A display: set-up, configure, a build of the program and its data only, then the
# program; the lines for targets merely checked are not shown.
run DISPLAY=:working || fail "run.sh with a display failed: $(cat "$work/out")"
expected="xdpyinfo :working
setup
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2 --target zilvaro character_data
zilvaro"
[ "$(cat "$calls")" = "$expected" ] || fail "run.sh ran: $(cat "$calls")"
[ "$(cat "$work/out")" = "[ 61%] Building CXX object src/CMakeFiles/zilvaro.dir/main.cpp.o" ] ||
    fail "run.sh printed: $(cat "$work/out")"
echo "ok: with a display run.sh builds only the program and its data, and starts it"

# Wayland needs no X display to be checked.
run WAYLAND_DISPLAY=wayland-0 || fail "run.sh under Wayland failed: $(cat "$work/out")"
! grep -q xdpyinfo "$calls" || fail "run.sh probed an X display under Wayland"
echo "PASS"
