#!/usr/bin/env bash
# A signal to end saves the settings as closing the window does and ends the program with status
# 0; a countdown running then is dropped. SIGHUP is sent twice, as a terminal that hangs up sends
# it; SIGTERM comes while the program is still starting and is served once the window is ready.
# Which signals are caught, and how often, tests/app checks without a desktop.
source "$(dirname "$0")/desktop.sh" "$1"
start_desktop

# Whether the signal numbered $1 still waits to be taken by the program.
pending() {
    local mask
    mask=$(awk '/^ShdPnd/ { print $2 }' "/proc/$program_pid/status" 2>/dev/null)
    [ -n "$mask" ] && (((16#$mask >> ($1 - 1)) & 1))
}

printf '0\r\n1\r\n0\r\n15\r\n2.5\r\nnotes\r\n' >"$settings"
start_program "$work"
# The second SIGHUP comes once the first is taken (two that wait together count as one) and while
# the program still runs: the lock beside the settings file is held here from before the change
# until both have been taken, so that no save of the change, made as it comes or at the end, can
# be done before.
python3 -c '
import fcntl, os, sys, time
lock = os.open(sys.argv[1], os.O_RDWR | os.O_CREAT, 0o600)
fcntl.lockf(lock, fcntl.LOCK_EX)
open(sys.argv[2], "w").close()
time.sleep(60)
' "$program_dir/.Hobwatch.txt.lock" "$work/locked" &
lock_holder=$!
background_pids+=("$lock_holder")
wait_for 10 test -e "$work/locked" || fail "the lock was not taken"
xdotool windowactivate --sync "$window"
# The focus starts in the minutes entry; the next control is "Start Minutes".
xdotool key --clearmodifiers ctrl+a
xdotool type 42
xdotool key --clearmodifiers Tab space
# A save of the change that waits for the lock holds up the window for up to 5 s.
wait_for 10 eval '[[ "$(window_title)" == *"("* ]]' || fail "no countdown"
kill -s HUP "$program_pid" || fail "the program ended before the first SIGHUP"
while pending "$(kill -l HUP)"; do :; done
kill -s HUP "$program_pid" || fail "the program ended before the second SIGHUP: it saved unlocked"
while pending "$(kill -l HUP)"; do :; done
kill "$lock_holder" || fail "the lock was let go before both SIGHUPs were taken"
wait_for_exit 10
[ "$exit_status" -eq 0 ] || fail "SIGHUP: exit status $exit_status"
expect_settings '0\r\n1\r\n0\r\n42\r\n2.5\r\nnotes\r\n'

# The X server is stopped, so the program waits for it while it starts: the signal comes once
# the program holds a socket, long before its window exists. With no file yet, the save at the
# end writes one.
connected() { find "/proc/$program_pid/fd" -lname 'socket:*' | grep -q .; }
rm "$settings"
kill -s STOP "$x_server_pid"
(cd "$work" && exec "$program") &
program_pid=$!
background_pids+=("$program_pid")
wait_for 10 connected || { kill -s CONT "$x_server_pid"; fail "no connection to the X server"; }
kill -s TERM "$program_pid"
kill -s CONT "$x_server_pid"
wait_for_exit 10
[ "$exit_status" -eq 0 ] || fail "SIGTERM while starting: exit status $exit_status"
cmp -s -n 18 <(printf '0\r\n1\r\n0\r\n15\r\n2.5\r\n') "$settings" ||
    fail "SIGTERM while starting: no settings saved"
echo "PASS"
