#!/usr/bin/env bash
# The line on standard error about a settings file cannot end the program when it cannot be
# written: when nobody reads standard error any more (a closed pipe), or when it is a file
# beyond the file-size limit. Ended by SIGTERM, the program still ends with status 0 and leaves
# the file it could not write as it was.
source "$(dirname "$0")/desktop.sh" "$1"
start_desktop

# Changes the minutes, so that there is something to save, then ends the running program with
# SIGTERM and checks its status.
end_with_status_zero() {
    xdotool windowactivate --sync "$window"
    xdotool type 7
    kill -s TERM "$program_pid"
    wait_for_exit 10
    [ "$exit_status" -eq 0 ] || fail "$1: exit status $exit_status"
}

# A folder named like the settings file: refused at the start and at the save, each time with a
# line on standard error, which is a pipe whose reader has gone once the window is there.
mkdir "$settings"
mkfifo "$work/pipe"
exec 7<>"$work/pipe"
(cd "$work" && exec "$program" 2>"$work/pipe" 7<&-) &
program_pid=$!
background_pids+=("$program_pid")
wait_for 30 find_window || fail "closed pipe: the window did not appear"
exec 7<&-
end_with_status_zero "closed pipe"
rmdir "$settings" || fail "closed pipe: something was written in place of the settings file"

# Notes larger than the file-size limit cannot be saved; the line that says so goes to a file
# already beyond that limit.
{ printf '0\r\n1\r\n0\r\n15\r\n2.5\r\n'; head -c 4096 /dev/zero | tr '\0' x; printf '\r\n'; } \
    >"$settings"
cp "$settings" "$work/before"
head -c 4096 /dev/zero >"$work/errors"
(cd "$work" && ulimit -f 2 && exec "$program" 2>>"$work/errors") &
program_pid=$!
background_pids+=("$program_pid")
wait_for 30 find_window || fail "file-size limit: the window did not appear"
end_with_status_zero "file-size limit"
cmp -s "$work/before" "$settings" || fail "file-size limit: the settings file changed"
echo "PASS"
