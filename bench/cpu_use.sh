#!/usr/bin/env bash
# CPU benchmark: the processor time Hobwatch uses while idle and while a countdown runs, under
# Xvfb with openbox, and while the countdown runs the floor (a bare Qt window; "bench_floor ticking"
# rewrites its title once a second, the least a countdown does) over the same seconds; and how
# often the threads wake, to show whether any
# timer runs while idle. Each state is measured with our window active, the focus in an entry
# (its text cursor blinks for CursorBlinkLimit::kBlinkTime after the last input, then stands
# still), and with another window active. Each measured phase of Hobwatch is followed by a
# shorter one under strace that counts the poll calls. Figures per 20 s come from the threads'
# own run times (schedstat), which unlike utime+stime are not rounded to clock ticks.
# Usage: bench/cpu_use.sh PROGRAM FLOOR [SECONDS]   (SECONDS per measured phase; default 60)
source "$(dirname "$0")/../tests/e2e/desktop.sh" "$1"
floor=$2
seconds=${3:-60}
# Longer than the cursor's blinking after the last input.
blink_settle=12
trace_seconds=20
clock_ticks=$(getconf CLK_TCK)

# utime + stime of the whole process $1 in clock ticks (threads that ended included).
process_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }

# One line per live thread of process $1: id, name, voluntary and involuntary context switches,
# ns on a CPU.
thread_counters() {
    local task
    for task in /proc/"$1"/task/*; do
        printf '%s %s %s %s %s\n' "${task##*/}" "$(tr ' ' _ <"$task/comm")" \
            "$(awk '/^voluntary_ctxt_switches/ { print $2 }' "$task/status")" \
            "$(awk '/^nonvoluntary_ctxt_switches/ { print $2 }' "$task/status")" \
            "$(cut -d' ' -f1 "$task/schedstat")"
    done
}

# Prints what process $2 used between the counters in $work/$2.before and $work/$2.after, under
# the caption $1; $3 is the wall time in seconds and $4 the change of utime + stime.
report_process() {
    awk -v title="$1" -v wall="$3" -v ticks="$4" -v hz="$clock_ticks" '
        NR == FNR { name[$1] = $2; vol[$1] = $3; invol[$1] = $4; ns[$1] = $5; next }
        { dvol = $3 - vol[$1]; dinvol = $4 - invol[$1]; dns = $5 - ns[$1]
          line[++n] = sprintf("    %-18s %7d voluntary + %5d forced switches (%.2f per s), %8.2f ms on a CPU",
                              $2, dvol, dinvol, (dvol + dinvol) / wall, dns / 1e6)
          total_ns += dns; total_switches += dvol + dinvol }
        END {
            printf "%s, %.1f s\n", title, wall
            printf "  CPU time  %.1f ms per 20 s (live threads %.1f ms = %.4f %% of one core; utime+stime %.2f s in %d Hz ticks)\n",
                   total_ns / 1e6 / wall * 20, total_ns / 1e6, total_ns / 1e9 / wall * 100, ticks / hz, hz
            printf "  wake-ups  %d context switches = %.2f per s\n", total_switches, total_switches / wall
            for (i = 1; i <= n; i++) print line[i]
        }' "$work/$2.before" "$work/$2.after"
}

# Measures $2 seconds of the program's life under the caption $1, and of the floor's, when it
# runs, over the same seconds: a busy machine then weighs on both alike.
measure_phase() {
    local title=$1 duration=$2 pids=("$program_pid") pid start finish wall
    [ -z "${floor_pid:-}" ] || pids+=("$floor_pid")
    declare -A ticks
    for pid in "${pids[@]}"; do
        thread_counters "$pid" >"$work/$pid.before"
        ticks[$pid]=$(process_ticks "$pid")
    done
    start=$EPOCHREALTIME
    sleep "$duration"
    finish=$EPOCHREALTIME
    for pid in "${pids[@]}"; do
        ticks[$pid]=$(($(process_ticks "$pid") - ticks[$pid]))
        thread_counters "$pid" >"$work/$pid.after"
    done
    wall=$(awk -v a="$start" -v b="$finish" 'BEGIN { print b - a }')
    report_process "$title" "$program_pid" "$wall" "${ticks[$program_pid]}"
    [ -z "${floor_pid:-}" ] ||
        report_process "  The floor (ticking, not active) over the same seconds" "$floor_pid" \
            "$wall" "${ticks[$floor_pid]}"
}

