#!/usr/bin/env bash
# Splitting a long recording: a 1280x720 H.264 + AAC video of MINUTES minutes cut into PARTS
# parts to MP3 (with --split-at) against one conversion of the whole file, the medians of RUNS
# alternating runs and their ratio (target: at most 1.1); then the time the clip dialog's
# waveform takes for a recording of two hours.
#
#   bench/split_vs_whole.sh [RUNS] [MINUTES] [PARTS]   (defaults 3, 60 and 12; builds into build/)
set -euo pipefail
runs=${1:-3}
minutes=${2:-60}
parts=${3:-12}
. "$(dirname "$0")/common.sh"
bench_cli_on_video "$minutes"
bench_build tolvane-envelope

list=$work/times.txt
for i in $(seq 0 $((parts - 1))); do
    seconds=$((i * minutes * 60 / parts))
    printf '%02d:%02d:%02d Part number %d\n' $((seconds / 3600)) $((seconds / 60 % 60)) $((seconds % 60)) $((i + 1))
done > "$list"

: > "$work/split"; : > "$work/whole"
for _ in $(seq "$runs"); do
    bench_measure "$cli" -q -f mp3 --split-at "$list" -o "$work/out" "$source_file" >> "$work/split"
    bench_measure "$cli" -q -f mp3 -o "$work/out" "$source_file" >> "$work/whole"
done
sw=$(cut -d' ' -f1 "$work/split" | median); ww=$(cut -d' ' -f1 "$work/whole" | median)
awk -v p="$parts" -v m="$minutes" -v s="$sw" -v w="$ww" 'BEGIN {
    printf "split of %d minutes into %d parts: %.2f s, whole file: %.2f s, ratio %.3f\n", m, p, s, w, s / w }'

# The waveform of two hours (a small picture: only the sound is read).
long=$bench_cache/120_minutes_240p.mp4
if [ ! -s "$long" ]; then
    echo "Generating 120_minutes_240p.mp4 (once)..." >&2
    ffmpeg -nostdin -v error -y -f lavfi -i "testsrc2=size=320x240:rate=25" \
        -f lavfi -i "sine=frequency=440:sample_rate=44100" -t 7200 \
        -c:v libx264 -preset ultrafast -crf 35 -c:a aac -b:a 128k -ac 2 "$long.tmp.mp4"
    mv "$long.tmp.mp4" "$long"
fi
: > "$work/wave"
for _ in $(seq "$runs"); do
    build/bench/tolvane-envelope "$long" | cut -d' ' -f1 >> "$work/wave"
done
echo "waveform of 120 minutes: $(median < "$work/wave") s (median of $runs)"
