# Settings files of extreme shapes for the large-file test and benchmark; sourced after
# desktop.sh. Shapes: one_line, empty_lines, lone_lf_lines, short_lines, mixed_line_ends,
# stand_ins (characters the notes box cannot hold as themselves), binary (random bytes).
notes_shapes=(one_line empty_lines lone_lf_lines short_lines mixed_line_ends stand_ins binary)

# The bytes $1 repeated, cut to exactly $2 bytes.
repeat_bytes() {
    local chunk=$work/chunk
    printf '%s' "$1" >"$chunk"
    while [ "$(stat -c %s "$chunk")" -lt "$2" ]; do
        cat "$chunk" "$chunk" >"$chunk.twice"
        mv "$chunk.twice" "$chunk"
    done
    head -c "$2" "$chunk"
    rm -f "$chunk"
}

# Writes to $3 a settings file of at most $2 bytes whose notes have the shape $1. But for binary
# notes, it is what the program itself writes for it, so a start and a close that change nothing
# leave it byte for byte.
make_settings() {
    local shape=$1 size=$2 file=$3 unit="" header=$'0\r\n1\r\n0\r\n15\r\n2.5\r\n'
    case $shape in
        one_line) unit=x ;;
        empty_lines) unit=$'\r\n' ;;
        lone_lf_lines) unit=$'\n' ;;
        short_lines) unit=$'egg\r\n' ;;
        mixed_line_ends) unit=$'egg\r\negg\n' ;;
        stand_ins) unit=$'a\xe2\x80\xa8' ;;
    esac
    local room=$((size - ${#header} - 2)) unit_bytes
    {
        printf '%s' "$header"
        if [ "$shape" = binary ]; then
            head -c "$room" /dev/urandom
        else
            unit_bytes=$(printf '%s' "$unit" | wc -c)
            repeat_bytes "$unit" $((room / unit_bytes * unit_bytes))
        fi
        printf '\r\n'
    } >"$file"
}

# The running program's peak resident memory so far, in kB; empty once it has ended.
peak_memory() { awk '/^VmHWM/ { print $2 }' "/proc/$program_pid/status" 2>/dev/null; }

# Ends the program as a logout does and sets peak_kb to its peak resident memory from its start
# to its end (the high-water mark only grows, so the last reading is the peak but for the last
# few milliseconds). SIGTERM saves as closing the window does, but a save that fails (random
# bytes at the limit would grow beyond it in UTF-8) asks no question that would wait for an
# answer.
close_watching_memory() {
    local reading
    peak_kb=$(peak_memory)
    kill -s TERM "$program_pid"
    while reading=$(peak_memory) && [ -n "$reading" ]; do
        peak_kb=$reading
        sleep 0.01
    done
}
