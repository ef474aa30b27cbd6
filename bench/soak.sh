#!/usr/bin/env bash
# Soak of the settings file under Xvfb with openbox.
# First, CYCLES start-and-close cycles, each from a new "Hobwatch.txt" of random check values,
# entry texts and notes (blanks around values, empty lines, unicode, lone LF, lone CR, files with
# LF-only value lines), the minutes changed to 7 before the close. After each close the file must
# hold exactly what the format makes of the input with those minutes; a second start and close,
# changing nothing, must leave it byte for byte as it is.
# Then KILLS runs with notes of several MB, killed with SIGKILL after the close was asked for:
# half at a random moment of the whole close, half at a random moment of the save itself (from
# the appearance of its temporary file); each changes the minutes before it closes. Afterwards the
# file must be exactly the old or exactly the new content, and the next start must load it, stray
# temporary files beside it, and save it whole with the same change. Temporary files left behind are counted.
# Usage: bench/soak.sh PROGRAM [CYCLES] [KILLS] [SEED]
# A failed comparison keeps its expected and found files under $SOAK_FAILURES (default
# /tmp/hobwatch-soak-failures).
source "$(dirname "$0")/../tests/e2e/desktop.sh" "$1"
cycles=${2:-200}
kills=${3:-50}
seed=${4:-$((($(date +%s) + $$) % 32768))}
failures_dir=${SOAK_FAILURES:-/tmp/hobwatch-soak-failures}
RANDOM=$seed
phase="start-up"
# Says where a failure of the shared harness struck.
fail() {
    echo "FAIL: $* (during $phase)" >&2
    if [ -n "${program_pid:-}" ]; then
        ps -o pid=,stat=,etime=,args= -p "$program_pid" >&2 ||
            { wait "$program_pid" && echo "the program had ended, status 0" >&2 ||
                echo "the program had ended, status $?" >&2; }
    fi
    exit 1
}
CRLF=$'\r\n'

fragments=("egg" "Turkey" "2 and 1/4 hours" "1 hour 20 minutes" "1 2/3 min" "17 min" "0.25"
    "crème brûlée" "Käsespätzle" "日本語のメモ" "Ωμέγα" "🍳 pan" "€ 3,50" "comma, here"
    '"quoted"' 'back\slash' '%d %s' $'tab\tinside' "naïve" "😀😀" "Ø" "ß" "x" "12" "  ")

