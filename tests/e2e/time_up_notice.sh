#!/usr/bin/env bash
# At time-up, with another window active: the window asks for attention and one notification
# reaches a real notification server (dunst) on the session bus; Cancel withdraws it, and so
# does closing the window on a second time-up. A number typed as the window opens replaces the
# saved minutes.
source "$(dirname "$0")/desktop.sh" "$1"
start_desktop
start_session_bus

# dunst with its built-in settings, whatever the machine's user has configured.
XDG_CONFIG_HOME=$work/config dunst >"$work/dunst.log" 2>&1 &
background_pids+=($!)
notification_server_running() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications 2>/dev/null |
        grep -q 'boolean true'
}
wait_for 10 notification_server_running || fail "dunst did not start"
dbus-monitor --session "interface='org.freedesktop.Notifications'" >"$work/bus.log" 2>&1 &
background_pids+=($!)
displayed() { [ "$(dunstctl count displayed)" = "$1" ]; }
# The method call with its arguments, up to the next message on the bus.
calls() { awk -v member="member=$1" '/^(method|signal|error)/ { on = index($0, member) > 0 } on' \
    "$work/bus.log"; }

printf '0\r\n0\r\n0\r\n5\r\n2.5\r\nnotes\r\n' >"$settings"
start_program "$work"
xdotool windowactivate --sync "$window"
# Six seconds, time enough to make another window active: the saved 5 must give way, or the time
# is not up for five minutes.
xdotool type "0.1"
xdotool key --clearmodifiers Tab space
xmessage -name other "another window" &
background_pids+=($!)
wait_for 10 xdotool search --onlyvisible --name '^other$' >/dev/null || fail "no other window"
xdotool windowactivate --sync "$(xdotool search --onlyvisible --name '^other$' | head -n 1)"

wait_for 15 eval '[[ "$(window_title)" == *Over ]]' || fail "the time did not run out"
wait_for 5 displayed 1 || fail "dunst displays $(dunstctl count displayed) notifications"
calls Notify | grep -q 'string "Time is up"' || fail "no 'Time is up' notification"
calls Notify | grep -q 'string "0.1 minutes"' || fail "the notification does not name the countdown"
wait_for 5 eval 'xprop -id "$window" _NET_WM_STATE | grep -q _NET_WM_STATE_DEMANDS_ATTENTION' ||
    fail "the window does not ask for attention: $(xprop -id "$window" _NET_WM_STATE WM_HINTS)"
[ "$(calls Notify | grep -c '^method call')" -eq 1 ] || fail "more than one notification"

# Cancel sits at 960, 1800 twips, 2295 wide and 375 high: 64, 120 and 153 by 25 pixels.
xdotool windowactivate --sync "$window"
xdotool mousemove --window "$window" 140 132 click 1
wait_for 5 eval '[ "$(window_title)" = "Select Interval" ]' || fail "Cancel did not cancel"
wait_for 5 displayed 0 || fail "Cancel left the notification displayed"
wait_for 5 eval 'calls CloseNotification | grep -q uint32' || fail "no CloseNotification on Cancel"

# Start Minutes sits at 240, 960 twips in the window: 16, 64 pixels.
xdotool mousemove --window "$window" 56 80 click 1
wait_for 15 displayed 1 || fail "no notification at the second time-up"
close_and_wait_for_exit 10
[ "$exit_status" -eq 0 ] || fail "exit status $exit_status"
wait_for 5 displayed 0 || fail "closing the window left the notification displayed"
[ "$(calls CloseNotification | grep -c '^method call')" -eq 2 ] || fail "closing withdrew nothing"
expect_settings '0\r\n0\r\n0\r\n0.1\r\n2.5\r\nnotes\r\n'
echo "PASS"
