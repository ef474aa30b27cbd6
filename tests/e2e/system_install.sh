#!/usr/bin/env bash
# Installed where its users cannot write (as in /usr/bin) and run by an ordinary user ("nobody"
# when the tests run as root): the settings go to the user's config folder, made for that user
# alone, and the first run starts from the shared cookbook beside the program, which is never
# written.
source "$(dirname "$0")/desktop.sh" "$1"
start_desktop

chmod 0755 "$work"
bin=$work/usr/bin
installed=$bin/hobwatch
install -d -m 0755 "$bin"
install -m 0755 "$program" "$installed"
cookbook='0\r\n1\r\n0\r\n15\r\n2.5\r\nShared cookbook: eggs 7 min\r\n'
printf "$cookbook" >"$bin/Hobwatch.txt"
cp "$bin/Hobwatch.txt" "$work/cookbook"
home=$work/home
user_runtime=$work/user-runtime
mkdir -m 0755 "$home"
mkdir -m 0700 "$user_runtime"
if [ "$(id -u)" -eq 0 ]; then
    user=nobody
    chown nobody:nogroup "$home" "$user_runtime"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
else
    user=$(id -un)
    chmod 0555 "$bin"
    as_user=()
fi
settings=$home/.config/hobwatch/Hobwatch.txt

start_installed() {
    (cd / && exec "${as_user[@]}" env -i DISPLAY="$DISPLAY" HOME="$home" \
        XDG_RUNTIME_DIR="$user_runtime" PATH=/usr/bin:/bin "$installed") &
    program_pid=$!
    background_pids+=("$program_pid")
    window=""
    wait_for 30 find_window || fail "the window did not appear"
}

# That a later run reads the user's own file, the settings location's unit test checks.
start_installed
xdotool windowactivate --sync "$window"
xdotool key --clearmodifiers ctrl+a
xdotool type 42
close_and_wait_for_exit 10
[ "$exit_status" -eq 0 ] || fail "exit status $exit_status"
cmp -s "$work/cookbook" "$bin/Hobwatch.txt" || fail "the shared cookbook was written"
expect_settings '0\r\n1\r\n0\r\n42\r\n2.5\r\nShared cookbook: eggs 7 min\r\n'
for folder in "$home/.config" "$home/.config/hobwatch"; do
    [ "$(stat -c '%a %U' "$folder")" = "700 $user" ] ||
        fail "$folder: $(stat -c '%a %U' "$folder")"
done
echo "PASS"
