#!/usr/bin/env bash
# Text dragged from another program (a GTK drag source) onto the minutes entry is read as a
# highlight of it in the notes would be, into the hours entry, and taken as a copy.
source "$(dirname "$0")/desktop.sh" "$1"
start_desktop
printf '0\r\n0\r\n0\r\n15\r\n2.5\r\nnotes\r\n' >"$settings"
start_program "$work"
# Debian's GTK bindings belong to its own Python, whatever comes first on the PATH.
/usr/bin/python3 "$(dirname "$0")/text_drag_source.py" "1 hour 20 minutes" >"$work/source.log" &
background_pids+=($!)
find_source() {
    source_window=$(xdotool search --onlyvisible --name '^drag source$' 2>/dev/null | head -n 1)
    [ -n "$source_window" ]
}
wait_for 30 find_source || fail "no drag source"
# Apart from the program's window, which stays above it.
xdotool windowmove --sync "$source_window" 20 20

# From the label's middle to the minutes entry's, which sits at 240, 480 twips in the window,
# 1215 by 360: 16, 32 pixels, 81 by 24. In small steps, as a hand moves, holding still over the
# target for its answer.
eval "$(xwininfo -id "$source_window" | awk -F: '/Absolute upper-left X/ {print "from_x=" $2 + 100}
    /Absolute upper-left Y/ {print "from_y=" $2 + 50}')"
eval "$(xwininfo -id "$window" | awk -F: '/Absolute upper-left X/ {print "to_x=" $2 + 56}
    /Absolute upper-left Y/ {print "to_y=" $2 + 44}')"
xdotool mousemove "$from_x" "$from_y" mousedown 1
for step in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $((from_x + (to_x - from_x) * step / 10)) \
        $((from_y + (to_y - from_y) * step / 10))
    sleep 0.05
done
for nudge in 1 0; do
    sleep 0.2
    xdotool mousemove $((to_x + nudge)) "$to_y"
done
sleep 0.2
xdotool mouseup 1

wait_for 10 grep -q '^ended' "$work/source.log" || fail "the drag did not end"
grep -q '^ended.*GDK_ACTION_COPY' "$work/source.log" && ! grep -q '^deleted' "$work/source.log" ||
    fail "not taken as a copy: $(cat "$work/source.log")"
close_and_wait_for_exit 10
expect_settings '0\r\n0\r\n0\r\n\r\n1.33 hr\r\nnotes\r\n'
echo "PASS"
