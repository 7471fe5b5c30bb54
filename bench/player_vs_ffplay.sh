#!/usr/bin/env bash
# Plays a 30-second 1280x720 H.264 + AAC file through the preview player (pictures fetched
# every 67 ms, as the windows do) and prints its CPU time against `ffplay -nodisp -autoexit`
# (sound only) and against decoding alone (`ffmpeg -f null`), measured in the same run.
# Sound goes to SDL's dummy driver.
#
#   bench/player_vs_ffplay.sh [RUNS]        (default 3)
set -euo pipefail
runs=${1:-3}
. "$(dirname "$0")/common.sh"
bench_build tolvane-play
export SDL_AUDIODRIVER=dummy
source_file=$(bench_source thirty_seconds_720p.mp4 30)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# cpu NAME COMMAND...: user+system seconds and wall seconds of one run, appended to NAME.
cpu() {
    local name=$1; shift
    /usr/bin/time -f "%U %S %e" -o "$work/t" "$@" > /dev/null 2>&1
    awk '{ printf "%.2f %.2f\n", $1 + $2, $3 }' "$work/t" >> "$work/$name"
}

for _ in $(seq "$runs"); do
    cpu player build/bench/tolvane-play "$source_file"
    cpu ffplay ffplay -nodisp -autoexit -v quiet "$source_file"
    cpu decode ffmpeg -nostdin -v error -i "$source_file" -f null -
done
p=$(cut -d' ' -f1 "$work/player" | median); pw=$(cut -d' ' -f2 "$work/player" | median)
f=$(cut -d' ' -f1 "$work/ffplay" | median); fw=$(cut -d' ' -f2 "$work/ffplay" | median)
d=$(cut -d' ' -f1 "$work/decode" | median)
awk -v p="$p" -v pw="$pw" -v f="$f" -v fw="$fw" -v d="$d" 'BEGIN {
    printf "30 s of 1280x720 H.264 + AAC, median CPU seconds (wall seconds)\n"
    printf "player (pictures and sound)   %6.2f  (%5.1f)\n", p, pw
    printf "ffplay -nodisp (sound only)   %6.2f  (%5.1f)\n", f, fw
    printf "decode only (ffmpeg -f null)  %6.2f\n", d
    printf "player / ffplay %.2f, player / decode %.2f\n", p / f, p / d }'
