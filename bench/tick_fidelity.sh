#!/usr/bin/env bash
# Runs a real countdown under Xvfb with openbox, records every caption the window shows with its
# time, and prints how many seconds were skipped or repeated and how late the first time-up tick
# came after the end of the countdown.
# Usage: bench/tick_fidelity.sh PROGRAM [MINUTES]   (MINUTES below 60; default 1.5)
source "$(dirname "$0")/../tests/e2e/desktop.sh" "$1"
minutes=${2:-1.5}
total=$(awk -v m="$minutes" 'BEGIN { printf "%d", m * 60 + 0.5 }')

start_desktop
printf "0\r\n0\r\n1\r\n$minutes\r\n2.5\r\nnotes\r\n" >"$settings"
start_program "$work"
xdotool windowactivate --sync "$window"

captions=$work/captions
xprop -spy -id "$window" _NET_WM_NAME | while IFS= read -r line; do
    printf '%s %s\n' "$EPOCHREALTIME" "${line#*= }"
done >"$captions" &
background_pids+=($!)
sleep 0.5

before=$EPOCHREALTIME
xdotool key --clearmodifiers Tab space
after=$EPOCHREALTIME
wait_for_exit $((total + 30))

awk -v total="$total" -v before="$before" -v after="$after" '
    { gsub(/"/, "") }
    $3 == "(" || $3 ~ /^\(/ {
        split($2, parts, ":"); remaining = parts[1] * 60 + parts[2]
        seen[remaining]++
        offset = ($1 - before) - int($1 - before)
        if (offset < minOffset || minOffset == "") minOffset = offset
        if (offset > maxOffset) maxOffset = offset
    }
    $3 == "Over" && !firstOver { firstOver = $1; firstOverCaption = $2 }
    END {
        for (s = 1; s < total; s++) {
            if (!(s in seen)) skipped++
            else if (seen[s] > 1) repeated += seen[s] - 1
        }
        printf "countdown                 %d s\n", total
        printf "running captions seen     %d of %d\n", length(seen), total - 1
        printf "seconds skipped           %d\n", skipped
        printf "seconds repeated          %d\n", repeated
        printf "tick offset after second  %.1f .. %.1f ms (key press to caption, mod 1 s)\n", minOffset * 1000, maxOffset * 1000
        printf "first time-up caption     %s\n", firstOverCaption
        printf "first time-up tick delay  %.1f ms after the end (key press uncertainty %.1f ms)\n", (firstOver - after - total) * 1000, (after - before) * 1000
    }' "$captions"
