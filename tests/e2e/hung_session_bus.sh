#!/usr/bin/env bash
# A session bus that takes connections and never answers (its daemon hangs) holds up neither the
# window nor a request to end: the window appears within 3 s, without notification or screen
# reader, and a SIGTERM that comes while the program waits for the bus is served once the window
# is ready.
source "$(dirname "$0")/desktop.sh" "$1"
start_desktop

bus=$work/bus_socket
python3 "$(dirname "$0")/silent_bus.py" "$bus" "$work/bus_callers" &
background_pids+=("$!")
wait_for 10 test -S "$bus" || fail "the silent bus did not start"
export DBUS_SESSION_BUS_ADDRESS=unix:path=$bus

printf '0\r\n1\r\n0\r\n15\r\n2.5\r\nnotes\r\n' >"$settings"
started=$(date +%s%N)
start_program "$work"
shown_after=$((($(date +%s%N) - started) / 1000000))
[ "$shown_after" -le 3000 ] || fail "the window appeared after $shown_after ms"
close_and_wait_for_exit 10
[ "$exit_status" -eq 0 ] || fail "closed: exit status $exit_status"

# With no file yet, the save at the end writes one.
rm "$settings"
(cd "$work" && exec "$program") 2>"$work/err" &
program_pid=$!
background_pids+=("$program_pid")
wait_for 10 grep -qx "$program_pid" "$work/bus_callers" || fail "the program did not reach the bus"
kill -s TERM "$program_pid"
wait_for_exit 10
[ "$exit_status" -eq 0 ] || fail "SIGTERM while waiting for the bus: exit status $exit_status"
cmp -s -n 18 <(printf '0\r\n1\r\n0\r\n15\r\n2.5\r\n') "$settings" ||
    fail "SIGTERM while waiting for the bus: no settings saved"
grep -q "session bus .* does not answer" "$work/err" || fail "no word on the bus: $(cat "$work/err")"
echo "PASS"