# Traces the poll calls of every thread for $2 seconds under the caption $1: each call after the
# first is a wake-up, and its timeout tells how far off the nearest timer is (-1: no timer; 0:
# events were waiting).
trace_phase() {
    local title=$1 duration=$2 trace=$work/trace
    timeout -s INT "$duration" strace -f -qq -ttt -p "$program_pid" -o "$trace" \
        -e trace=poll,ppoll,epoll_wait,epoll_pwait,select,pselect6 || true
    printf '%s, traced %d s with strace\n' "$title" "$duration"
    awk -v duration="$duration" '
        !/resumed>/ && match($0, /(poll|ppoll|epoll_wait|epoll_pwait|select|pselect6)\(/) {
            calls[$1]++; total++
            timeout = $0
            sub(/ *(<[^>]*>|= .*)$/, "", timeout)
            n = split(timeout, args, ", ")
            call = substr($0, RSTART, RLENGTH - 1)
            argument = call == "poll" || call == "epoll_wait" ? args[n] : "(not parsed)"
            sub(/\)$/, "", argument)
            if (argument ~ /^[0-9]+$/) {
                argument = argument == 0 ? "0" : argument <= 500 ? "1..500" : argument <= 1000 ? "501..1000" : "1001+"
            }
            timeouts[$1 " " call " " argument]++
        }
        END {
            printf "  poll-family calls  %d in %d s (%.2f per s)\n", total, duration, total / duration
            for (key in timeouts) {
                split(key, part, " ")
                printf "    thread %s: %d %s calls with timeout %s ms\n", part[1], timeouts[key], part[2], part[3] | "sort"
            }
        }' "$trace"
    printf '  threads: %s\n' "$(for task in /proc/"$program_pid"/task/*; do
        printf '%s=%s ' "${task##*/}" "$(cat "$task/comm")"; done)"
}

start_desktop
# A long countdown, with both sounds unticked so that no tone or bell adds to the figures.
printf '0\r\n0\r\n0\r\n30\r\n2.5\r\nnotes\r\n' >"$settings"
start_program "$work"
xdotool windowactivate --sync "$window"
sleep "$blink_settle"

echo
measure_phase "Idle, window active (focus in the minutes entry, cursor no longer blinking)" "$seconds"
trace_phase "Idle, window active" "$trace_seconds"

xmessage -name other "another window" &
background_pids+=($!)
wait_for 10 xdotool search --onlyvisible --name '^other$' >/dev/null || fail "no other window"
other=$(xdotool search --onlyvisible --name '^other$' | head -n 1)
xdotool windowactivate --sync "$other"
sleep 1
measure_phase "Idle, another window active" "$seconds"
trace_phase "Idle, another window active" "$trace_seconds"

# The floor rewrites its title once a second from now on, beside the running countdown.
"$floor" ticking 2>/dev/null &
floor_pid=$!
background_pids+=("$floor_pid")
sleep 1
xdotool windowactivate --sync "$window"
# The focus starts in the minutes entry; the next control is "Start Minutes".
xdotool key --clearmodifiers Tab space
wait_for 5 eval '[[ "$(window_title)" == *"("* ]]' || fail "the countdown did not start"
echo "Countdown started: caption '$(window_title)'"
sleep "$blink_settle"
measure_phase "Countdown running, window active (cursor no longer blinking)" "$seconds"
trace_phase "Countdown running, window active" "$trace_seconds"

xdotool windowactivate --sync "$other"
sleep 1
measure_phase "Countdown running, another window active" "$seconds"
trace_phase "Countdown running, another window active" "$trace_seconds"
echo "Caption at the end: '$(window_title)'"
