#!/usr/bin/env bash
# One long file on every core: a 1280x720 H.264 + AAC video of MINUTES minutes to MP3, M4A (AAC),
# Opus, WMA and OGG Vorbis (128 kbps, stereo; 44.1 kHz, Opus 48 kHz) by `tolvane-cli -j 2`, its
# sound encoded in two segments at once and joined, and by `-j 1`, one piece, each against the
# ffmpeg command line with the same encoder and settings (target for -j 2: at most 0.6; M4A
# stays one piece). Medians of RUNS alternating runs.
#
#   bench/segments_vs_ffmpeg.sh [RUNS] [MINUTES]   (defaults 3 and 20; builds into build/)
set -euo pipefail
runs=${1:-3}
minutes=${2:-20}
. "$(dirname "$0")/common.sh"
bench_cli_on_video "$minutes"

printf '%-5s %9s %9s %9s %10s %10s %9s %9s\n' format j2_s j1_s ffmpeg_s j2_MiB j1_MiB j2/ff j1/ff
for format in mp3 m4a opus wma ogg; do
    rate=44100
    case $format in
        mp3) ff=(-c:a libmp3lame) ;;
        m4a) ff=(-c:a aac) ;;
        opus) ff=(-c:a libopus); rate=48000 ;;
        wma) ff=(-c:a wmav2) ;;
        ogg) ff=(-c:a libvorbis) ;;
    esac
    : > "$work/two"; : > "$work/one"; : > "$work/ff"
    for _ in $(seq "$runs"); do
        for lanes in 2 1; do
            file=$([ "$lanes" = 2 ] && echo two || echo one)
            bench_measure "$cli" -q -f "$format" -b 128000 -r "$rate" -c 2 -j "$lanes" \
                -o "$work/out" "$source_file" >> "$work/$file"
        done
        bench_measure ffmpeg -nostdin -v error -y -i "$source_file" -vn "${ff[@]}" -b:a 128k \
            -ar "$rate" -ac 2 "$work/out/ref.$format" >> "$work/ff"
    done
    tw=$(cut -d' ' -f1 "$work/two" | median); ow=$(cut -d' ' -f1 "$work/one" | median)
    fw=$(cut -d' ' -f1 "$work/ff" | median)
    tm=$(cut -d' ' -f2 "$work/two" | median); om=$(cut -d' ' -f2 "$work/one" | median)
    awk -v f="$format" -v t="$tw" -v o="$ow" -v w="$fw" -v tm="$tm" -v om="$om" 'BEGIN {
        printf "%-5s %9.2f %9.2f %9.2f %10.0f %10.0f %9.3f %9.3f\n", f, t, o, w, tm / 1024, om / 1024, t / w, o / w }'
done
