#!/usr/bin/env bash
# Tick fidelity with a real sound server behind ALSA's "default" device: runs a countdown with
# both alarms and the automatic exit ticked under Xvfb with openbox, once with PulseAudio and
# once with PipeWire at its default quantum and once at the large quantum (8192) that
# power-saving set-ups choose, each with a null sink. Every server is started privately by this
# script: its own XDG_RUNTIME_DIR, a HOME whose .asoundrc points "default" at it, a session bus;
# the machine's own ALSA configuration is left as it is.
# Prints for each server: the captions seen, skipped and repeated, running and overtime; how late
# each caption came after its second; how long the window's thread was busy in each second (from
# strace of its poll calls); and on how many time-up ticks the sounds reached the server, as new
# streams (the bell and the tone each open one or more).
# PulseAudio's and PipeWire's ALSA plugins cannot be installed together: libasound2-plugins
# (PulseAudio's) is installed, and PipeWire's plugin is taken from its package into a private
# folder (PIPEWIRE_ALSA_DIR, fetched with apt-get download when not given).
# Usage: bench/sound_server_ticks.sh PROGRAM [MINUTES]   (MINUTES below 60; default 0.5)
source "$(dirname "$0")/../tests/e2e/desktop.sh" "$1"
minutes=${2:-0.5}
total=$(awk -v m="$minutes" 'BEGIN { printf "%d", m * 60 + 0.5 }')
# The automatic exit comes at the tenth second of overtime.
overtime_captions=10
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || gcc -print-multiarch)

pipewire_plugin() {
    local dir=${PIPEWIRE_ALSA_DIR:-$work/pipewire-alsa} version
    if [ -z "${PIPEWIRE_ALSA_DIR:-}" ]; then
        version=$(dpkg-query -W -f='${Version}' pipewire)
        mkdir -p "$work/deb" "$dir"
        (cd "$work/deb" && apt-get download -qq "pipewire-alsa=$version" 2>/dev/null) ||
            fail "could not download pipewire-alsa $version"
        dpkg-deb -x "$work"/deb/pipewire-alsa_*.deb "$dir"
    fi
    plugin=$dir/usr/lib/$multiarch/alsa-lib/libasound_module_pcm_pipewire.so
    [ -f "$plugin" ] || fail "no PipeWire ALSA plugin in $dir"
    echo "$plugin"
}

# A private session for one server under $work/$1: sets and exports HOME, XDG_RUNTIME_DIR,
# XDG_CONFIG_HOME and DBUS_SESSION_BUS_ADDRESS for everything started after it.
start_session() {
    local dir=$work/$1
    mkdir -p "$dir/home" "$dir/config"
    mkdir -m 0700 "$dir/runtime"
    export HOME=$dir/home XDG_RUNTIME_DIR=$dir/runtime XDG_CONFIG_HOME=$dir/config
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$dir/runtime/bus
    background_pids+=("$(dbus-daemon --session --fork --nosyslog --print-pid \
        --address="$DBUS_SESSION_BUS_ADDRESS")")
    session_pids=()
}

# Starts "$@" in the background as part of the current session.
session_start() {
    "$@" >>"$XDG_RUNTIME_DIR/servers.log" 2>&1 &
    session_pids+=($!)
    background_pids+=($!)
}

stop_session() {
    kill "${session_pids[@]}" 2>/dev/null || true
    wait "${session_pids[@]}" 2>/dev/null || true
}

null_sink_is_default() { [ "$(pactl get-default-sink 2>/dev/null)" = nullsink ]; }

start_pulseaudio() {
    start_session pulseaudio
    cat >"$XDG_CONFIG_HOME/default.pa" <<'EOF'
load-module module-native-protocol-unix
load-module module-null-sink sink_name=nullsink
set-default-sink nullsink
EOF
    printf 'pcm.!default { type pulse }\nctl.!default { type pulse }\n' >"$HOME/.asoundrc"
    session_start pulseaudio -n -F "$XDG_CONFIG_HOME/default.pa" --daemonize=no \
        --exit-idle-time=-1 --use-pid-file=no
    wait_for 10 null_sink_is_default || fail "PulseAudio did not start"
    server="PulseAudio $(pactl info | sed -n 's/^Server Version: //p'), null sink"
}

