#!/usr/bin/env bash
# Installs the build into a prefix whose name holds a blank, as `cmake --install --prefix` does,
# and starts it from its menu entry with gtk-launch, that prefix's bin folder not on the PATH:
# the installed program opens its window, whose class is the entry's StartupWMClass, so that
# docks group the window under the launcher's icon.
# Usage: launch_installed.sh BUILD_DIR PROGRAM   (the cmake used is $CMAKE, default cmake)
build=${1:?usage: $0 BUILD_DIR PROGRAM}
source "$(dirname "$0")/../e2e/desktop.sh" "${2:?usage: $0 BUILD_DIR PROGRAM}"

prefix="$work/my apps"
"${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "cmake --install $build"; }
entry=$(find "$prefix" -name org.hobwatch.Hobwatch.desktop)
[ -f "$entry" ] || fail "no desktop entry installed"
installed=$(find "$prefix" -type f -name hobwatch -perm -u+x)
[ -x "$installed" ] || fail "no program installed"
case ":$PATH:" in *":$(dirname "$installed"):"*) fail "the prefix's bin folder is on the PATH" ;; esac

start_desktop
# Only the prefix's menu entries: none of the machine's or the user's own.
XDG_DATA_DIRS=$(dirname "$(dirname "$entry")") XDG_DATA_HOME=$work/no-data \
    gtk-launch org.hobwatch.Hobwatch >"$work/launch.log" 2>&1 ||
    { cat "$work/launch.log"; fail "gtk-launch failed"; }
launched_window() {
    window=$(xdotool search --onlyvisible --classname '^hobwatch$' 2>/dev/null | head -n 1)
    [ -n "$window" ]
}
wait_for 30 launched_window || fail "no window after gtk-launch: $(cat "$work/launch.log")"
program_pid=$(xdotool getwindowpid "$window")
background_pids+=("$program_pid")
[ "$(readlink -f "/proc/$program_pid/exe")" = "$(readlink -f "$installed")" ] ||
    fail "the launcher started $(readlink -f "/proc/$program_pid/exe"), not $installed"

wm_class=$(xprop -id "$window" WM_CLASS | sed -n 's/.*= "[^"]*", "\([^"]*\)"$/\1/p')
startup_class=$(sed -n 's/^StartupWMClass=//p' "$entry")
[ -n "$wm_class" ] && [ "$wm_class" = "$startup_class" ] ||
    fail "window class '$wm_class', StartupWMClass '$startup_class'"
close_window
wait_for 10 program_ended || fail "the launched program did not end when its window closed"
echo "PASS"
