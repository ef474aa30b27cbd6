#!/usr/bin/env bash
# Text dragged from another program (a GTK drag source) and dropped on the window is read as a
# highlight of it in the notes would be, into the minutes or the hours entry, taken as a copy:
# plain text dropped on the minutes entry's field, and rich text alone on the hours entry's.
source "$(dirname "$0")/desktop.sh" "$1"
start_desktop

# The entries' middles: the minutes entry sits at 240, 480 twips in the window, the hours entry
# at 2880, 480, each 1215 by 360: 16, 32 and 192, 32 pixels, 81 by 24.
rows=(
    # offer | text | drop at x y | minutes, hours saved
    'text|1 hour 20 minutes|56 44|\r\n1.33 hr'
    'html|<b>2 1/4</b>&nbsp;min|232 44|2.25\r\n'
)
source_log=$work/source.log

# Drags from the middle of the source window to $1 $2 in the program's window in small steps, as
# a hand does, holding still over the target until it has asked for the text.
drag_to() {
    local from_x from_y to_x to_y step
    eval "$(xwininfo -id "$source_window" | awk -F: '/Absolute upper-left X/ {print "from_x=" $2 + 100}
        /Absolute upper-left Y/ {print "from_y=" $2 + 50}')"
    eval "$(xwininfo -id "$window" | awk -v x="$1" -v y="$2" -F: '
        /Absolute upper-left X/ {print "to_x=" $2 + x} /Absolute upper-left Y/ {print "to_y=" $2 + y}')"
    xdotool mousemove "$from_x" "$from_y" mousedown 1
    for step in 1 2 3 4 5 6 7 8 9 10; do
        xdotool mousemove $((from_x + (to_x - from_x) * step / 10)) \
            $((from_y + (to_y - from_y) * step / 10))
        sleep 0.05
    done
    wait_for 10 grep -q '^delivered' "$source_log" || fail "the window never asked for the text"
    xdotool mousemove $((to_x + 1)) "$to_y"
    sleep 0.2
    xdotool mousemove "$to_x" "$to_y"
    sleep 0.2
    xdotool mouseup 1
}

find_source() {
    source_window=$(xdotool search --onlyvisible --name '^drag source$' 2>/dev/null | head -n 1)
    [ -n "$source_window" ]
}

for row in "${rows[@]}"; do
    IFS='|' read -r offer text target saved <<<"$row"
    printf '0\r\n0\r\n0\r\n15\r\n2.5\r\nnotes\r\n' >"$settings"
    start_program "$work"
    option=()
    [ "$offer" = html ] && option=(--html-only)
    # Debian's GTK bindings belong to its own Python, whatever comes first on the PATH.
    /usr/bin/python3 "$(dirname "$0")/text_drag_source.py" "$text" "${option[@]}" \
        >"$source_log" 2>"$work/source.err" &
    source_pid=$!
    background_pids+=("$source_pid")
    wait_for 30 find_source || fail "no drag source: $(cat "$work/source.err")"
    # Apart from the program's window, which stays above it.
    xdotool windowmove --sync "$source_window" 20 20

    drag_to $target
    wait_for 10 grep -q '^ended' "$source_log" || fail "$offer: the drag did not end"
    grep -q '^ended.*GDK_ACTION_COPY' "$source_log" && ! grep -q '^deleted' "$source_log" ||
        fail "$offer: not taken as a copy: $(cat "$source_log")"
    close_and_wait_for_exit 10
    expect_settings "0\r\n0\r\n0\r\n$saved\r\nnotes\r\n"
    echo "$offer: $(grep '^offered' "$work/source.err")"
    kill "$source_pid"
    wait "$source_pid" 2>/dev/null || true
done
echo "PASS"