# $1: the graph's quantum in samples, or "" for PipeWire's own choice.
start_pipewire() {
    local quantum=$1
    start_session "pipewire$quantum"
    mkdir -p "$XDG_CONFIG_HOME/pipewire/pipewire.conf.d"
    cat >"$XDG_CONFIG_HOME/pipewire/pipewire.conf.d/null-sink.conf" <<'EOF'
context.objects = [
    { factory = adapter
      args = { factory.name = support.null-audio-sink node.name = nullsink
               media.class = Audio/Sink object.linger = true audio.position = [ FL FR ]
               priority.driver = 1000 priority.session = 1000 } }
]
EOF
    if [ -n "$quantum" ]; then
        printf 'context.properties = { default.clock.quantum = %s default.clock.min-quantum = %s }\n' \
            "$quantum" "$quantum" >"$XDG_CONFIG_HOME/pipewire/pipewire.conf.d/quantum.conf"
    fi
    printf 'pcm_type.pipewire { lib "%s" }\npcm.!default { type pipewire }\n' \
        "$pipewire_plugin" >"$HOME/.asoundrc"
    session_start pipewire
    # The session manager and the PulseAudio service give up when PipeWire is not there yet.
    wait_for 10 test -S "$XDG_RUNTIME_DIR/pipewire-0" || fail "PipeWire did not start"
    session_start wireplumber
    # Only so that pactl can count the streams, as on PulseAudio.
    session_start pipewire-pulse
    # The session manager may take a while on a busy machine.
    wait_for 30 eval 'pactl list short sinks 2>/dev/null | grep -q nullsink' ||
        fail "PipeWire has no null sink: $(tail -n 5 "$XDG_RUNTIME_DIR/servers.log")"
    wait_for 30 eval 'pactl set-default-sink nullsink 2>/dev/null && null_sink_is_default' ||
        fail "PipeWire did not take the null sink as default: $(tail -n 5 "$XDG_RUNTIME_DIR/servers.log")"
    server="PipeWire $(pipewire --version | sed -n 's/^Linked with libpipewire //p'), null sink"
    [ -z "$quantum" ] || server+=", quantum $quantum"
}

