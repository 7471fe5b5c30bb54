#!/usr/bin/env bash
# Listen-ready output: a 1280x720 H.264 + AAC video of MINUTES minutes to MP3 at tempo 1.5 and in
# night mode, each against the same conversion without them (targets: at most 1.6 and 1.3).
# Medians of RUNS alternating runs, on one core (-j 1), as ratios of this invocation's runs.
#
#   bench/listen_vs_plain.sh [RUNS] [MINUTES]   (defaults 3 and 5; builds into build/)
set -euo pipefail
runs=${1:-3}
minutes=${2:-5}
. "$(dirname "$0")/common.sh"
bench_cli_on_video "$minutes"

: > "$work/p"; : > "$work/t"; : > "$work/n"
for _ in $(seq "$runs"); do
    bench_measure "$cli" -q -j 1 -f mp3 -o "$work/out" "$source_file" >> "$work/p"
    bench_measure "$cli" -q -j 1 -f mp3 --tempo 1.5 -o "$work/out" "$source_file" >> "$work/t"
    bench_measure "$cli" -q -j 1 -f mp3 --night -o "$work/out" "$source_file" >> "$work/n"
done
pw=$(cut -d' ' -f1 "$work/p" | median); tw=$(cut -d' ' -f1 "$work/t" | median)
nw=$(cut -d' ' -f1 "$work/n" | median)
awk -v p="$pw" -v t="$tw" -v n="$nw" -v m="$minutes" 'BEGIN {
    printf "%d minutes to MP3: plain %.2f s, tempo 1.5 %.2f s (ratio %.3f, target 1.6), night mode %.2f s (ratio %.3f, target 1.3)\n", m, p, t, t / p, n, n / p }'
