#!/usr/bin/env bash
# Start-up benchmark: launch to first paint, and resident memory 3 s after the launch, of
# Hobwatch, of the floor (a bare Qt 6 Widgets window) and of Debian's gnome-clocks and ktimer,
# under Xvfb with openbox. The programs take turns, run after run, so that a busy moment of the
# machine falls on all of them alike; each program has one untimed run first to warm the file
# cache. Every run gets a fresh HOME and XDG_RUNTIME_DIR and a session bus of its own, started
# before the launch so that its start is not counted.
# Usage: bench/startup.sh HOBWATCH FLOOR WATCHER [RUNS]   (WATCHER: first_paint_watch)
source "$(dirname "$0")/../tests/e2e/desktop.sh" "$1"
floor=$2
watcher=$3
runs=${4:-7}

labels=(hobwatch floor gnome-clocks ktimer "gnome-clocks cairo")
commands=("$program" "$floor" gnome-clocks ktimer gnome-clocks)
environments=("" "" "" "" GSK_RENDERER=cairo)
results=$work/results
messages=$work/messages
mkdir -p "$results"

# One launch of program $1 (an index into the tables above); appends its figures to its file.
measure() {
    local index=$1 run_dir home runtime bus_pid
    run_dir=$(mktemp -d "$work/run.XXXXXX")
    home=$run_dir/home
    runtime=$run_dir/runtime
    mkdir -p "$home"
    mkdir -m 0700 "$runtime"
    rm -f "$settings"
    bus_pid=$(env HOME="$home" XDG_RUNTIME_DIR="$runtime" dbus-daemon --session --fork --nosyslog \
        --address="unix:path=$runtime/bus" --print-pid)
    background_pids+=("$bus_pid")
    env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME \
        HOME="$home" XDG_RUNTIME_DIR="$runtime" DBUS_SESSION_BUS_ADDRESS="unix:path=$runtime/bus" \
        ${environments[index]} "$watcher" --memory-at 3 --helpers-of "$bus_pid" \
        -- "${commands[index]}" 2>>"$messages.$index" >>"$results/$index" ||
        echo "run of ${labels[index]} failed: $(tail -n 1 "$results/$index")" >&2
    kill "$bus_pid" 2>/dev/null || true
    rm -rf "$run_dir"
}

start_desktop
for index in "${!labels[@]}"; do
    measure "$index"
    : >"$results/$index"
done
for ((run = 1; run <= runs; run++)); do
    for index in "${!labels[@]}"; do
        measure "$index"
    done
done

# min / median / max of field $1 of the results file $2, scaled by $3.
spread() {
    sed -n "s/.*\b$1=\([0-9.]*\).*/\1/p" "$2" | sort -g |
        awk -v scale="$3" '{ v[NR] = $1 * scale }
            END { if (NR == 0) { print "- - -"; exit }
                  m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
                  printf "%.1f %.1f %.1f\n", v[1], m, v[NR] }'
}
median() { spread "$1" "$2" "$3" | awk '{ print $2 }'; }

floor_paint=$(median paint_ms "$results/1" 1)
floor_rss=$(median rss_kb "$results/1" 1)
printf '\nStart-up under Xvfb + openbox, %d runs each (min / median / max); memory 3 s after launch\n' "$runs"
printf '%-20s %-20s %-20s %-20s %-9s %-9s %s\n' program "map ms" "first paint ms" "VmRSS MiB" \
    "paint/fl" "RSS/fl" "all processes MiB, bus helpers MiB"
for index in "${!labels[@]}"; do
    file=$results/$index
    paint=$(median paint_ms "$file" 1)
    rss=$(median rss_kb "$file" 1)
    printf '%-20s %-20s %-20s %-20s %-9s %-9s %s (%s procs), %s\n' "${labels[index]}" \
        "$(spread map_ms "$file" 1 | tr ' ' /)" "$(spread paint_ms "$file" 1 | tr ' ' /)" \
        "$(spread rss_kb "$file" 0.0009765625 | tr ' ' /)" \
        "$(awk -v a="$paint" -v b="$floor_paint" 'BEGIN { printf "%.2f", a / b }')" \
        "$(awk -v a="$rss" -v b="$floor_rss" 'BEGIN { printf "%.2f", a / b }')" \
        "$(median tree_kb "$file" 0.0009765625)" "$(median tree_procs "$file" 1 | cut -d. -f1)" \
        "$(median helpers_kb "$file" 0.0009765625)"
    printf '%-20s window class seen: %s\n' "" "$(sed -n 's/.*class=//p' "$file" | sort -u | tr '\n' ' ')"
done

printf '\nGoals (medians): start-up within 1.2 x the floor, memory within 1.12 x, ahead of both peers\n'
hob_paint=$(median paint_ms "$results/0" 1)
hob_rss=$(median rss_kb "$results/0" 1)
verdict() { awk -v a="$2" -v b="$3" -v what="$1" \
    'BEGIN { printf "  %-44s %8.1f vs %8.1f  %s\n", what, a, b, (a <= b ? "met" : sprintf("missed by %.1f%%", (a / b - 1) * 100)) }'; }
verdict "first paint ms vs 1.2 x floor" "$hob_paint" "$(awk -v f="$floor_paint" 'BEGIN { print 1.2 * f }')"
verdict "VmRSS KiB vs 1.12 x floor" "$hob_rss" "$(awk -v f="$floor_rss" 'BEGIN { print 1.12 * f }')"
for peer in 2 3; do
    verdict "first paint ms vs ${labels[peer]}" "$hob_paint" "$(median paint_ms "$results/$peer" 1)"
    verdict "VmRSS KiB vs ${labels[peer]}" "$hob_rss" "$(median rss_kb "$results/$peer" 1)"
done

# Where the resident memory of Hobwatch and the floor goes, 3 s after both were launched with a
# HOME, runtime directory and session bus of their own.
printf '\nResident memory by mapping, 3 s after launch (/proc/PID/smaps)\n'
run_dir=$(mktemp -d "$work/run.XXXXXX")
mkdir -p "$run_dir/home"
mkdir -m 0700 "$run_dir/runtime"
rm -f "$settings"
bus_pid=$(env HOME="$run_dir/home" XDG_RUNTIME_DIR="$run_dir/runtime" dbus-daemon --session \
    --fork --nosyslog --address="unix:path=$run_dir/runtime/bus" --print-pid)
background_pids+=("$bus_pid")
launched=()
for index in 0 1; do
    env -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME -u XDG_STATE_HOME \
        HOME="$run_dir/home" XDG_RUNTIME_DIR="$run_dir/runtime" \
        DBUS_SESSION_BUS_ADDRESS="unix:path=$run_dir/runtime/bus" "${commands[index]}" \
        2>/dev/null &
    launched+=($!)
    background_pids+=($!)
done
sleep 3
"$(dirname "$0")/memory_by_mapping.sh" "hobwatch=${launched[0]}" "floor=${launched[1]}"
kill "${launched[@]}" "$bus_pid" 2>/dev/null || true

printf '\nWhat the programs printed on stderr (distinct lines, process ids and times masked):\n'
for index in "${!labels[@]}"; do
    [ -s "$messages.$index" ] || continue
    printf '  %s:\n' "${labels[index]}"
    sed -E 's/[0-9]{2}:[0-9]{2}:[0-9]{2}\.[0-9]+/TIME/; s/:[0-9]+\)/:PID)/' "$messages.$index" |
        grep -v '^$' | sort | uniq -c | sed 's/^/    /'
done
