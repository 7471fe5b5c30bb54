#!/usr/bin/env bash
# Times the engine against the ffmpeg command line doing the same audio transcode of a
# 10-minute 1280x720 H.264 + AAC video, for MP3 128 kbps 44.1 kHz, WAV, WMA and OGG.
# Prints the medians of RUNS alternating runs and the ratios engine / ffmpeg.
#
#   bench/convert_vs_ffmpeg.sh [RUNS]        (default 3; builds into build/ when needed)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
scripts/install-deps.sh
command -v /usr/bin/time > /dev/null || { apt-get install -y -qq time > /dev/null; }
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build --target tolvane-cli > /dev/null
cli=build/cli/tolvane-cli

cache=${TOLVANE_BENCH_CACHE:-$HOME/.cache/tolvane-bench}
mkdir -p "$cache"
source_file=$cache/ten_minutes_720p.mp4
if [ ! -s "$source_file" ]; then
    echo "Generating a 10-minute 1280x720 H.264 + AAC source (once)..."
    ffmpeg -nostdin -v error -y -f lavfi -i "testsrc2=size=1280x720:rate=25" \
        -f lavfi -i "sine=frequency=440:sample_rate=44100" -t 600 \
        -c:v libx264 -preset ultrafast -crf 30 -c:a aac -b:a 128k -ac 2 "$source_file.tmp.mp4"
    mv "$source_file.tmp.mp4" "$source_file"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# measure OUT_VAR COMMAND...: wall seconds and peak kilobytes of one run.
measure() {
    local stats
    rm -rf "$work/out" && mkdir -p "$work/out"
    /usr/bin/time -f "%e %M" -o "$work/time" "$@" > /dev/null 2>&1
    stats=$(cat "$work/time")
    echo "$stats"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

printf '%-5s %10s %10s %8s %12s %12s %8s\n' format engine_s ffmpeg_s wall× engine_MiB ffmpeg_MiB mem×
for format in mp3 wav wma ogg; do
    case $format in
        mp3) ff=(-c:a libmp3lame -b:a 128k) ;;
        wav) ff=(-c:a pcm_s16le) ;;
        wma) ff=(-c:a wmav2 -b:a 128k) ;;
        ogg) ff=(-c:a libvorbis -b:a 128k) ;;
    esac
    : > "$work/e" ; : > "$work/f"
    for _ in $(seq "$runs"); do
        measure "$cli" -q -f "$format" -b 128000 -r 44100 -c 2 -o "$work/out" "$source_file" >> "$work/e"
        measure ffmpeg -nostdin -v error -y -i "$source_file" -vn "${ff[@]}" -ar 44100 -ac 2 \
            "$work/out/ref.$format" >> "$work/f"
    done
    ew=$(cut -d' ' -f1 "$work/e" | median); fw=$(cut -d' ' -f1 "$work/f" | median)
    em=$(cut -d' ' -f2 "$work/e" | median); fm=$(cut -d' ' -f2 "$work/f" | median)
    awk -v f="$format" -v ew="$ew" -v fw="$fw" -v em="$em" -v fm="$fm" 'BEGIN {
        printf "%-5s %10.2f %10.2f %8.3f %12.1f %12.1f %8.3f\n", f, ew, fw, ew / fw, em / 1024, fm / 1024, em / fm }'
done
