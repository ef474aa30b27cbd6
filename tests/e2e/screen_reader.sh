#!/usr/bin/env bash
# What a screen reader is told of the window, read through AT-SPI as one reads it: the window is
# a frame, the entries are named "Minutes" and "Hours" and report their number as their value,
# the two panels are no editable text, and the alarm boxes say what they do; during a countdown
# the window's name follows its caption, and time-up comes as an alert.
source "$(dirname "$0")/desktop.sh" "$1"
start_desktop
start_session_bus
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program "$work"
# Debian's AT-SPI bindings (python3-pyatspi) belong to its own Python, whatever comes first on
# the PATH.
/usr/bin/python3 "$(dirname "$0")/screen_reader.py" || fail "the accessibility tree is wrong"
close_and_wait_for_exit 10
echo "PASS"
