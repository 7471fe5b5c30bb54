#!/usr/bin/env bash
# Times the engine against the ffmpeg command line doing the same audio transcode of a
# 1280x720 H.264 + AAC video of MINUTES minutes, for MP3 128 kbps 44.1 kHz, WAV, WMA, OGG, M4A
# (AAC) and Opus (128 kbps at 48 kHz, the one rate it takes), one file on one core (-j 1).
# Prints the medians of RUNS alternating runs and the ratios engine / ffmpeg.
#
#   bench/convert_vs_ffmpeg.sh [RUNS] [MINUTES]   (defaults 3 and 10; builds into build/)
set -euo pipefail
runs=${1:-3}
minutes=${2:-10}
. "$(dirname "$0")/common.sh"
bench_cli_on_video "$minutes"

printf '%-5s %10s %10s %8s %12s %12s %8s\n' format engine_s ffmpeg_s wall× engine_MiB ffmpeg_MiB mem×
for format in mp3 wav wma ogg m4a opus; do
    rate=44100
    case $format in
        mp3) ff=(-c:a libmp3lame -b:a 128k) ;;
        wav) ff=(-c:a pcm_s16le) ;;
        wma) ff=(-c:a wmav2 -b:a 128k) ;;
        ogg) ff=(-c:a libvorbis -b:a 128k) ;;
        m4a) ff=(-c:a aac -b:a 128k) ;;
        opus) ff=(-c:a libopus -b:a 128k); rate=48000 ;;
    esac
    : > "$work/e" ; : > "$work/f"
    for _ in $(seq "$runs"); do
        bench_measure "$cli" -q -j 1 -f "$format" -b 128000 -r "$rate" -c 2 -o "$work/out" "$source_file" >> "$work/e"
        bench_measure ffmpeg -nostdin -v error -y -i "$source_file" -vn "${ff[@]}" -ar "$rate" -ac 2 \
            "$work/out/ref.$format" >> "$work/f"
    done
    ew=$(cut -d' ' -f1 "$work/e" | median); fw=$(cut -d' ' -f1 "$work/f" | median)
    em=$(cut -d' ' -f2 "$work/e" | median); fm=$(cut -d' ' -f2 "$work/f" | median)
    awk -v f="$format" -v ew="$ew" -v fw="$fw" -v em="$em" -v fm="$fm" 'BEGIN {
        printf "%-5s %10.2f %10.2f %8.3f %12.1f %12.1f %8.3f\n", f, ew, fw, ew / fw, em / 1024, fm / 1024, em / fm }'
done
