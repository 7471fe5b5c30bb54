#!/usr/bin/env bash
# Probes 100 small video files with the engine (tolvane-cli --info: one process, as adding files
# to the list does) and with
# ffprobe (one process per file), and prints the time per file and the ratio engine / ffprobe.
#
#   bench/probe_vs_ffprobe.sh [RUNS]        (default 5)
set -euo pipefail
runs=${1:-5}
. "$(dirname "$0")/common.sh"
bench_build tolvane-cli
cli=$PWD/build/cli/tolvane-cli

cache=$bench_cache/probe
mkdir -p "$cache"
if [ ! -s "$cache/clip_100.mp4" ]; then
    echo "Generating 100 small videos (once)..."
    ffmpeg -nostdin -v error -y -f lavfi -i "testsrc2=size=320x240:rate=25" \
        -f lavfi -i "sine=frequency=440:sample_rate=44100" -t 3 \
        -c:v libx264 -preset ultrafast -c:a aac "$cache/source.mp4"
    for n in $(seq -w 1 100); do cp "$cache/source.mp4" "$cache/clip_$n.mp4"; done
    rm "$cache/source.mp4"
fi
files=("$cache"/clip_*.mp4)

now() { date +%s.%N; }
engine_times=()
ffprobe_times=()
for _ in $(seq "$runs"); do
    t0=$(now)
    "$cli" --info "${files[@]}" > /dev/null
    t1=$(now)
    for f in "${files[@]}"; do
        ffprobe -v error -show_entries format=duration:stream=codec_name,width,height,sample_rate,channels \
            "$f" > /dev/null
    done
    t2=$(now)
    engine_times+=("$(awk -v a="$t1" -v b="$t0" 'BEGIN { print a - b }')")
    ffprobe_times+=("$(awk -v a="$t2" -v b="$t1" 'BEGIN { print a - b }')")
done
e=$(printf '%s\n' "${engine_times[@]}" | median)
f=$(printf '%s\n' "${ffprobe_times[@]}" | median)
awk -v e="$e" -v f="$f" -v n="${#files[@]}" 'BEGIN {
    printf "files %d, median of runs\nengine  %.2f ms per file\nffprobe %.2f ms per file\nratio   %.3f\n",
        n, 1000 * e / n, 1000 * f / n, e / f }'
