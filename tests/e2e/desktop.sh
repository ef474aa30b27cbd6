# Shared by the end-to-end tests: a private X server with openbox, and a copy of the program in a
# fresh directory of its own (its settings file lives beside it). Source it with the program's
# path as $1. Everything started here is stopped on exit.
set -euo pipefail

program_source=$1
work=$(mktemp -d)
program_dir=$work/program
program=$program_dir/hobwatch
settings=$program_dir/Hobwatch.txt
mkdir -p "$program_dir"
cp "$program_source" "$program"
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"
# No session bus unless a test starts its own: nothing reaches the desktop the tests run from.
unset WAYLAND_DISPLAY QT_QPA_PLATFORM DBUS_SESSION_BUS_ADDRESS

background_pids=()
stop_all() {
    for pid in "${background_pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap stop_all EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Polls `condition` (a command) every 50 ms for up to $1 seconds.
wait_for() {
    local seconds=$1
    shift
    local tries=$((seconds * 20))
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.05
    done
}

# Xvfb on a display number picked at random, tried again on another when it is taken (the lowest
# free number, which Xvfb picks by itself, is often that of a server of another test still
# ending); sets x_server_pid.
start_x_server() {
    local attempt display
    for attempt in 1 2 3 4 5; do
        display=$((RANDOM % 30000 + 1000))
        rm -f "$work/ready"
        # It writes the number to the file once it takes connections.
        Xvfb ":$display" -displayfd 5 -screen 0 1024x768x24 -nolisten tcp \
            5>"$work/ready" 2>"$work/x_server.log" &
        x_server_pid=$!
        background_pids+=("$x_server_pid")
        if wait_for 10 eval 'test -s "$work/ready" || ! kill -0 "$x_server_pid" 2>/dev/null' &&
            kill -0 "$x_server_pid" 2>/dev/null; then
            export DISPLAY=:$display
            return 0
        fi
        kill "$x_server_pid" 2>/dev/null || true
    done
    fail "Xvfb did not start: $(cat "$work/x_server.log")"
}

# Asks the window manager for desktop $1 and tells whether it is the current one.
on_desktop() {
    xdotool set_desktop "$1" 2>/dev/null
    [ "$(xprop -root _NET_CURRENT_DESKTOP 2>/dev/null)" = "_NET_CURRENT_DESKTOP(CARDINAL) = $1" ]
}

# Openbox names itself before it serves requests, and a window mapped in between may stay
# unmapped until openbox next hears from the X server: once it has moved to another desktop and
# back, asked until it did, it serves them.
openbox_serves() {
    wait_for 10 window_manager_running && wait_for 10 on_desktop 1 && wait_for 10 on_desktop 0
}

# An X server with openbox. On a busy machine openbox now and then cannot open a display that
# has just started; the pair is then started anew.
start_desktop() {
    local attempt openbox_pid
    for attempt in 1 2 3; do
        start_x_server
        openbox --sm-disable >"$work/openbox.log" 2>&1 &
        openbox_pid=$!
        background_pids+=("$openbox_pid")
        if openbox_serves; then
            return 0
        fi
        echo "openbox on $DISPLAY did not start: $(cat "$work/openbox.log")" >&2
        kill "$openbox_pid" "$x_server_pid" 2>/dev/null || true
    done
    fail "no X server with openbox"
}

# A private session bus (it starts the accessibility bus and a notification server on demand, as
# a desktop's does); stopped on exit.
start_session_bus() {
    dbus-daemon --session --fork --print-address=1 --print-pid=1 >"$work/bus" ||
        fail "the session bus did not start"
    DBUS_SESSION_BUS_ADDRESS=$(sed -n 1p "$work/bus")
    export DBUS_SESSION_BUS_ADDRESS
    background_pids+=("$(sed -n 2p "$work/bus")")
}

window_manager_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# Starts the program from the directory $1, with the arguments that follow; sets program_pid and
# window. What it writes on standard error shows as usual and is kept in $work/program.stderr as
# well.
start_program() {
    (cd "$1" && exec "$program" "${@:2}" 2> >(tee -a "$work/program.stderr" >&2)) &
    program_pid=$!
    background_pids+=("$program_pid")
    window=""
    wait_for 30 find_window || fail "the window did not appear"
}

find_window() {
    window=$(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | head -n 1)
    [ -n "$window" ]
}

window_title() { xdotool getwindowname "$window"; }

# Waits up to $1 seconds for the program to end; sets exit_status.
wait_for_exit() {
    wait_for "$1" program_ended || fail "the program did not end within $1 s"
    exit_status=0
    wait "$program_pid" || exit_status=$?
}

program_ended() { ! kill -0 "$program_pid" 2>/dev/null || [[ "$(ps -o stat= -p "$program_pid")" == Z* ]]; }

close_window() {
    xdotool windowactivate --sync "$window"
    xdotool key --clearmodifiers alt+F4
}

# Closes the window as a user would and waits up to $1 seconds for the program to end. A key
# pressed while the window manager is still taking the new window in can be lost: ask again.
close_and_wait_for_exit() {
    local attempt
    for attempt in 1 2 3; do
        close_window
        wait_for 2 program_ended && break
        echo "close request $attempt not answered; window title '$(window_title)'" >&2
    done
    wait_for_exit "$1"
}

# Fails unless the settings file holds exactly the bytes printf makes of $1.
expect_settings() {
    printf "$1" >"$work/expected"
    cmp -s "$work/expected" "$settings" || {
        echo "expected:" >&2; od -c "$work/expected" >&2
        echo "found:" >&2; od -c "$settings" >&2 || true
        fail "settings file differs"
    }
}
