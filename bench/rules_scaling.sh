#!/usr/bin/env bash
# The rules that grow with their input keep in step with it: a job file of 20,000 and of
# 200,000 unknown members read and written back, a recording of 500 and of 5,000 pauses split
# at them (and every 60 s). Prints each time and the ratio of the large to the small: about 10
# for a linear cost (n log n a little more), about 100 for a quadratic one.
#
#   bench/rules_scaling.sh [RUNS]   (default 3; builds into build/)
set -euo pipefail
runs=${1:-3}
. "$(dirname "$0")/common.sh"
bench_build tolvane-rules
rules=build/bench/tolvane-rules
measure() {  # measure WHAT COUNT: the median of RUNS runs
    for _ in $(seq "$runs"); do "$rules" "$1" "$2"; done | median
}
for what in "json 20000 200000" "pauses 500 5000"; do
    set -- $what
    small=$(measure "$1" "$2")
    large=$(measure "$1" "$3")
    awk -v w="$1" -v s="$2" -v l="$3" -v a="$small" -v b="$large" 'BEGIN {
        printf "%-6s %7d: %.4f s, %7d: %.4f s, ratio %.1f (x10 the input)\n", w, s, a, l, b, b / a }'
done