# The helpers below set variables rather than print: $RANDOM in a command substitution would
# run in a subshell and not advance this shell's sequence, so a seed would not repeat a run.
random_fragment() { fragment=${fragments[RANDOM % ${#fragments[@]}]}; }

# Blanks around a value, as a hand-edited file may have; the reader skips them.
random_blanks() { printf -v blanks '%*s' $((RANDOM % 4 == 0 ? RANDOM % 3 + 1 : 0)) ""; }

# Sets check_line and check_expected for the box whose program default is $1.
random_check() {
    local roll=$((RANDOM % 10)) value=$((RANDOM % 3))
    if ((roll == 0)); then
        random_blanks
        check_line=$blanks
        check_expected=0
    elif ((roll == 1)); then
        check_line=$((RANDOM % 2 ? 3 : -1))
        check_expected=$1
    else
        random_blanks
        check_line=$blanks$value
        random_blanks
        check_line+=$blanks
        check_expected=$value
    fi
}

# Sets entry_line and entry_expected for the entry whose program default is $1.
random_entry() {
    local roll=$((RANDOM % 10)) text="" count
    if ((roll == 1)); then
        text="   "
    elif ((roll > 1)); then
        random_fragment
        text=$fragment
        for ((count = RANDOM % 3; count > 0; count--)); do
            random_fragment
            text+=" $fragment"
        done
    fi
    random_blanks
    entry_line=$blanks$text
    random_blanks
    entry_line+=$blanks
    entry_expected=$(printf '%s' "$entry_line" | sed -E 's/^[ \t]+//; s/[ \t]+$//')
    [ -n "$entry_expected" ] || entry_expected=$1
}

# Sets notes_written and notes_expected (the notes as the program writes them back, before the
# final line end) for notes whose program default is $1.
random_notes() {
    local lines=$((RANDOM % 12 + 1)) line count
    notes_written=""
    notes_expected=""
    if ((RANDOM % 8 == 0)); then
        notes_expected=$1
        return
    fi
    if ((RANDOM % 4 == 0)); then
        notes_written+=$CRLF
        notes_expected+=$CRLF
    fi
    for ((; lines > 0; lines--)); do
        line=""
        if ((RANDOM % 4 != 0)); then
            random_fragment
            line=$fragment
            for ((count = RANDOM % 5; count > 0; count--)); do
                # A lone LF stays inside its line.
                if ((RANDOM % 8 == 0)); then line+=$'\n'; else line+=" "; fi
                random_fragment
                line+=$fragment
            done
        fi
        notes_written+=$line
        notes_expected+=$line
        if ((lines > 1 || RANDOM % 3 == 0)); then
            # A lone CR comes back as CR LF.
            if ((RANDOM % 10 == 0)); then notes_written+=$'\r'; else notes_written+=$CRLF; fi
            notes_expected+=$CRLF
        fi
    done
    [ -n "$notes_written" ] || notes_expected=$1
}

# Fills $settings with a random file and $work/expected with what the program must save of it.
random_settings() {
    local eol=$CRLF written="" expected="" box
    ((RANDOM % 5 != 0)) || eol=$'\n'
    for box in 0 1 2; do
        random_check "${default_checks[box]}"
        written+=$check_line$eol
        expected+=$check_expected$CRLF
    done
    for box in 0 1; do
        random_entry "${default_entries[box]}"
        written+=$entry_line$eol
        # The minutes are changed before each close: only a change is saved.
        ((box == 0)) && entry_expected=7
        expected+=$entry_expected$CRLF
    done
    random_notes "$default_notes"
    printf '%s' "$written$notes_written$CRLF" >"$settings"
    printf '%s' "$expected$notes_expected$CRLF" >"$work/expected"
}

failures=0
# Counts a failure unless the settings file equals file $1; keeps both for a look later.
expect_file() {
    if cmp -s "$1" "$settings"; then
        return 0
    fi
    failures=$((failures + 1))
    mkdir -p "$failures_dir"
    cp "$1" "$failures_dir/$2.expected"
    cp "$settings" "$failures_dir/$2.found" 2>/dev/null || true
    echo "  mismatch: $2 (kept in $failures_dir)" >&2
    return 1
}

# The focus starts in the minutes entry with its text selected: "7" replaces it.
change_minutes() {
    xdotool windowactivate --sync "$window"
    xdotool type 7
}

# Starts the program and closes it, changing the minutes first when $1 is "change".
start_and_close() {
    start_program "$work"
    [ "${1:-}" != change ] || change_minutes
    close_window
    wait_for_exit 60
    [ "$exit_status" -eq 0 ] || echo "  exit status $exit_status" >&2
}

# Files in the program's directory other than the program and its settings file.
stray_files() { find "$program_dir" -mindepth 1 ! -name hobwatch ! -name Hobwatch.txt | wc -l; }

# Reads the file that a first start without settings leaves: the program's defaults.
read_defaults() {
    local content rest
    IFS= read -r -d '' content <"$settings" || true
    rest=$content
    default_checks=()
    default_entries=()
    for _ in 0 1 2; do default_checks+=("${rest%%"$CRLF"*}"); rest=${rest#*"$CRLF"}; done
    for _ in 0 1; do default_entries+=("${rest%%"$CRLF"*}"); rest=${rest#*"$CRLF"}; done
    default_notes=${rest%"$CRLF"}
}

start_desktop
rm -f "$settings"
start_and_close
read_defaults
echo "Seed $seed. Defaults: checks ${default_checks[*]}, entries '${default_entries[0]}' '${default_entries[1]}', notes of ${#default_notes} characters"

cycle_ok=0
reload_ok=0
for ((cycle = 1; cycle <= cycles; cycle++)); do
    phase="cycle $cycle"
    random_settings
    start_and_close change
    expect_file "$work/expected" "cycle$cycle" && cycle_ok=$((cycle_ok + 1))
    cp "$settings" "$work/saved"
    start_and_close
    expect_file "$work/saved" "cycle$cycle-reload" && reload_ok=$((reload_ok + 1))
done
echo "Start-and-close cycles: $cycle_ok of $cycles saved exactly as expected;" \
    "$reload_ok of $cycles unchanged by the next start and close; stray files $(stray_files)"

# Notes of $1 lines of about 80 bytes drawn from seed $2; in the "old" file ($3) every 97th line
# ends in a lone CR, which the save turns into CR LF, so the old and the new file differ from
# their first line to their last.
big_settings() {
    awk -v lines="$1" -v seed="$2" -v kind="$3" 'BEGIN {
        srand(seed)
        eol = "\r\n"
        printf "%s", (kind == "old" ? " 1 " eol " 0" eol "2 " eol " 45 " eol "1.5" eol : "1" eol "0" eol "2" eol "7" eol "1.5" eol)
        for (i = 1; i <= lines; i++) {
            printf "%d: Brot backen %d min bei 220 °C, dann 🍞 ruhen lassen; crème %05d", i, int(rand() * 90), int(rand() * 99999)
            printf "%s", (i % 97 == 0 && kind == "old" ? "\r" : eol)
        }
        printf "%s", eol
    }'
}

# Times one close of a big file ($1 lines) under strace: when the temporary file is created and
# renamed, and when the program ends, in ms after the close was asked for. Only these calls stop
# the program, so the figures are near those of an untraced close.
traced_close() {
    local trace=$work/calibration strace_pid requested
    big_settings "$1" 1 old >"$settings"
    (cd "$work" && exec strace -f --seccomp-bpf -qq -ttt -o "$trace" \
        -e trace=openat,rename,renameat,renameat2,exit_group "$program") &
    strace_pid=$!
    background_pids+=("$strace_pid")
    # By name: strace forks short-lived children of its own to probe the kernel first.
    wait_for 10 eval 'program_pid=$(pgrep -x -P "$strace_pid" hobwatch)' ||
        fail "no program under strace"
    wait_for 30 find_window || fail "the window did not appear"
    change_minutes
    xdotool key --clearmodifiers alt+F4
    requested=$EPOCHREALTIME
    wait "$strace_pid" || true
    awk -v requested="$requested" '
        /openat\(.*Hobwatch\.txt\..*O_CREAT/ && !created { created = $2 }
        /rename.*Hobwatch\.txt/ { renamed = $2 }
        /exit_group/ { ended = $2 }
        END { printf "%.0f %.0f %.0f\n", (created - requested) * 1000, (renamed - requested) * 1000, (ended - requested) * 1000 }' "$trace"
}

# Microseconds of the epoch in $now, read without starting a process, so that no fork delays
# the kill.
read_clock() { now=${EPOCHREALTIME/./}; now=$((10#$now)); }

spin_until() {
    read_clock
    while ((now < $1)); do read_clock; done
}

# Spins until this program's temporary file exists ($1 = present) or is gone ($1 = absent), for
# at most 5 s.
spin_for_temporary() {
    local deadline
    read_clock
    deadline=$((now + 5000000))
    while ((now < deadline)); do
        if compgen -G "$program_dir/.Hobwatch.txt.$program_pid-*.tmp" >/dev/null; then
            [ "$1" = absent ] || return 0
        else
            [ "$1" = present ] || return 0
        fi
        read_clock
    done
}

# Median over three untraced closes of a big file ($1 lines): how long the temporary file lives,
# from its creation to the rename, in ms.
save_lifetime_ms() {
    local appeared
    for _ in 1 2 3; do
        big_settings "$1" 1 old >"$settings"
        start_program "$work"
        change_minutes
        xdotool key --clearmodifiers alt+F4
        spin_for_temporary present
        appeared=$now
        spin_for_temporary absent
        echo $(((now - appeared + 999) / 1000))
        wait "$program_pid" || true
    done | sort -n | sed -n 2p
}

lines=50000
phase="timing the save"
read -r created renamed ended < <(traced_close "$lines")
save_ms=$(save_lifetime_ms "$lines")
echo "Close of a $(big_settings "$lines" 1 old | wc -c)-byte file: under strace the temporary file" \
    "was created ${created} ms and renamed ${renamed} ms after the request, and the program ended" \
    "at ${ended} ms; untraced the temporary file lives ${save_ms} ms"
close_ms=$((ended + 10))

declare -A outcomes=()
leftovers=0
next_ok=0
for ((run = 1; run <= kills; run++)); do
    phase="kill run $run"
    size=$((lines + RANDOM % 20000))
    big_seed=$RANDOM
    big_settings "$size" "$big_seed" old >"$work/old"
    big_settings "$size" "$big_seed" new >"$work/new"
    cp "$work/old" "$settings"
    strays_before=$(stray_files)
    start_program "$work"
    change_minutes
    # Odd runs: a random moment of the whole close. Even runs: a random moment of the save itself,
    # counted from the appearance of this process's temporary file.
    xdotool key --clearmodifiers alt+F4
    read_clock
    requested=$now
    if ((run % 2)); then
        mode="any moment of the close"
        spin_until $((requested + (RANDOM % (close_ms + 1)) * 1000))
    else
        mode="within the save"
        spin_for_temporary present
        spin_until $((now + (RANDOM % (save_ms * 10 + 1)) * 100))
    fi
    # Read with builtins only: a zombie has already ended, though a kill would still succeed.
    state=Z
    read -r _ _ state _ 2>/dev/null <"/proc/$program_pid/stat" || true
    killed="ended before the kill"
    if [ "$state" != Z ] && kill -KILL "$program_pid" 2>/dev/null; then
        killed=killed
    fi
    wait "$program_pid" 2>/dev/null || true
    if cmp -s "$work/old" "$settings"; then
        outcome="old content"
    elif cmp -s "$work/new" "$settings"; then
        outcome="new content"
    elif [ ! -s "$settings" ]; then
        outcome="EMPTY or missing"
        failures=$((failures + 1))
    else
        outcome="MIXED"
        failures=$((failures + 1))
        mkdir -p "$failures_dir"
        cp "$settings" "$failures_dir/kill$run.found"
    fi
    strays_after=$(stray_files)
    left=$((strays_after - strays_before))
    leftovers=$((leftovers + left))
    key="$mode: $killed, $outcome, $left temporary file(s) left"
    outcomes[$key]=$((${outcomes[$key]:-0} + 1))
    # The next start loads whatever is there, stray files beside it, and saves the new content.
    start_and_close change
    expect_file "$work/new" "kill$run-next-start" && next_ok=$((next_ok + 1))
done
echo "SIGKILL during the close, $kills runs (any moment: 0..$close_ms ms after the request; within the save: 0..$save_ms ms after the temporary file appeared):"
for outcome in "${!outcomes[@]}"; do
    printf '  %3d x %s\n' "${outcomes[$outcome]}" "$outcome"
done | sort -k3
echo "  next start after the kill loaded and saved the file whole: $next_ok of $kills"
echo "  temporary files left beside the settings file: $leftovers ($(find "$program_dir" -name '.Hobwatch.txt.*' -printf '%f %s bytes\n' | head -n 3 | tr '\n' ' '))"
echo "Soak failures: $failures"
