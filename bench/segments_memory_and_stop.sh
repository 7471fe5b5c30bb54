#!/usr/bin/env bash
# A long sound on two cores, its memory and its stop: a MINUTES-minute video to FLAC and to WAV
# with -j 2 (two segments at once, the second's frames waiting in a spill file) against -j 1,
# as the ratio of their peak memory (target: about 1, not half the output more); then Ctrl-C
# at 85 % of a -j 2 run's time, and how long the program takes to end after it, against the
# same for -j 1 (target: about the same, well under a second).
#
#   bench/segments_memory_and_stop.sh [MINUTES]   (default 20; builds into build/)
set -euo pipefail
minutes=${1:-20}
. "$(dirname "$0")/common.sh"
bench_cli_on_video "$minutes"
peak() {  # peak LANES FORMAT: the peak memory in KB and the seconds of one run
    rm -rf "$work/out"
    /usr/bin/time -f "%M %e" "$cli" -q -f "$2" -j "$1" -o "$work/out" "$source_file" \
        2>&1 >/dev/null | tail -1
}
stop_after() {  # stop_after LANES SECONDS: seconds from Ctrl-C to the end
    rm -rf "$work/out"
    "$cli" -q -f flac -j "$1" -o "$work/out" "$source_file" > /dev/null 2>&1 &
    local pid=$!
    sleep "$2"
    local from
    from=$(date +%s.%N)
    kill -INT "$pid"
    wait "$pid" || true
    awk -v a="$from" -v b="$(date +%s.%N)" 'BEGIN { printf "%.3f\n", b - a }'
}
for format in flac wav; do
    read -r one oneSeconds < <(peak 1 "$format")
    read -r two twoSeconds < <(peak 2 "$format")
    awk -v f="$format" -v a="$one" -v b="$two" 'BEGIN {
        printf "%s: peak memory -j 1 %.0f MB, -j 2 %.0f MB, ratio %.2f\n", f, a / 1024, b / 1024, b / a }'
done
read -r _ twoSeconds < <(peak 2 flac)
read -r _ oneSeconds < <(peak 1 flac)
late2=$(stop_after 2 "$(awk -v s="$twoSeconds" 'BEGIN { print s * 0.85 }')")
late1=$(stop_after 1 "$(awk -v s="$oneSeconds" 'BEGIN { print s * 0.85 }')")
awk -v a="$late1" -v b="$late2" 'BEGIN {
    printf "Ctrl-C at 85 %%: -j 1 ends %.3f s after it, -j 2 %.3f s, ratio %.2f\n", a, b, b / a }'
