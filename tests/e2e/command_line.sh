#!/usr/bin/env bash
# The command line of a desktop program: --help and --version answer on standard output and
# end without a window, whether a display is there or not; other arguments change nothing; with
# no display that answers, a platform that Qt does not have or too few files allowed, one line on
# standard error and exit status 1, not Qt's abort or GLib's trap; an explicit QT_QPA_PLATFORM is
# followed. --start opens the window and starts the countdown its phrase reads as, or says on
# standard error why it started nothing.
# Usage: command_line.sh PROGRAM VERSION
source "$(dirname "$0")/desktop.sh" "$1"
version=${2:?usage: $0 PROGRAM VERSION}

# Runs the program with no display; sets status, out and err.
run_without_display() {
    status=0
    env -u DISPLAY "$@" >"$work/out" 2>"$work/err" || status=$?
    out=$(cat "$work/out")
    err=$(cat "$work/err")
}

run_without_display "$program" --help
[ "$status" -eq 0 ] || fail "--help ends with status $status: $err"
[[ $out == "Usage: hobwatch [--help | --version | --start PHRASE]"* ]] ||
    fail "--help prints '$out'"
[ -z "$err" ] || fail "--help writes to standard error: $err"

run_without_display "$program" --whatever --version --help
[ "$status" -eq 0 ] && [ "$out" = "hobwatch $version" ] && [ -z "$err" ] ||
    fail "--version: status $status, '$out', '$err'"

status=0
"$program" --help >/dev/full 2>/dev/null || status=$?
[ "$status" -eq 1 ] || fail "--help that cannot be written ends with status $status, want 1"

# Fails unless the last run ended with status 1 and one line on standard error holding $2; $1
# names the case.
expect_one_line() {
    [ "$status" -eq 1 ] || fail "$1: exit status $status, want 1"
    [ -z "$out" ] && [ "$(wc -l <"$work/err")" -eq 1 ] ||
        fail "$1: not one line on standard error: '$err' '$out'"
    [[ $err == *"$2"* ]] || fail "$1: the line does not say '$2': $err"
}

# No display at all, a local one without a server, a remote one that does not answer.
for display in "" ":$((RANDOM % 1000 + 2000))" "localhost:$((RANDOM % 1000 + 2000))"; do
    run_without_display DISPLAY="$display" "$program" --frobnicate
    expect_one_line "with DISPLAY='$display'" DISPLAY
done

# A Wayland session without an X server: a compositor that answers (and hangs up at once). The
# line names Qt's Wayland plugin when it is not installed.
/usr/bin/python3 -c 'import socket, sys
listener = socket.socket(socket.AF_UNIX)
listener.bind(sys.argv[1])
listener.listen(5)
while True:
    listener.accept()[0].close()' "$XDG_RUNTIME_DIR/wayland-test" &
background_pids+=($!)
wait_for 5 test -S "$XDG_RUNTIME_DIR/wayland-test" || fail "no Wayland socket"
run_without_display WAYLAND_DISPLAY=wayland-test "$program"
if compgen -G '/usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so' >/dev/null; then
    expect_one_line "Wayland only" "WAYLAND_DISPLAY=wayland-test"
else
    expect_one_line "Wayland only" 'Could not find the Qt platform plugin "wayland"'
    [[ $err == *"(the package qt6-wayland has it)" ]] || fail "Wayland only: no package named: $err"
fi

# Followed: offscreen needs no display. Other arguments never reach Qt, which would fail on these.
QT_QPA_PLATFORM=offscreen env -u DISPLAY "$program" -platform nonexistent --frobnicate \
    >"$work/out" 2>&1 &
program_pid=$!
background_pids+=("$program_pid")
sleep 1
kill -0 "$program_pid" 2>/dev/null || fail "offscreen, with arguments, it ended: $(cat "$work/out")"

start_desktop
# With a display to open: a platform Qt does not have, and too few files to open for the window.
run_without_display DISPLAY="$DISPLAY" QT_QPA_PLATFORM=garbage "$program"
expect_one_line "QT_QPA_PLATFORM=garbage" 'Could not find the Qt platform plugin "garbage"'
run_without_display DISPLAY="$DISPLAY" bash -c 'ulimit -n 8 && exec "$0"' "$program"
expect_one_line "ulimit -n 8" "ulimit -n"

# The entries' colours a little left of their drop-down buttons: the minutes entry sits at 16, 32
# pixels in the window, the hours entry at 192, 32, each 81 by 24.
entry_colours() {
    local x y
    eval "$(xwininfo -id "$window" | awk -F: '/Absolute upper-left X/ {print "x=" $2 + 0}
        /Absolute upper-left Y/ {print "y=" $2 + 0}')"
    # Debian's GTK bindings belong to its own Python, whatever comes first on the PATH.
    echo "$(/usr/bin/python3 "$(dirname "$0")/screen_colour.py" $((x + 72)) $((y + 44))) $(
        /usr/bin/python3 "$(dirname "$0")/screen_colour.py" $((x + 248)) $((y + 44)))"
}
rows=(
    # phrase | caption after the first tick (a pattern) | minutes and hours colours | why not
    # started
    '12|11:5? (00:0?)|00ff00 ffffff|'
    '2 1/4 hours|2:14:5? (0:00:0?)|ffffff 00ff00|'
    'salt|Select Interval|ffffff ffffff|it gives no time to count down'
)
for row in "${rows[@]}"; do
    IFS='|' read -r phrase caption colours error <<<"$row"
    (cd "$work" && exec "$program" --start "$phrase") 2>"$work/err" &
    program_pid=$!
    background_pids+=("$program_pid")
    wait_for 30 find_window || fail "$phrase: the window did not appear"
    # The first tick comes a second after the start; a window that started nothing keeps its
    # caption past it.
    sleep 1.2
    wait_for 5 eval '[[ "$(window_title)" == $caption ]]' ||
        fail "$phrase: caption '$(window_title)', want '$caption'"
    [ "$(entry_colours)" = "$colours" ] || fail "$phrase: entry colours $(entry_colours)"
    close_and_wait_for_exit 10
    [ "$exit_status" -eq 0 ] || fail "$phrase: exit status $exit_status"
    expected_error=${error:+hobwatch: nothing started by --start \"$phrase\": $error}
    [ "$(cat "$work/err")" = "$expected_error" ] ||
        fail "$phrase: standard error '$(cat "$work/err")'"
done

echo "PASS"
