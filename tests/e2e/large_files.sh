#!/usr/bin/env bash
# Settings files of every extreme shape up to the 32 MB limit open without a hang and within
# 1 GB resident, start to end, the minutes changed so that the end saves; the notes are saved
# back byte for byte. A file over the limit is refused: the window still opens, and the file is
# left as it is.
source "$(dirname "$0")/desktop.sh" "$1"
source "$(dirname "$0")/notes_shapes.sh"
start_desktop

limit=$((32 << 20))
# A guard against a hang only; bench/large_files.sh measures the time.
window_guard_s=30

# Starts the program on a file of shape $1 and size $2, changes the minutes to 16 and closes it;
# sets peak_kb.
start_and_close() {
    make_settings "$1" "$2" "$settings"
    cp "$settings" "$work/before"
    (cd "$work" && exec "$program") &
    program_pid=$!
    background_pids+=("$program_pid")
    window=""
    wait_for "$window_guard_s" find_window || fail "$1 of $2 bytes: no window"
    # The focus starts in the minutes entry with its text selected.
    xdotool windowactivate --sync "$window"
    xdotool type 16
    close_watching_memory
    wait_for_exit 30
    [ "$exit_status" -eq 0 ] || fail "$1 of $2 bytes: exit status $exit_status"
}

for shape in "${notes_shapes[@]}"; do
    start_and_close "$shape" "$limit"
    ((peak_kb <= 1024 * 1024)) || fail "$shape: $peak_kb kB resident"
    # Random bytes are not saved back at all: in UTF-8 they would grow beyond the limit.
    if [ "$shape" = binary ]; then
        cp "$work/before" "$work/expected"
    else
        { printf '0\r\n1\r\n0\r\n16\r\n'; tail -c +14 "$work/before"; } >"$work/expected"
    fi
    cmp -s "$work/expected" "$settings" || fail "$shape: not saved as expected"
    echo "$shape at the limit: peak $peak_kb kB"
done

start_and_close one_line $((limit + 1))
cmp -s "$work/before" "$settings" || fail "the file over the limit was written"
echo "PASS"
