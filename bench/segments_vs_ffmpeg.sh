#!/usr/bin/env bash
# One long file on every core: a 1280x720 H.264 + AAC video of MINUTES minutes to MP3 (128 kbps,
# 44.1 kHz, stereo) by `tolvane-cli -j 2`, its sound encoded in two segments at once and joined,
# and by `-j 1`, one piece, each against the ffmpeg command line with the same settings (target
# for -j 2: at most 0.6). Medians of RUNS alternating runs.
#
#   bench/segments_vs_ffmpeg.sh [RUNS] [MINUTES]   (defaults 3 and 60; builds into build/)
set -euo pipefail
runs=${1:-3}
minutes=${2:-60}
. "$(dirname "$0")/common.sh"
bench_cli_on_video "$minutes"

: > "$work/two"; : > "$work/one"; : > "$work/ff"
for _ in $(seq "$runs"); do
    bench_measure "$cli" -q -f mp3 -b 128000 -r 44100 -c 2 -j 2 -o "$work/out" "$source_file" >> "$work/two"
    bench_measure "$cli" -q -f mp3 -b 128000 -r 44100 -c 2 -j 1 -o "$work/out" "$source_file" >> "$work/one"
    bench_measure ffmpeg -nostdin -v error -y -i "$source_file" -vn -c:a libmp3lame -b:a 128k \
        -ar 44100 -ac 2 "$work/out/ref.mp3" >> "$work/ff"
done
tw=$(cut -d' ' -f1 "$work/two" | median); ow=$(cut -d' ' -f1 "$work/one" | median)
fw=$(cut -d' ' -f1 "$work/ff" | median)
tm=$(cut -d' ' -f2 "$work/two" | median); om=$(cut -d' ' -f2 "$work/one" | median)
awk -v m="$minutes" -v t="$tw" -v o="$ow" -v f="$fw" -v tm="$tm" -v om="$om" 'BEGIN {
    printf "%d minutes to MP3: -j 2 %.2f s (%.0f MiB), -j 1 %.2f s (%.0f MiB), ffmpeg %.2f s; ratios -j 2 / ffmpeg %.3f, -j 1 / ffmpeg %.3f\n", m, t, tm / 1024, o, om / 1024, f, t / f, o / f }'
