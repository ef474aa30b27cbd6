#!/usr/bin/env bash
# Two windows of the program, started from the same folder, each change another entry and close
# one after the other: the file keeps both changes, not only those of the window closed last.
source "$(dirname "$0")/desktop.sh" "$1"
start_desktop

printf '0\r\n1\r\n0\r\n15\r\n2.5\r\nnotes\r\n' >"$settings"
start_program "$work"
first=("$program_pid" "$window")
start_program "$work"
second=("$program_pid" "$window")

# The focus starts in the minutes entry; the hours entry is two steps on.
xdotool windowactivate --sync "${first[1]}"
xdotool key --clearmodifiers ctrl+a
xdotool type 42
xdotool windowactivate --sync "${second[1]}"
xdotool key --clearmodifiers Tab Tab ctrl+a
xdotool type 3.5

for instance in first second; do
    declare -n chosen=$instance
    program_pid=${chosen[0]}
    window=${chosen[1]}
    close_and_wait_for_exit 10
    [ "$exit_status" -eq 0 ] || fail "$instance window: exit status $exit_status"
done
expect_settings '0\r\n1\r\n0\r\n42\r\n3.5\r\nnotes\r\n'
echo "PASS"
