#!/usr/bin/env bash
# Takes the README's picture of the window, frame included, under Xvfb with openbox at 96 dpi.
# Usage: docs/screenshot.sh PROGRAM [OUTPUT.png]   (needs ImageMagick's import)
source "$(dirname "$0")/../tests/e2e/desktop.sh" "$1"
output=$(realpath -m "${2:-$(dirname "$0")/hobwatch-window.png}")

start_desktop
start_program "$work"
xdotool windowactivate --sync "$window"
sleep 1

# openbox draws the frame around the client: take the frame's extents from the root window.
eval "$(xwininfo -id "$window" | awk -F: '/Absolute upper-left X/ {print "x=" $2 + 0}
    /Absolute upper-left Y/ {print "y=" $2 + 0} /Width/ {print "w=" $2 + 0} /Height/ {print "h=" $2 + 0}')"
read -r left right top bottom < <(xprop -id "$window" _NET_FRAME_EXTENTS |
    awk -F'= ' '{gsub(/,/, ""); print $2}')
import -window root -crop "$((w + left + right))x$((h + top + bottom))+$((x - left))+$((y - top))" \
    +repage "$output"
echo "wrote $output"
