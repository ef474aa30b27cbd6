#!/usr/bin/env bash
# Soak of the saves made while typing, under Xvfb with openbox: SESSIONS sessions, each typing
# words into the notes and ended at a random moment, 0.3 to 8 s into the typing, by SIGKILL, by
# breaking its X connection (xdotool windowkill, as xkill does) or by SIGTERM. Afterwards the file
# must be whole, its notes the old notes followed by the start of what was typed, and every word
# typed more than 2 s before the end must be in it. Prints, for each way of ending, how old the
# oldest typing lost was (time from the end back to when that word had been typed).
# Usage: bench/typing_soak.sh PROGRAM [SESSIONS] [SEED]
source "$(dirname "$0")/../tests/e2e/desktop.sh" "$1"
sessions=${2:-100}
seed=${3:-$((($(date +%s) + $$) % 32768))}
RANDOM=$seed
old='0\r\n1\r\n0\r\n15\r\n2.5\r\nOld notes\r\n'
ways=(SIGKILL windowkill SIGTERM)

# Types " w1", " w2", ... into the focused notes, one word per call, logging after each word the
# microsecond it had been sent and its number.
typist() {
    local word
    for ((word = 1; ; word++)); do
        xdotool type --delay 15 " w$word" || return 0
        echo "${EPOCHREALTIME/./} $word" >>"$work/typed"
    done
}

start_desktop
echo "Seed $seed, $sessions sessions"
for ((session = 1; session <= sessions; session++)); do
    printf "$old" >"$settings"
    start_program "$work"
    xdotool windowactivate --sync "$window"
    # The focus starts in the minutes entry; the notes are four controls on.
    xdotool key --clearmodifiers Tab Tab Tab Tab ctrl+End
    : >"$work/typed"
    typist &
    typist_pid=$!
    tenths=$((RANDOM % 77 + 3))
    sleep "$((tenths / 10)).$((tenths % 10))"
    way=${ways[RANDOM % 3]}
    ended=${EPOCHREALTIME/./}
    case $way in
    SIGKILL) kill -s KILL "$program_pid" ;;
    windowkill) xdotool windowkill "$window" ;;
    SIGTERM) kill -s TERM "$program_pid" ;;
    esac
    kill "$typist_pid" 2>/dev/null || true
    wait "$typist_pid" 2>/dev/null || true
    wait_for_exit 30
    stray=$(find "$program_dir" -name '.Hobwatch.txt.*' | wc -l)
    python3 - "$settings" "$work/typed" "$ended" "$way" "$exit_status" "$stray" <<'PY' >>"$work/results"
import sys
settings, typed, ended, way, status, stray = sys.argv[1:]
ended = int(ended)
data = open(settings, "rb").read()
head = b"0\r\n1\r\n0\r\n15\r\n2.5\r\nOld notes"
times = {}
for line in open(typed):
    when, word = line.split()
    times[int(word)] = int(when)
whole = data.startswith(head) and data.endswith(b"\r\n")
notes = data[len(head):-2].decode("ascii", "replace") if whole else ""
sent = "".join(f" w{w}" for w in sorted(times)) + f" w{len(times) + 1}"
prefix = whole and sent.startswith(notes)
# The words whole on disk: those whose text up to their end the notes hold.
words_on_disk = 0
if prefix:
    while len("".join(f" w{w}" for w in range(1, words_on_disk + 2))) <= len(notes):
        words_on_disk += 1
first_lost = words_on_disk + 1
lost_age_ms = (ended - times[first_lost]) / 1000 if first_lost in times else 0.0
print(way, int(whole and prefix), f"{max(lost_age_ms, 0):.0f}", len(times), words_on_disk, status, stray)
PY
done
python3 - "$work/results" <<'PY'
import sys, collections
rows = [line.split() for line in open(sys.argv[1])]
by_way = collections.defaultdict(list)
for way, whole, age, typed, saved, status, stray in rows:
    by_way[way].append((int(whole), float(age), int(typed), int(saved), status, int(stray)))
bad = 0
for way, results in sorted(by_way.items()):
    ages = sorted(r[1] for r in results)
    over = sum(1 for a in ages if a > 2000)
    bad += over + sum(1 for r in results if not r[0])
    statuses = collections.Counter(r[4] for r in results)
    print(f"{way}: {len(results)} sessions; files whole {sum(r[0] for r in results)} of {len(results)}; "
          f"oldest typing lost: median {ages[len(ages) // 2]:.0f} ms, max {ages[-1]:.0f} ms, "
          f"over 2 s: {over}; words typed {sum(r[2] for r in results)}, on disk "
          f"{sum(r[3] for r in results)}; exit statuses {dict(statuses)}; "
          f"temporary files left {sum(r[5] for r in results)}")
print(f"Soak failures: {bad}")
PY
