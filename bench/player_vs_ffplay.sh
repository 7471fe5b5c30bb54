#!/usr/bin/env bash
# Plays a 30-second 1280x720 H.264 + AAC file through the preview player (pictures fetched
# every 67 ms, as the windows do) and prints its CPU time against `ffplay -nodisp -autoexit`
# (sound only) and against decoding alone (`ffmpeg -f null`), measured in the same run.
# Sound goes to SDL's dummy driver.
#
#   bench/player_vs_ffplay.sh [RUNS]        (default 3)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build --target tolvane-play > /dev/null
export SDL_AUDIODRIVER=dummy

cache=${TOLVANE_BENCH_CACHE:-$HOME/.cache/tolvane-bench}
mkdir -p "$cache"
source_file=$cache/thirty_seconds_720p.mp4
if [ ! -s "$source_file" ]; then
    ffmpeg -nostdin -v error -y -f lavfi -i "testsrc2=size=1280x720:rate=25" \
        -f lavfi -i "sine=frequency=440:sample_rate=44100" -t 30 \
        -c:v libx264 -preset veryfast -crf 26 -c:a aac -b:a 128k -ac 2 "$source_file.tmp.mp4"
    mv "$source_file.tmp.mp4" "$source_file"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# cpu NAME COMMAND...: user+system seconds and wall seconds of one run, appended to NAME.
cpu() {
    local name=$1; shift
    /usr/bin/time -f "%U %S %e" -o "$work/t" "$@" > /dev/null 2>&1
    awk '{ printf "%.2f %.2f\n", $1 + $2, $3 }' "$work/t" >> "$work/$name"
}
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

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
