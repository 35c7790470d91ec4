# shellcheck shell=bash
# Runs Zilvaro's window under virtual X servers (Xvfb), for the scripts that drive or
# photograph it: tests/e2e_test.sh, tests/package_test.sh, scripts/screenshot*.sh.
# Sourced, not run:
#
#   start_xvfb WIDTHxHEIGHT [DISPLAY [XVFB OPTION...]]
#       starts a server (on DISPLAY, else on a free display number of its own) and waits
#       until it answers; sets xvfb_display, xvfb_pid and xvfb_log. Fails, saying why on
#       stderr, when no server answers.
#   start_zilvaro DISPLAY LOG [NAME=VALUE...] PROGRAM [ARGUMENT...]
#       starts the program on that display with a fresh runtime folder of its own, so
#       that a Zilvaro running on the user's desktop (its single-instance lock) does not
#       hold it back; its output goes to LOG. Sets zilvaro_pid and zilvaro_log.
#   find_window PATTERN [PID]
#       waits up to 10 s for a visible window whose name matches (on $DISPLAY) and
#       prints its id; fails at once when the program PID (by default the last one
#       started) has ended.
#   find_main_window
#       find_window for the main window of the program last started, of any version; when
#       it does not appear, writes the program's output (and the server's, if it has
#       ended) to stderr.
#   stop_xvfb [PID...]
#       ends those servers and programs, by default all started here.
#
# At exit, the EXIT trap (xvfb_cleanup) ends all that was started here and removes
# $xvfb_folder: the servers' logs, the runtime folders and whatever else the script keeps
# there. A script with more to clean up sets a trap of its own that calls xvfb_cleanup.

# The main window's name, " Zilvaro <version>", whatever the version.
zilvaro_window='^ Zilvaro [0-9]+(\.[0-9]+)*$'

xvfb_folder=$(mktemp -d)
xvfb_started=()
xvfb_display=
xvfb_pid=
xvfb_log=
zilvaro_pid=
zilvaro_log=

stop_xvfb() {
    local pids=("$@") pid i kept=()
    [ $# -gt 0 ] || pids=("${xvfb_started[@]}")
    # The last started first: the programs before the servers they show on.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    for pid in "${xvfb_started[@]}"; do
        [[ " ${pids[*]} " == *" $pid "* ]] || kept+=("$pid")
    done
    xvfb_started=("${kept[@]}")
}

xvfb_cleanup() {
    stop_xvfb
    rm -rf "$xvfb_folder"
}
trap xvfb_cleanup EXIT

start_xvfb() {
    local size=$1 wanted=${2:-} number first
    shift $(($# < 2 ? $# : 2))
    # A free display number away from the low ones that people and other test runs pick.
    first=$((100 + $$ % 400))
    number=$first
    while :; do
        if [ -n "$wanted" ]; then
            xvfb_display=$wanted
        else
            while [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; do
                number=$((number + 1))
            done
            xvfb_display=:$number
        fi
        xvfb_log="$xvfb_folder/xvfb-${xvfb_display#:}.log"
        # -noreset: the readiness probe is the first client; a server that resets when it
        # leaves refuses the next client for a moment.
        Xvfb "$xvfb_display" -screen 0 "${size}x24" -nolisten tcp -noreset "$@" >"$xvfb_log" 2>&1 &
        xvfb_pid=$!
        xvfb_started+=("$xvfb_pid")
        for _ in $(seq 50); do
            DISPLAY=$xvfb_display xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        if [ -n "$wanted" ] || kill -0 "$xvfb_pid" 2>/dev/null || [ $((number - first)) -ge 20 ]; then
            echo "Xvfb cannot start on $xvfb_display: $(tr '\n' ' ' <"$xvfb_log")" >&2
            stop_xvfb "$xvfb_pid"
            return 1
        fi
        # Another server took the number between the look and the start: the next one.
        stop_xvfb "$xvfb_pid"
        number=$((number + 1))
    done
}

start_zilvaro() {
    local display=$1 log=$2 runtime
    shift 2
    runtime=$(mktemp -d "$xvfb_folder/runtime.XXXXXX") # mode 0700, as a runtime folder must be
    env DISPLAY="$display" XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=xcb "$@" >"$log" 2>&1 &
    zilvaro_pid=$!
    zilvaro_log=$log
    xvfb_started+=("$zilvaro_pid")
}

find_window() {
    local pattern=$1 pid=${2:-$zilvaro_pid} id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

find_main_window() {
    find_window "$zilvaro_window" && return 0
    cat "$zilvaro_log" >&2
    kill -0 "$xvfb_pid" 2>/dev/null || echo "Xvfb has ended: $(tr '\n' ' ' <"$xvfb_log")" >&2
    return 1
}
