#!/usr/bin/env bash
# Started from another directory, the program finds the settings file beside itself, applies
# it, and writes a change back on close; nothing is written to the current directory. So it does in a
# folder whose name is not valid UTF-8.
source "$(dirname "$0")/desktop.sh" "$1"
start_desktop
# Were the program's folder missed, the settings would go here rather than to the user's home.
export HOME=$work/home
mkdir "$HOME"

# Blanks around a check value show that the file was written again.
content='2\r\n0\r\n1\r\n%s\r\n1.75\r\nEggs: 7 min\r\n\r\nRice 1 h 10\nlid on\r\n'
elsewhere=$work/elsewhere
mkdir "$elsewhere"
latin1_folder=$work/caf$'\xe9'
mkdir "$latin1_folder"
cp "$program" "$latin1_folder/hobwatch"
for program in "$program" "$latin1_folder/hobwatch"; do
    settings=$(dirname "$program")/Hobwatch.txt
    printf " $content" 33 >"$settings"
    start_program "$elsewhere"
    # The focus starts in the minutes entry with its text selected.
    xdotool windowactivate --sync "$window"
    xdotool type 34
    close_and_wait_for_exit 10
    [ "$exit_status" -eq 0 ] || fail "$program: exit status $exit_status"
    expect_settings "${content/\%s/34}"
done
[ -z "$(ls -A "$elsewhere")" ] || fail "wrote into the current directory: $(ls -A "$elsewhere")"
[ ! -e "$HOME/.config/hobwatch" ] || fail "wrote into the user's config folder"
echo "PASS"
