#!/usr/bin/env bash
# Resident memory of running processes by what is mapped, from /proc/PID/smaps, side by side.
# Mappings are grouped: the heap, other anonymous memory, the program itself, Qt, Qt's image format
# plugins with the libraries they pull in, the sound libraries (ALSA, libcanberra and what they
# pull in), fonts, and every other file by its name.
# Usage: bench/memory_by_mapping.sh LABEL=PID [LABEL=PID...]
# Prints one row per group with each process's KiB, the difference of the first two, and the
# totals; groups under 100 KiB in every process are summed into "smaller".
set -euo pipefail

group_sizes() {
    awk '
        /^[0-9a-f]+-[0-9a-f]+ / {
            path = NF >= 6 ? $6 : ""
            if (path == "[heap]") group = "heap"
            else if (path == "") group = "anonymous"
            else if (path ~ /^\[/) group = path
            else if (path ~ /\/imageformats\// || path ~ /libQt6Svg|libjpeg/)
                group = "image format plugins"
            else if (path ~ /libQt6/) group = "Qt 6 libraries"
            else if (path ~ /lib(asound|canberra|vorbis|ogg|tdb|ltdl)/ || path ~ /alsa-lib/)
                group = "sound libraries"
            else if (path ~ /\/fonts\// || path ~ /\.(ttf|otf|pfb)$/) group = "font files"
            else { n = split(path, part, "/"); group = part[n] }
            next
        }
        /^Rss:/ { kib[group] += $2 }
        END { for (g in kib) printf "%s\t%d\n", g, kib[g] }' "/proc/$1/smaps"
}

labels=()
files=()
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for labelled_pid in "$@"; do
    labels+=("${labelled_pid%%=*}")
    file=$work/${#files[@]}
    group_sizes "${labelled_pid#*=}" >"$file"
    files+=("$file")
done

awk -F '\t' -v labels="${labels[*]}" -v count="${#files[@]}" '
    { kib[FILENAME, $1] = $2; groups[$1] = 1; total[FILENAME] += $2; order[FILENAME] = 0 }
    FNR == 1 { file[++files] = FILENAME }
    END {
        split(labels, label, " ")
        printf "  %-28s", "mapping (KiB resident)"
        for (i = 1; i <= count; i++) printf " %12s", label[i]
        if (count >= 2) printf " %12s", label[1] " - " label[2]
        printf "\n"
        for (g in groups) {
            big = 0
            for (i = 1; i <= count; i++) if (kib[file[i], g] >= 100) big = 1
            if (!big) { for (i = 1; i <= count; i++) small[i] += kib[file[i], g]; continue }
            line = sprintf("  %-28s", g)
            for (i = 1; i <= count; i++) line = line sprintf(" %12d", kib[file[i], g])
            if (count >= 2) line = line sprintf(" %+12d", kib[file[1], g] - kib[file[2], g])
            rows[++n] = sprintf("%012d %s", kib[file[1], g], line)
        }
        for (i = 1; i <= n; i++) print rows[i] | "sort -r | cut -c14-"
        close("sort -r | cut -c14-")
        line = sprintf("  %-28s", "smaller")
        for (i = 1; i <= count; i++) line = line sprintf(" %12d", small[i])
        if (count >= 2) line = line sprintf(" %+12d", small[1] - small[2])
        print line
        line = sprintf("  %-28s", "total")
        for (i = 1; i <= count; i++) line = line sprintf(" %12d", total[file[i]])
        if (count >= 2) line = line sprintf(" %+12d", total[file[1]] - total[file[2]])
        print line
    }' "${files[@]}"
