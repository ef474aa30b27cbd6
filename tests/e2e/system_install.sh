#!/usr/bin/env bash
# Installed where its users cannot write (as in /usr/bin) and run by an ordinary user ("nobody"
# when the tests run as root): the settings go to the user's config folder, made for that user
# alone, and the first run starts from the shared cookbook beside the program, which is never
# written. Run as root, which may write anywhere, it writes neither beside a program installed in
# a folder of the system's nor into another user's portable copy, but into root's own config
# folder.
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

# Starts the program $1 as the user of the command in as_user, with the home folder $home.
start_installed() {
    (cd / && exec "${as_user[@]}" env -i DISPLAY="$DISPLAY" HOME="$home" \
        XDG_RUNTIME_DIR="$user_runtime" PATH=/usr/bin:/bin "$1") &
    program_pid=$!
    background_pids+=("$program_pid")
    window=""
    wait_for 30 find_window || fail "the window did not appear"
}

# That a later run reads the user's own file, the settings location's unit test checks.
# Types $1 into the minutes entry of the program $2 and closes it.
type_minutes_and_close() {
    start_installed "$2"
    xdotool windowactivate --sync "$window"
    xdotool key --clearmodifiers ctrl+a
    xdotool type "$1"
    close_and_wait_for_exit 10
    [ "$exit_status" -eq 0 ] || fail "$2: exit status $exit_status"
}

type_minutes_and_close 42 "$installed"
cmp -s "$work/cookbook" "$bin/Hobwatch.txt" || fail "the shared cookbook was written"
expect_settings '0\r\n1\r\n0\r\n42\r\n2.5\r\nShared cookbook: eggs 7 min\r\n'
for folder in "$home/.config" "$home/.config/hobwatch"; do
    [ "$(stat -c '%a %U' "$folder")" = "700 $user" ] ||
        fail "$folder: $(stat -c '%a %U' "$folder")"
done

if [ "$(id -u)" -eq 0 ]; then
    # In a real folder of the system's, since that is what root must not write.
    [ -d /opt ] || fail "no /opt"
    system_prefix=$(mktemp -d /opt/hobwatch-test.XXXXXX)
    trap 'rm -rf "$system_prefix"; stop_all' EXIT
    install -d -m 0755 "$system_prefix/bin"
    install -m 0755 "$program" "$system_prefix/bin/hobwatch"
    # The user's portable copy, with its settings beside it.
    portable=$work/portable
    install -d -m 0755 -o nobody -g nogroup "$portable"
    install -m 0755 -o nobody -g nogroup "$program" "$portable/hobwatch"
    printf '0\r\n1\r\n0\r\n5\r\n2.5\r\nMine\r\n' >"$portable/Hobwatch.txt"
    chown nobody:nogroup "$portable/Hobwatch.txt"
    cp "$portable/Hobwatch.txt" "$work/portable-before"

    home=$work/root-home
    mkdir -m 0700 "$home"
    user_runtime=$XDG_RUNTIME_DIR
    as_user=()
    settings=$home/.config/hobwatch/Hobwatch.txt
    # Root's first run starts from the user's file beside that copy, as from a cookbook.
    type_minutes_and_close 44 "$portable/hobwatch"
    cmp -s "$work/portable-before" "$portable/Hobwatch.txt" || fail "root wrote the user's file"
    [ "$(ls -A "$portable" | wc -l)" -eq 2 ] ||
        fail "root left files in the user's copy: $(ls -A "$portable")"
    expect_settings '0\r\n1\r\n0\r\n44\r\n2.5\r\nMine\r\n'
    type_minutes_and_close 43 "$system_prefix/bin/hobwatch"
    [ "$(ls -A "$system_prefix/bin")" = hobwatch ] ||
        fail "root wrote beside the installed program: $(ls -A "$system_prefix/bin")"
    expect_settings '0\r\n1\r\n0\r\n43\r\n2.5\r\nMine\r\n'
fi
echo "PASS"
