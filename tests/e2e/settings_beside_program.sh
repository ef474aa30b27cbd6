#!/usr/bin/env bash
# Started from another directory, the program finds the settings file beside itself, applies
# it, and writes it back unchanged on close; nothing is written to the current directory.
source "$(dirname "$0")/desktop.sh" "$1"
start_desktop

content='2\r\n0\r\n1\r\n33\r\n1.75\r\nEggs: 7 min\r\n\r\nRice 1 h 10\nlid on\r\n'
printf "$content" >"$settings"
elsewhere=$work/elsewhere
mkdir "$elsewhere"
start_program "$elsewhere"
close_and_wait_for_exit 10
[ "$exit_status" -eq 0 ] || fail "exit status $exit_status"
expect_settings "$content"
[ ! -e "$elsewhere/Hobwatch.txt" ] || fail "wrote a settings file into the current directory"
echo "PASS"
