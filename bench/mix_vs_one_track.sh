#!/usr/bin/env bash
# A mix of two sound tracks: a video of MINUTES minutes with two AAC tracks to MP3, the two mixed
# (-a 1+2) against the first alone (target: at most 1.3). Medians of RUNS alternating runs, on
# one core (-j 1), as ratios of this invocation's runs.
#
#   bench/mix_vs_one_track.sh [RUNS] [MINUTES]   (defaults 3 and 5; builds into build/)
set -euo pipefail
runs=${1:-3}
minutes=${2:-5}
. "$(dirname "$0")/common.sh"
bench_cli_on_video "$minutes"
two=$bench_cache/${minutes}_minutes_two_tracks.mkv
if [ ! -s "$two" ]; then
    echo "Generating $(basename "$two") (once)..." >&2
    ffmpeg -nostdin -v error -y -i "$source_file" -f lavfi \
        -i "sine=frequency=1000:sample_rate=44100" -t $((minutes * 60)) -map 0:v -map 0:a \
        -map 1:a -c:v copy -c:a aac -b:a 128k "$two.tmp.mkv"
    mv "$two.tmp.mkv" "$two"
fi

: > "$work/one"; : > "$work/mix"
for _ in $(seq "$runs"); do
    bench_measure "$cli" -q -j 1 -f mp3 -a 1 -o "$work/out" "$two" >> "$work/one"
    bench_measure "$cli" -q -j 1 -f mp3 -a 1+2 -o "$work/out" "$two" >> "$work/mix"
done
ow=$(cut -d' ' -f1 "$work/one" | median); mw=$(cut -d' ' -f1 "$work/mix" | median)
awk -v o="$ow" -v m="$mw" -v n="$minutes" 'BEGIN {
    printf "%d minutes to MP3: one track %.2f s, two mixed %.2f s (ratio %.3f, target 1.3)\n", n, o, m, m / o }'
