#!/usr/bin/env bash
# Times copying the original sound (no re-encoding) of a 1280x720 H.264 + AAC video of MINUTES
# minutes: `tolvane-cli -f copy` against `ffmpeg -vn -c:a copy` into the same M4A container.
# Prints the medians of RUNS alternating runs, the wall ratio engine / ffmpeg, the engine's speed
# as a multiple of real time, and the peak memory of each.
#
#   bench/copy_vs_ffmpeg.sh [RUNS] [MINUTES]   (defaults 5 and 10; builds into build/)
set -euo pipefail
runs=${1:-5}
minutes=${2:-10}
. "$(dirname "$0")/common.sh"
bench_cli_on_video "$minutes"

: > "$work/e"; : > "$work/f"
for _ in $(seq "$runs"); do
    bench_measure "$cli" -q -f copy -o "$work/out" "$source_file" >> "$work/e"
    bench_measure ffmpeg -nostdin -v error -y -i "$source_file" -vn -c:a copy "$work/out/ref.m4a" >> "$work/f"
done
ew=$(cut -d' ' -f1 "$work/e" | median); fw=$(cut -d' ' -f1 "$work/f" | median)
em=$(cut -d' ' -f2 "$work/e" | median); fm=$(cut -d' ' -f2 "$work/f" | median)
printf '%10s %10s %8s %12s %12s %12s\n' engine_s ffmpeg_s wall× realtime× engine_MiB ffmpeg_MiB
awk -v ew="$ew" -v fw="$fw" -v em="$em" -v fm="$fm" -v len=$((minutes * 60)) 'BEGIN {
    printf "%10.3f %10.3f %8.3f %12.0f %12.1f %12.1f\n", ew, fw, ew / fw, len / ew, em / 1024, fm / 1024 }'
