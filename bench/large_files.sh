#!/usr/bin/env bash
# Large and odd settings files under Xvfb with openbox: for each shape of notes (one unbroken
# line, empty lines, lone-LF lines, short lines, mixed line ends, characters the notes box shows
# by a stand-in, random bytes) at 1 MB, 10 MB and the 32 MB limit, the time from the launch to
# the visible window and the peak resident memory from the launch to the end of the close, the
# minutes changed first so that the close saves (it reads the file again for its merge). The
# median of RUNS launches is printed.
# Usage: bench/large_files.sh PROGRAM [RUNS]
source "$(dirname "$0")/../tests/e2e/desktop.sh" "$1"
source "$(dirname "$0")/../tests/e2e/notes_shapes.sh"
runs=${2:-3}
start_desktop

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# One launch on the file already in place; prints "milliseconds-to-window peak-kB".
measure_once() {
    local launched
    launched=${EPOCHREALTIME/./}
    (cd "$work" && exec "$program") 2>/dev/null &
    program_pid=$!
    background_pids+=("$program_pid")
    window=""
    wait_for 120 find_window || fail "no window"
    local shown=${EPOCHREALTIME/./}
    # The focus starts in the minutes entry with its text selected.
    xdotool windowactivate --sync "$window"
    xdotool type 16
    close_watching_memory
    wait_for_exit 60
    echo "$(((shown - launched) / 1000)) $peak_kb"
}

printf '%-16s %9s %14s %12s\n' shape bytes "window (ms)" "peak (MB)"
for size in $((1 << 20)) $((10 << 20)) $((32 << 20)); do
    for shape in "${notes_shapes[@]}"; do
        make_settings "$shape" "$size" "$settings"
        cp "$settings" "$work/original"
        results=()
        for ((run = 0; run < runs; run++)); do
            cp "$work/original" "$settings"
            results+=("$(measure_once)")
        done
        window_ms=$(printf '%s\n' "${results[@]}" | cut -d' ' -f1 | median)
        peak_kb=$(printf '%s\n' "${results[@]}" | cut -d' ' -f2 | median)
        printf '%-16s %9d %14d %12d\n' "$shape" "$size" "$window_ms" $((peak_kb / 1024))
    done
done
