#!/usr/bin/env bash
# With no settings file: the window opens centred, above other windows, captioned
# "Select Interval", with the focus in the minutes entry, and nothing on standard error; closing
# it writes the file. Without a window manager that keeps it above, one line says so.
source "$(dirname "$0")/desktop.sh" "$1"
start_desktop
start_program "$work"

[ "$(window_title)" = "Select Interval" ] || fail "caption is '$(window_title)'"

xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "not kept above"
xmessage -name other "another window" &
background_pids+=($!)
wait_for 10 xdotool search --onlyvisible --name '^other$' >/dev/null || fail "no other window"
other=$(xdotool search --onlyvisible --name '^other$' | head -n 1)
xdotool windowactivate --sync "$other"
top=$(xprop -root _NET_CLIENT_LIST_STACKING | awk '{print $NF}')
[ $((top)) -eq $((window)) ] || fail "another active window covers this one"

eval "$(xwininfo -id "$window" | awk -F: '/Absolute upper-left X/ {print "x=" $2 + 0}
    /Absolute upper-left Y/ {print "y=" $2 + 0} /Width/ {print "w=" $2 + 0} /Height/ {print "h=" $2 + 0}')"
centre_x=$((x + w / 2))
centre_y=$((y + h / 2))
# The title bar moves the client area down by a few pixels.
[ "${centre_x#-}" -ge 502 ] && [ "$centre_x" -le 522 ] || fail "not centred across: $centre_x"
[ "$centre_y" -ge 374 ] && [ "$centre_y" -le 414 ] || fail "not centred down: $centre_y"

# The focus is in the minutes entry: what is typed goes there and is saved.
xdotool windowactivate --sync "$window"
xdotool key --clearmodifiers ctrl+a
xdotool type "42"
close_and_wait_for_exit 10
[ "$exit_status" -eq 0 ] || fail "exit status $exit_status"

notes='My cooking notes  (highlight your cooking times)...\r\n\r\n2 and 1/4 hours\r\n'
notes+='2 hr  15 minutes\r\n2 1/4 min\r\n\r\nHard boiled eggs, bring to boil for 1 minute, '
notes+='cover and let stand 17 min.\r\n\r\n12 lb Turkey in bag 3.10 hrs\r\n'
expect_settings "0\r\n1\r\n0\r\n42\r\n2.5\r\n$notes\r\n"
[ ! -s "$work/program.stderr" ] || fail "standard error: $(cat "$work/program.stderr")"

start_x_server
start_program "$work"
line='hobwatch: the window cannot be kept above other windows: the window manager does not offer it'
wait_for 5 eval '[ "$(cat "$work/program.stderr")" = "$line" ]' ||
    fail "without a window manager, standard error is '$(cat "$work/program.stderr")'"
kill "$program_pid"
wait_for_exit 10
echo "PASS"
