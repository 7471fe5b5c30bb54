#!/usr/bin/env bash
# ReplayGain tags: a 1280x720 H.264 + AAC video of MINUTES minutes to MP3, FLAC and M4A with
# --replaygain against the same conversion without it (targets: wall time at most 1.15, peak
# memory at most 20 MB more). Medians of RUNS alternating runs.
#
#   bench/replaygain_vs_plain.sh [RUNS] [MINUTES]   (defaults 3 and 10; builds into build/)
set -euo pipefail
runs=${1:-3}
minutes=${2:-10}
. "$(dirname "$0")/common.sh"
bench_cli_on_video "$minutes"

for format in mp3 flac m4a; do
    : > "$work/g"; : > "$work/p"
    for _ in $(seq "$runs"); do
        bench_measure "$cli" -q -f "$format" --replaygain -o "$work/out" "$source_file" >> "$work/g"
        bench_measure "$cli" -q -f "$format" -o "$work/out" "$source_file" >> "$work/p"
    done
    gw=$(cut -d' ' -f1 "$work/g" | median); pw=$(cut -d' ' -f1 "$work/p" | median)
    gm=$(cut -d' ' -f2 "$work/g" | median); pm=$(cut -d' ' -f2 "$work/p" | median)
    awk -v f="$format" -v g="$gw" -v p="$pw" -v gm="$gm" -v pm="$pm" -v m="$minutes" 'BEGIN {
        printf "%d minutes to %s: tagged %.2f s, plain %.2f s (ratio %.3f); peak memory %.1f MB against %.1f MB (%+.1f MB)\n",
            m, f, g, p, g / p, gm / 1024, pm / 1024, (gm - pm) / 1024 }'
done
