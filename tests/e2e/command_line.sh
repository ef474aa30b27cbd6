#!/usr/bin/env bash
# The command line of a desktop program: --help and --version answer on standard output and
# end without a window, whether a display is there or not; other arguments change nothing; with
# no display that answers, one line on standard error and exit status 1, not Qt's abort; an
# explicit QT_QPA_PLATFORM is followed.
# Usage: command_line.sh PROGRAM VERSION
source "$(dirname "$0")/desktop.sh" "$1"
version=${2:?usage: $0 PROGRAM VERSION}

# Runs the program with no display; sets status, out and err.
run_without_display() {
    status=0
    env -u DISPLAY "$@" >"$work/out" 2>"$work/err" || status=$?
    out=$(cat "$work/out")
    err=$(cat "$work/err")
}

run_without_display "$program" --help
[ "$status" -eq 0 ] || fail "--help ends with status $status: $err"
[[ $out == "Usage: hobwatch [--help | --version]"* ]] || fail "--help prints '$out'"
[ -z "$err" ] || fail "--help writes to standard error: $err"

run_without_display "$program" --whatever --version --help
[ "$status" -eq 0 ] && [ "$out" = "hobwatch $version" ] && [ -z "$err" ] ||
    fail "--version: status $status, '$out', '$err'"

status=0
"$program" --help >/dev/full 2>/dev/null || status=$?
[ "$status" -eq 1 ] || fail "--help that cannot be written ends with status $status, want 1"

# No display at all, a local one without a server, a remote one that does not answer.
for display in "" ":$((RANDOM % 1000 + 2000))" "localhost:$((RANDOM % 1000 + 2000))"; do
    run_without_display DISPLAY="$display" "$program" --frobnicate
    [ "$status" -eq 1 ] || fail "with DISPLAY='$display': exit status $status, want 1"
    [ -z "$out" ] && [ "$(wc -l <"$work/err")" -eq 1 ] ||
        fail "with DISPLAY='$display', not one line on standard error: '$err' '$out'"
    [[ $err == *DISPLAY* ]] || fail "the line does not say what is missing: $err"
done

# Followed: offscreen needs no display. Other arguments never reach Qt, which would fail on these.
QT_QPA_PLATFORM=offscreen env -u DISPLAY "$program" -platform nonexistent --frobnicate \
    >"$work/out" 2>&1 &
program_pid=$!
background_pids+=("$program_pid")
sleep 1
kill -0 "$program_pid" 2>/dev/null || fail "offscreen, with arguments, it ended: $(cat "$work/out")"

echo "PASS"
