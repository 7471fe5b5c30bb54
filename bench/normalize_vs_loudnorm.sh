#!/usr/bin/env bash
# Loudness normalising: a 1280x720 H.264 + AAC video of MINUTES minutes to MP3 brought to
# -16 LUFS, against the same conversion without normalising (target: at most 1.25) and against
# the ffmpeg command line's two passes of loudnorm (a measuring pass, then linear=true with the
# measured values; target: at most 0.5). Medians of RUNS alternating runs.
#
#   bench/normalize_vs_loudnorm.sh [RUNS] [MINUTES]   (defaults 3 and 10; builds into build/)
set -euo pipefail
runs=${1:-3}
minutes=${2:-10}
. "$(dirname "$0")/common.sh"
bench_cli_on_video "$minutes"

# ffmpeg's two passes, as its documentation gives them.
loudnorm_two_passes() {
    local measured
    measured=$(ffmpeg -nostdin -hide_banner -i "$source_file" -vn \
        -af loudnorm=I=-16:TP=-1:LRA=11:print_format=json -f null - 2>&1 |
        sed -n '/^{/,/^}/p')
    local mi mtp mlra mth offset
    mi=$(echo "$measured" | sed -n 's/.*"input_i" : "\(.*\)".*/\1/p')
    mtp=$(echo "$measured" | sed -n 's/.*"input_tp" : "\(.*\)".*/\1/p')
    mlra=$(echo "$measured" | sed -n 's/.*"input_lra" : "\(.*\)".*/\1/p')
    mth=$(echo "$measured" | sed -n 's/.*"input_thresh" : "\(.*\)".*/\1/p')
    offset=$(echo "$measured" | sed -n 's/.*"target_offset" : "\(.*\)".*/\1/p')
    ffmpeg -nostdin -v error -y -i "$source_file" -vn -af \
        "loudnorm=I=-16:TP=-1:LRA=11:measured_I=$mi:measured_TP=$mtp:measured_LRA=$mlra:measured_thresh=$mth:offset=$offset:linear=true" \
        -ar 44100 -c:a libmp3lame -b:a 128k "$work/out/ref.mp3"
}
export -f loudnorm_two_passes
export source_file work

: > "$work/n"; : > "$work/p"; : > "$work/f"
for _ in $(seq "$runs"); do
    bench_measure "$cli" -q -f mp3 --normalize -o "$work/out" "$source_file" >> "$work/n"
    bench_measure "$cli" -q -f mp3 -o "$work/out" "$source_file" >> "$work/p"
    bench_measure bash -c loudnorm_two_passes >> "$work/f"
done
nw=$(cut -d' ' -f1 "$work/n" | median); pw=$(cut -d' ' -f1 "$work/p" | median)
fw=$(cut -d' ' -f1 "$work/f" | median)
awk -v n="$nw" -v p="$pw" -v f="$fw" -v m="$minutes" 'BEGIN {
    printf "%d minutes to MP3: normalised %.2f s, plain %.2f s (ratio %.3f), ffmpeg loudnorm two passes %.2f s (ratio %.3f)\n", m, n, p, n / p, f, n / f }'
