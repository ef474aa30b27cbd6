#!/usr/bin/env bash
# SIGTERM (sent at logout and shutdown), SIGHUP and SIGINT save the settings as closing the window
# does and end the program with status 0; a countdown running then is dropped.
source "$(dirname "$0")/desktop.sh" "$1"
start_desktop

for signal in TERM HUP INT; do
    printf '0\r\n1\r\n0\r\n15\r\n2.5\r\nnotes\r\n' >"$settings"
    start_program "$work"
    xdotool windowactivate --sync "$window"
    # The focus starts in the minutes entry; the next control is "Start Minutes".
    xdotool key --clearmodifiers ctrl+a
    xdotool type 42
    xdotool key --clearmodifiers Tab space
    wait_for 5 eval '[[ "$(window_title)" == *"("* ]]' || fail "SIG$signal: no countdown"
    kill -s "$signal" "$program_pid"
    wait_for_exit 10
    [ "$exit_status" -eq 0 ] || fail "SIG$signal: exit status $exit_status"
    expect_settings '0\r\n1\r\n0\r\n42\r\n2.5\r\nnotes\r\n'
done
echo "PASS"
