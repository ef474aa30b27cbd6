#!/usr/bin/env bash
# Builds what the benchmarks need and runs them all, one after the other on the same machine:
# start-up and memory against the floor and the peers, CPU use, where a tick's CPU goes, tick
# fidelity without and with a sound server, and the two soaks.
# Usage: bench/run_all.sh [HOBWATCH]
# Without HOBWATCH, the program is built from this checkout as a release build, like the floor,
# so that both are compiled alike. Builds go to build-bench/ (override with BENCH_BUILD).
# STARTUP_RUNS (7), CPU_SECONDS (60), SOAK_CYCLES (200), SOAK_KILLS (50) and TYPING_SESSIONS
# (100) change the sizes.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD:-$source_dir/build-bench}

step() { printf '\n=== %s\n' "$*"; }

"$source_dir/scripts/install-deps.sh" bench

step "Build: the floor and the first-paint watcher"
cmake -S "$source_dir/bench" -B "$build/tools" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/tools" -j2
if [ $# -ge 1 ]; then
    hobwatch=$(realpath "$1")
else
    step "Build: Hobwatch (release)"
    cmake -S "$source_dir" -B "$build/program" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$build/program" --target hobwatch -j2
    hobwatch=$build/program/app/hobwatch
fi

step "Machine"
printf '%s, %s cores, %s; load average %s\n' "$(uname -r)" "$(nproc)" \
    "$(awk '/MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)" \
    "$(cut -d' ' -f1-3 /proc/loadavg)"
printf 'Hobwatch: %s\n' "$hobwatch"
dpkg-query -W -f='${Package} ${Version}\n' gnome-clocks ktimer xvfb openbox libqt6widgets6 pulseaudio \
    pipewire 2>/dev/null |
    sed 's/^/  /'

step "Start-up and memory: bench/startup.sh"
"$source_dir/bench/startup.sh" "$hobwatch" "$build/tools/bench_floor" \
    "$build/tools/first_paint_watch" "${STARTUP_RUNS:-7}"

step "CPU: bench/cpu_use.sh"
"$source_dir/bench/cpu_use.sh" "$hobwatch" "$build/tools/bench_floor" "${CPU_SECONDS:-60}"

step "Where a tick's CPU goes: bench/tick_profile.sh"
"$source_dir/bench/tick_profile.sh" "$hobwatch"

step "Tick fidelity: bench/tick_fidelity.sh"
"$source_dir/bench/tick_fidelity.sh" "$hobwatch"

step "Tick fidelity with sound servers: bench/sound_server_ticks.sh"
"$source_dir/bench/sound_server_ticks.sh" "$hobwatch"

step "Soak: bench/soak.sh"
"$source_dir/bench/soak.sh" "$hobwatch" "${SOAK_CYCLES:-200}" "${SOAK_KILLS:-50}"

step "Sessions ended while typing: bench/typing_soak.sh"
"$source_dir/bench/typing_soak.sh" "$hobwatch" "${TYPING_SESSIONS:-100}"
