#!/usr/bin/env bash
# Typing reaches the file while the window is open, so a session that ends without a close keeps
# it: the program is killed with SIGKILL, then its X connection is broken (as xkill does) with
# typing made a few seconds before each, and each time the file holds the typing, whole.
source "$(dirname "$0")/desktop.sh" "$1"
start_desktop

# The focus starts in the minutes entry; the notes are four controls on.
type_at_the_end_of_the_notes() {
    xdotool windowactivate --sync "$window"
    xdotool key --clearmodifiers Tab Tab Tab Tab ctrl+End
    xdotool type --delay 20 "$1"
}

printf '0\r\n1\r\n0\r\n15\r\n2.5\r\nEggs\r\n' >"$settings"
start_program "$work"
type_at_the_end_of_the_notes " 7 min"
sleep 3
kill -s KILL "$program_pid"
wait_for_exit 10
expect_settings '0\r\n1\r\n0\r\n15\r\n2.5\r\nEggs 7 min\r\n'

start_program "$work"
type_at_the_end_of_the_notes ", rice 20"
sleep 3
xdotool windowkill "$window"
wait_for_exit 10
expect_settings '0\r\n1\r\n0\r\n15\r\n2.5\r\nEggs 7 min, rice 20\r\n'
echo "PASS"
