#!/usr/bin/env bash
# Installs what Tolvane needs, builds it and runs the whole test suite: the normal build with
# warnings as errors and its Debian package, the engine under AddressSanitizer + UndefinedBehaviorSanitizer, a round of
# the fuzz target, and the tests that run a worker or play media (also through the windows)
# under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
jobs=$(nproc)

build() {  # build DIR [cmake options...]
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja -DTOLVANE_WERROR=ON "$@" > /dev/null
    cmake --build "$dir" -j "$jobs"
}

build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build --output-on-failure -j "$jobs"
# The Debian package: built, validated, installed, used from /usr/bin and removed.
scripts/package-check.sh build build/test-media

build build-asan -DCMAKE_BUILD_TYPE=Debug -DTOLVANE_SANITIZE=address,undefined -DTOLVANE_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs" -L "engine|worker"

# The fuzz target: every regression file, then a minute of coverage-guided fuzzing.
tests/fuzz/run.sh 60

build build-tsan -DCMAKE_BUILD_TYPE=Debug -DTOLVANE_SANITIZE=thread -DTOLVANE_BUILD_BENCH=OFF
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/tests/tsan.supp"
ctest --test-dir build-tsan --output-on-failure -j "$jobs" -L worker
# The window tests that play media or run a conversion.
ctest --test-dir build-tsan --output-on-failure -j "$jobs" -L widget -E 'de_DE' \
    -R '^(MainPreview|ClipDialog|MainWindow\.(Convert|Merge|Stop|PowerOff|Failures|Untrimmed|Original))'
