#!/usr/bin/env bash
# Adding a long list: COUNT short videos added to the window's list (offscreen) against ffprobe
# run on the same files two at a time (the window reads two at once). Reports the whole check's
# wall time, its ratio to ffprobe's, and the longest the window went without answering (target:
# under 100 ms at any moment; the whole check of 2,000 files at most 6 s here).
#
#   bench/list_vs_ffprobe.sh [COUNT] [RUNS]   (defaults 2000 and 3; builds into build/)
set -euo pipefail
count=${1:-2000}
runs=${2:-3}
. "$(dirname "$0")/common.sh"
bench_build tolvane-list
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ffmpeg -nostdin -v error -y -f lavfi -i "testsrc2=size=320x240:rate=25" \
    -f lavfi -i "sine=frequency=440:sample_rate=44100" -t 3 -c:v libx264 -preset ultrafast \
    -c:a aac -b:a 64k "$work/one.mp4"
mkdir -p "$work/list"
for i in $(seq -w 1 "$count"); do cp "$work/one.mp4" "$work/list/clip$i.mp4"; done

: > "$work/t"; : > "$work/f"
for _ in $(seq "$runs"); do
    build/bench/tolvane-list "$work"/list/*.mp4 >> "$work/t"
    start=$(date +%s.%N)
    printf '%s\0' "$work"/list/*.mp4 | xargs -0 -P2 -n1 ffprobe -v error > /dev/null
    end=$(date +%s.%N)
    awk -v s="$start" -v e="$end" 'BEGIN { printf "%.3f\n", e - s }' >> "$work/f"
done
tw=$(cut -d' ' -f1 "$work/t" | median); gap=$(cut -d' ' -f2 "$work/t" | sort -n | tail -1)
rows=$(cut -d' ' -f3 "$work/t" | head -1); fw=$(median < "$work/f")
awk -v c="$count" -v t="$tw" -v f="$fw" -v g="$gap" -v r="$rows" 'BEGIN {
    printf "%d files: the window checked them in %.2f s (%d rows), ffprobe two at a time %.2f s (ratio %.2f); longest the window did not answer: %d ms\n",
        c, t, r, f, t / f, g }'
