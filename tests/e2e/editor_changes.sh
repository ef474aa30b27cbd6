#!/usr/bin/env bash
# The file is edited while the window is open (more notes, "End 10" ticked), once rewritten in
# place and once replaced as many editors save; the window changes the minutes entry. The close
# keeps the editor's changes and writes the window's.
source "$(dirname "$0")/desktop.sh" "$1"
start_desktop

edited='0\r\n1\r\n1\r\n15\r\n2.5\r\nEggs: 7 min\r\nRice: 20 min\r\n'
for editor in in_place replace; do
    printf '0\r\n1\r\n0\r\n15\r\n2.5\r\nEggs: 7 min\r\n' >"$settings"
    start_program "$work"
    xdotool windowactivate --sync "$window"
    xdotool key --clearmodifiers ctrl+a
    xdotool type 42
    if [ "$editor" = in_place ]; then
        printf "$edited" >"$settings"
    else
        printf "$edited" >"$settings.new"
        mv "$settings.new" "$settings"
    fi
    close_and_wait_for_exit 10
    [ "$exit_status" -eq 0 ] || fail "$editor: exit status $exit_status"
    expect_settings '0\r\n1\r\n1\r\n42\r\n2.5\r\nEggs: 7 min\r\nRice: 20 min\r\n'
done
echo "PASS"
