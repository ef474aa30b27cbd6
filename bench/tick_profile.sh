#!/usr/bin/env bash
# Where a tick's CPU goes: runs a countdown under valgrind's callgrind, under Xvfb with openbox and
# with another window active, and prints the functions that cost the most instructions while
# it ticks (start-up excluded: the counts are zeroed once the countdown runs).
# Usage: bench/tick_profile.sh PROGRAM [SECONDS]   (SECONDS of ticks; default 20)
source "$(dirname "$0")/../tests/e2e/desktop.sh" "$1"
seconds=${2:-20}

start_desktop
printf '0\r\n0\r\n0\r\n30\r\n2.5\r\nnotes\r\n' >"$settings"
(cd "$work" && exec valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" \
    "$program" 2>"$work/valgrind.log") &
program_pid=$!
background_pids+=("$program_pid")
wait_for 60 find_window || fail "the window did not appear"
xdotool windowactivate --sync "$window"
xdotool key --clearmodifiers Tab space
wait_for 10 eval '[[ "$(window_title)" == *"("* ]]' || fail "the countdown did not start"
xmessage -name other "another window" &
background_pids+=($!)
wait_for 10 xdotool search --onlyvisible --name '^other$' >/dev/null || fail "no other window"
xdotool windowactivate --sync "$(xdotool search --onlyvisible --name '^other$' | head -n 1)"
sleep 2
callgrind_control --zero "$program_pid" >/dev/null
first=$(window_title)
sleep "$seconds"
last=$(window_title)
callgrind_control --dump "$program_pid" >/dev/null
sleep 1
kill "$program_pid"
wait "$program_pid" 2>/dev/null || true
# The dump asked for above; the file without a number holds what came after it, the exit.
dump=$work/callgrind.out.1
printf 'Ticks from "%s" to "%s" (%d s) under callgrind\n' "$first" "$last" "$seconds"
callgrind_annotate --inclusive=yes "$dump" 2>/dev/null | sed -n '/^Ir/,$p' | head -n 45
