#!/usr/bin/env bash
# What the desktop's services hear of a countdown, with stand-ins for them on a private session
# bus: the portal is asked not to suspend while a countdown runs and the request is closed at
# Cancel and at close; the dock's launcher entry shows the progress, then urgent at time-up, then
# nothing; the notification's buttons work: a click brings the window up and active, "Cancel"
# cancels. Without a portal the screen saver is asked instead, and released at the automatic
# exit.
source "$(dirname "$0")/desktop.sh" "$1"
start_desktop
start_session_bus

# Takes the services named by the options of fake_desktop_services.py; sets fakes_pid.
start_fakes() {
    # Emptied here, before the services start: the last ones' "ready" must not count.
    : >"$work/fakes.log"
    /usr/bin/python3 "$(dirname "$0")/fake_desktop_services.py" "$@" >>"$work/fakes.log" 2>&1 &
    fakes_pid=$!
    background_pids+=("$fakes_pid")
    wait_for 10 grep -q '^ready' "$work/fakes.log" 2>/dev/null || fail "the fake services did not start"
}
logged() { grep -qE "$1" "$work/fakes.log"; }
press_on_notification() {
    dbus-send --session --type=method_call --dest=org.freedesktop.Notifications \
        /org/freedesktop/Notifications org.hobwatch.FakeDesktop.Invoke "string:$1"
}
# The launcher entry's properties, one "name value" line each, in the order they were signalled.
launcher_properties() {
    awk '/string "application:\/\/org.hobwatch.Hobwatch.desktop"/ { ours = 1; next }
         /^signal/ { ours = 0 }
         ours && /string "/ { name = $2; getline; print name, $NF }' "$work/launcher.log"
}
last_launcher_value() { launcher_properties | awk -v name="\"$1\"" '$1 == name { v = $2 } END { print v }'; }

dbus-monitor --session "type='signal',interface='com.canonical.Unity.LauncherEntry'" \
    >"$work/launcher.log" 2>&1 &
background_pids+=($!)
start_fakes --notifications --portal
reason="'A countdown is running'"

# Three seconds, started as the window opens; no bell, no tone.
printf '0\r\n0\r\n0\r\n15\r\n2.5\r\nnotes\r\n' >"$settings"
start_program "$work" --start 0.05
wait_for 5 logged "^Inhibit '' 4 $reason .*/t1$" || fail "no portal Inhibit: $(cat "$work/fakes.log")"
wait_for 10 eval '[[ "$(window_title)" == *Over ]]' || fail "the time did not run out"
wait_for 5 logged "^Notify 1 'Time is up' '0.05 minutes' actions default,Show Hobwatch,cancel,Cancel$" ||
    fail "no notification with buttons: $(cat "$work/fakes.log")"
wait_for 5 eval '[ "$(last_launcher_value urgent)" = true ]' ||
    fail "the launcher entry is not urgent: $(launcher_properties)"
launcher_properties | awk '$1 == "\"progress\"" && $2 > 0 && $2 < 1 { found = 1 } END { exit !found }' ||
    fail "no progress on the launcher entry: $(launcher_properties)"

# A click on the notification brings the window up over another that is active.
xmessage -name other "another window" &
background_pids+=($!)
wait_for 10 xdotool search --onlyvisible --name '^other$' >/dev/null || fail "no other window"
xdotool windowactivate --sync "$(xdotool search --onlyvisible --name '^other$' | head -n 1)"
press_on_notification default
wait_for 5 eval '[ "$(xdotool getactivewindow)" = "$window" ]' ||
    fail "a click on the notification left $(xdotool getactivewindow) active, not $window"

press_on_notification cancel
wait_for 5 eval '[ "$(window_title)" = "Select Interval" ]' || fail "Cancel on the notification did not cancel"
wait_for 5 logged '^Close /org/freedesktop/portal/desktop/request/.*/t1$' || fail "Cancel kept the inhibition"
wait_for 5 logged '^CloseNotification 1$' || fail "Cancel left the notification"
wait_for 5 eval '[ "$(last_launcher_value urgent)" = false ]' || fail "Cancel left the launcher entry urgent"
[ "$(last_launcher_value progress-visible)" = false ] || fail "Cancel left the progress shown"
sleep 1.5
[ "$(window_title)" = "Select Interval" ] || fail "the alarm went on after Cancel: $(window_title)"

# Start Minutes sits at 240, 960 twips in the window: 16, 64 pixels. Closing releases too.
xdotool mousemove --window "$window" 56 80 click 1
wait_for 5 logged "^Inhibit '' 4 $reason .*/t2$" || fail "no Inhibit for the second countdown"
close_and_wait_for_exit 10
[ "$exit_status" -eq 0 ] || fail "exit status $exit_status"
wait_for 5 logged '^Close /org/freedesktop/portal/desktop/request/.*/t2$' || fail "closing kept the inhibition"
[ "$(last_launcher_value progress-visible)" = false ] || fail "closing left the progress shown"

# No portal: the screen saver, released at the automatic exit ("End 10" ticked).
kill "$fakes_pid"
wait "$fakes_pid" 2>/dev/null || true
start_fakes --screensaver
printf '0\r\n0\r\n1\r\n15\r\n2.5\r\nnotes\r\n' >"$settings"
start_program "$work" --start 0.05
wait_for 5 logged "^ScreenSaver.Inhibit 'Hobwatch' $reason 1$" ||
    fail "no screen saver Inhibit, title '$(window_title)': $(cat "$work/fakes.log")"
wait_for_exit 25
[ "$exit_status" -eq 0 ] || fail "exit status $exit_status after the automatic exit"
wait_for 5 logged '^ScreenSaver.UnInhibit 1$' || fail "the automatic exit kept the inhibition"
echo "PASS"
