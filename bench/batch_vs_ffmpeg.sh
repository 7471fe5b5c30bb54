#!/usr/bin/env bash
# Times a batch: eight 60-second 1280x720 H.264 + AAC files to MP3 (128 kbps, 44.1 kHz, stereo)
# by `tolvane-cli -j JOBS` in one run, against the ffmpeg command line run once per file one after
# the other, and against the same ffmpeg commands run JOBS at a time by `xargs -P`. Prints the
# medians of RUNS alternating runs, the wall ratios and the peak memory of each (for xargs, the
# largest single ffmpeg: each process is measured on its own).
#
#   bench/batch_vs_ffmpeg.sh [RUNS] [JOBS]   (defaults 3 and the number of cores)
set -euo pipefail
runs=${1:-3}
jobs=${2:-$(nproc)}
files=8
. "$(dirname "$0")/common.sh"
bench_build tolvane-cli
cli=$PWD/build/cli/tolvane-cli

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
first=$(bench_source "60_seconds_720p.mp4" 60)
sources=()
for i in $(seq "$files"); do
    # Eight names for the one source: the same work per file, no cache advantage for anyone.
    ln -s "$first" "$work/video_$i.mp4"
    sources+=("$work/video_$i.mp4")
done

# ffmpeg_one SOURCE: one file to MP3, measured on its own; prints "wall peak_kB".
ffmpeg_one() {
    local out
    out="$work/out/$(basename "${1%.*}").mp3"
    /usr/bin/time -f "%e %M" -o "$out.time" ffmpeg -nostdin -v error -y -i "$1" -vn \
        -c:a libmp3lame -b:a 128k -ar 44100 -ac 2 "$out" > /dev/null 2>&1
    cat "$out.time"
}
export -f ffmpeg_one
export work

# measure KIND: wall seconds of the whole batch and the peak memory of its largest process.
measure() {
    rm -rf "$work/out" && mkdir -p "$work/out"
    local start end peak
    start=$(date +%s.%N)
    case $1 in
        engine)
            /usr/bin/time -f "%M" -o "$work/engine.time" "$cli" -q -j "$jobs" -f mp3 -b 128000 \
                -r 44100 -c 2 -o "$work/out" "${sources[@]}" > /dev/null 2>&1
            peak=$(cat "$work/engine.time") ;;
        serial)
            peak=$(for s in "${sources[@]}"; do ffmpeg_one "$s"; done | cut -d' ' -f2 | sort -n | tail -1) ;;
        xargs)
            peak=$(printf '%s\0' "${sources[@]}" | xargs -0 -P "$jobs" -I{} bash -c 'ffmpeg_one "$1"' _ {} |
                   cut -d' ' -f2 | sort -n | tail -1) ;;
    esac
    end=$(date +%s.%N)
    local made
    made=$(find "$work/out" -name '*.mp3' | wc -l)
    [ "$made" -eq "$files" ] || { echo "$1 made $made files, not $files" >&2; exit 1; }
    awk -v s="$start" -v e="$end" -v p="$peak" 'BEGIN { printf "%.3f %d\n", e - s, p }'
}

: > "$work/e"; : > "$work/s"; : > "$work/x"
for _ in $(seq "$runs"); do
    measure engine >> "$work/e"
    measure serial >> "$work/s"
    measure xargs >> "$work/x"
done
ew=$(cut -d' ' -f1 "$work/e" | median); sw=$(cut -d' ' -f1 "$work/s" | median)
xw=$(cut -d' ' -f1 "$work/x" | median)
em=$(cut -d' ' -f2 "$work/e" | median); sm=$(cut -d' ' -f2 "$work/s" | median)
xm=$(cut -d' ' -f2 "$work/x" | median)
echo "$files files of 60 s, 1280x720 H.264+AAC, to MP3; $jobs at once; median of $runs runs"
printf '%-28s %10s %12s\n' run wall_s peak_MiB
awk -v ew="$ew" -v sw="$sw" -v xw="$xw" -v em="$em" -v sm="$sm" -v xm="$xm" -v j="$jobs" 'BEGIN {
    printf "%-28s %10.2f %12.1f\n", "tolvane-cli -j " j, ew, em / 1024
    printf "%-28s %10.2f %12.1f\n", "ffmpeg, one after another", sw, sm / 1024
    printf "%-28s %10.2f %12.1f\n", "ffmpeg, xargs -P " j, xw, xm / 1024
    printf "wall ratio vs one after another: %.3f (target <= 0.55 on 2 cores)\n", ew / sw
    printf "wall ratio vs xargs -P %d:        %.3f (target <= 1.05)\n", j, ew / xw }'
