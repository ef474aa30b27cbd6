#!/usr/bin/env bash
# With "End 10" ticked, a countdown ends the program on its own ten seconds after the time is
# up, also with the tips box open, and the settings file is written as on a manual close. There
# is no session bus, so the time-up notification has nowhere to go: nothing else changes.
source "$(dirname "$0")/desktop.sh" "$1"
start_desktop

# Blanks around the check values: the rewrite drops them, which shows the file was written.
printf ' 0 \r\n 0 \r\n 1 \r\n0.02\r\n2.5\r\nnotes\r\n' >"$settings"
start_program "$work"
xdotool windowactivate --sync "$window"
# The focus starts in the minutes entry, its text selected, so that a number typed replaces it
# (only a change is saved); the next control is "Start Minutes".
xdotool type 0.03
xdotool key --clearmodifiers Tab space
wait_for 5 eval '[[ "$(window_title)" == *Over ]]' || fail "the time did not run out"
# "Tips" sits at 3720, 1860 twips: 248, 124 pixels at 96 dpi.
xdotool mousemove --window "$window" 256 130 click 1
wait_for 5 eval 'xdotool search --onlyvisible --pid "$program_pid" | grep -qv "^$window$"' ||
    fail "the tips box did not open"
wait_for_exit 20
[ "$exit_status" -eq 0 ] || fail "exit status $exit_status"
expect_settings '0\r\n0\r\n1\r\n0.03\r\n2.5\r\nnotes\r\n'
echo "PASS"
