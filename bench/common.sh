# Shared by the benchmark scripts: set-up, the cache of generated sources, medians.
# Source it from a script in bench/: `. "$(dirname "$0")/common.sh"`.

cd "$(dirname "${BASH_SOURCE[0]}")/.."
scripts/install-deps.sh

# bench_build TARGET...: builds what the benchmark runs (a release build in build/).
bench_build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
    cmake --build build --target "$@" > /dev/null
}

bench_cache=${TOLVANE_BENCH_CACHE:-$HOME/.cache/tolvane-bench}
mkdir -p "$bench_cache"

# bench_source NAME SECONDS: a 1280x720 H.264 + AAC file of that length, made once.
bench_source() {
    local file=$bench_cache/$1
    if [ ! -s "$file" ]; then
        echo "Generating $1 (once)..." >&2
        ffmpeg -nostdin -v error -y -f lavfi -i "testsrc2=size=1280x720:rate=25" \
            -f lavfi -i "sine=frequency=440:sample_rate=44100" -t "$2" \
            -c:v libx264 -preset ultrafast -crf 30 -c:a aac -b:a 128k -ac 2 "$file.tmp.mp4"
        mv "$file.tmp.mp4" "$file"
    fi
    echo "$file"
}

# median: the median of the numbers on standard input, one a line.
median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

# bench_cli_on_video MINUTES: builds tolvane-cli and sets $cli, $source_file (a 1280x720 video of
# MINUTES minutes) and $work (a scratch folder removed when the script ends).
bench_cli_on_video() {
    bench_build tolvane-cli
    cli=build/cli/tolvane-cli
    source_file=$(bench_source "$1_minutes_720p.mp4" $(($1 * 60)))
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
}

# bench_measure COMMAND...: "wall_seconds peak_kB" of one run in an emptied $work/out (the wall
# time from the clock, to the millisecond).
bench_measure() {
    rm -rf "$work/out" && mkdir -p "$work/out"
    local start end
    start=$(date +%s.%N)
    /usr/bin/time -f "%M" -o "$work/time" "$@" > /dev/null 2>&1
    end=$(date +%s.%N)
    awk -v s="$start" -v e="$end" -v p="$(cat "$work/time")" 'BEGIN { printf "%.4f %d\n", e - s, p }'
}
