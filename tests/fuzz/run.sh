#!/usr/bin/env bash
# Builds the fuzz target with clang and runs it: first every regression file (each must pass),
# then coverage-guided fuzzing from the test media for SECONDS (default 60).
#
#   tests/fuzz/run.sh [SECONDS] [SEED]
#
# The round is repeatable: it starts from the test media alone (no corpus of earlier rounds)
# with a fixed SEED (default 1) and at most 4,000 inputs, so a machine that runs it again walks
# the same inputs. Pass another seed, or "random" (no limit but the time), to explore further.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds=${1:-60}
seed=${2:-1}
runs=4000
if [ "$seed" = random ]; then
    seed=0
    runs=-1
fi
build=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTOLVANE_FUZZ=ON -DTOLVANE_WERROR=OFF > /dev/null
cmake --build "$build" --target tolvane-fuzz-convert > /dev/null
fuzzer=$build/tests/fuzz/tolvane-fuzz-convert

# The seed corpus: the small test media, made when missing.
media=build/test-media
tests/make_media.sh "$media" > /dev/null
seeds=$build/fuzz-seeds
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
mkdir -p "$seeds"
find "$media" -maxdepth 1 -type f -size -200k ! -name '.*' -exec cp {} "$seeds/" \;

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
regressions=(tests/fuzz/regressions/*)
if [ -e "${regressions[0]}" ]; then
    "$fuzzer" -rss_limit_mb=2048 -timeout=30 "${regressions[@]}"
fi
# Crashes land in tests/fuzz/regressions/ to be kept.
"$fuzzer" -seed="$seed" -runs="$runs" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=30 -max_len=262144 \
    -artifact_prefix=tests/fuzz/regressions/ -print_final_stats=1 "$corpus" "$seeds"