# Runs one countdown in the current session and prints what it showed.
run_countdown() {
    local captions=$work/captions.$1 streams=$work/streams.$1 polls=$work/polls.$1 before after
    # Beep 2, Beep 1 and End 10 ticked.
    printf '1\r\n1\r\n1\r\n%s\r\n2.5\r\nnotes\r\n' "$minutes" >"$settings"
    start_program "$work"
    xdotool windowactivate --sync "$window"
    xprop -spy -id "$window" _NET_WM_NAME | while IFS= read -r line; do
        printf '%s %s\n' "$EPOCHREALTIME" "${line#*= }"
    done >"$captions" &
    background_pids+=($!)
    pactl subscribe 2>/dev/null | while IFS= read -r line; do
        [[ "$line" != *"'new' on sink-input"* ]] || printf '%s\n' "$EPOCHREALTIME"
    done >"$streams" &
    background_pids+=($!)
    # The window's thread alone: its polls show when it was busy.
    strace -qq -ttt -T -e trace=poll,ppoll -p "$program_pid" -o "$polls" 2>/dev/null &
    background_pids+=($!)
    sleep 1

    before=$EPOCHREALTIME
    xdotool key --clearmodifiers Tab space
    after=$EPOCHREALTIME
    wait_for_exit $((total + overtime_captions + 30))
    sleep 0.5

    printf '\n== %s\n' "$server"
    awk -v total="$total" -v over="$overtime_captions" -v before="$before" -v after="$after" '
        # A second of the countdown: 1 .. total-1 running, total + overtime after it.
        function second(caption, rest,   parts) {
            split(caption, parts, ":")
            return rest == "Over" ? total + parts[1] * 60 + parts[2] : total - (parts[1] * 60 + parts[2])
        }
        function median(values, n,   i, j, t) {
            for (i = 2; i <= n; i++) for (j = i; j > 1 && values[j - 1] > values[j]; j--) {
                t = values[j]; values[j] = values[j - 1]; values[j - 1] = t }
            return n == 0 ? 0 : n % 2 ? values[(n + 1) / 2] : (values[n / 2] + values[n / 2 + 1]) / 2
        }
        # A new stream on the server: a bell or a tone, counted for the second it came in.
        FILENAME ~ /streams/ { streams[int($1 - before)]++; next }
        FILENAME ~ /captions/ {
            gsub(/"/, "")
            if ($3 != "Over" && $3 !~ /^\(/) next
            s = second($2, $3)
            seen[s]++
            if (!(s in late)) late[s] = $1 - before - s
            next
        }
        # The polls of the window thread, kept for the end: those of the event loop are told
        # by their set of file descriptors, the one seen most often; a poll on another set (a
        # sound device, say) is work done inside a tick.
        {
            fds = match($0, /poll\(\[[^]]*\]/) ? substr($0, RSTART, RLENGTH) : ""
            polls++
            start[polls] = $1 + 0
            set[polls] = fds
            uses[fds]++
            match($0, /<[0-9.]+>$/)
            took[polls] = RSTART ? substr($0, RSTART + 1, RLENGTH - 2) + 0 : 0
        }
        END {
            for (f in uses) if (uses[f] > uses[loop]) loop = f
            # Busy from the return of one event-loop poll to the start of the next.
            for (i = 1; i <= polls; i++) {
                if (set[i] != loop) continue
                if (returned != "" && start[i] - before >= 0) {
                    s = int(returned - before)
                    if (start[i] - returned > busy[s]) busy[s] = start[i] - returned
                }
                returned = start[i] + took[i]
            }
            least = 1e9
            for (s = 1; s < total; s++) if (s in late && late[s] < least) least = late[s]
            report("running", 1, total - 1)
            report("overtime", total, total + over - 1)
            alarms = 0; fewest = 1e9; most = 0
            for (s = total; s <= total + over; s++) if (s in streams) {
                alarms++
                if (streams[s] < fewest) fewest = streams[s]
                if (streams[s] > most) most = streams[s]
            }
            printf "  time-up ticks whose sounds reached the server %d of %d (the last one ends the program), %d to %d new streams each; %d at the start\n",
                   alarms, over + 1, fewest, most, streams[0]
            printf "  key press uncertainty       %.1f ms\n", (after - before) * 1000
        }
        function report(part, first, last,   s, n, skipped, repeated, nl, nb, l, b) {
            n = 0; skipped = 0; repeated = 0; nl = 0; nb = 0
            for (s = first; s <= last; s++) {
                if (!(s in seen)) { skipped++; continue }
                n++
                repeated += seen[s] - 1
                l[++nl] = (late[s] - least) * 1000
            }
            for (s = first; s <= last; s++) if (s in busy) b[++nb] = busy[s] * 1000
            printf "  %-9s captions seen %d of %d, skipped %d, repeated %d\n", part, n, last - first + 1, skipped, repeated
            printf "  %-9s caption after its second, against the most punctual running one: median %.0f ms, from %.0f to %.0f ms\n", part, median(l, nl), l[1], l[nl]
            printf "  %-9s window thread busy, longest stretch in each second: median %.1f ms, max %.1f ms\n", part, median(b, nb), b[nb]
        }' "$streams" "$captions" "$polls"
}

start_desktop
pipewire_plugin=$(pipewire_plugin)
printf 'Countdown of %s minutes (%d s) with the bell, the tone and the automatic exit ticked\n' \
    "$minutes" "$total"

start_pulseaudio
run_countdown pulseaudio
stop_session

for quantum in "" 8192; do
    start_pipewire "$quantum"
    run_countdown "pipewire$quantum"
    stop_session
done
