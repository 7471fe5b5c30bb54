#!/usr/bin/env bash
# Splitting at the pauses: a 1280x720 H.264 + AAC talk of MINUTES minutes (speech-like sound,
# a pause of four seconds every 20) cut at its pauses to MP3 against one conversion of the whole
# file, the medians of RUNS alternating runs and their ratio (target: at most 1.2); then the
# pause finder alone on one core, as a multiple of real time (target: at least 300).
#
#   bench/silence_vs_whole.sh [RUNS] [MINUTES]   (defaults 3 and 10; builds into build/)
set -euo pipefail
runs=${1:-3}
minutes=${2:-10}
. "$(dirname "$0")/common.sh"
bench_build tolvane-cli
bench_build tolvane-silences
cli=build/cli/tolvane-cli
source_file=$bench_cache/${minutes}_minutes_talk_720p.mp4
if [ ! -s "$source_file" ]; then
    echo "Generating $(basename "$source_file") (once)..." >&2
    ffmpeg -nostdin -v error -y -f lavfi -i "testsrc2=size=1280x720:rate=25" -f lavfi \
        -i "aevalsrc='0.25*sin(2*PI*(180+40*sin(PI*t))*t)*(0.6+0.4*sin(8*PI*t))*lt(mod(t\,20)\,16)':s=44100" \
        -t $((minutes * 60)) -c:v libx264 -preset ultrafast -crf 30 -c:a aac -b:a 128k -ac 2 \
        "$source_file.tmp.mp4"
    mv "$source_file.tmp.mp4" "$source_file"
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

: > "$work/split"; : > "$work/whole"; : > "$work/find"
for _ in $(seq "$runs"); do
    bench_measure "$cli" -q -f mp3 --split-silence -o "$work/out" "$source_file" >> "$work/split"
    bench_measure "$cli" -q -f mp3 -o "$work/out" "$source_file" >> "$work/whole"
    build/bench/tolvane-silences "$source_file" 1 | cut -d' ' -f1 >> "$work/find"
done
sw=$(cut -d' ' -f1 "$work/split" | median); ww=$(cut -d' ' -f1 "$work/whole" | median)
fw=$(median < "$work/find")
awk -v m="$minutes" -v s="$sw" -v w="$ww" -v f="$fw" 'BEGIN {
    printf "split of %d minutes at its pauses: %.2f s, whole file: %.2f s, ratio %.3f\n", m, s, w, s / w
    printf "pause finder on one core: %.2f s, %.0f times real time\n", f, m * 60 / f }'
