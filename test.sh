#!/usr/bin/env bash
# Installs what Tolvane needs, builds it and runs the whole test suite: the normal build with
# warnings as errors and its Debian package, the engine under AddressSanitizer +
# UndefinedBehaviorSanitizer, a round of the fuzz target, and the tests with real concurrency
# (worker lanes, the player's threads, Stop and signals during a run, the windows while they
# convert or play) under ThreadSanitizer. The sanitizer trees build only what their tests run,
# and every tree uses the one set of test media the first one makes.
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc)
times=()
stage_start=$SECONDS
stage() {  # stage NAME: closes the previous stage's timing
    times+=("$(printf '%-34s %4d s' "$1" $((SECONDS - stage_start)))")
    stage_start=$SECONDS
}

build() {  # build DIR CMAKE-OPTIONS... [-- TARGETS...]
    local dir=$1; shift
    local options=() targets=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do options+=("$1"); shift; done
    [ $# -gt 0 ] && shift
    targets=("$@")
    cmake -S . -B "$dir" -G Ninja -DTOLVANE_WERROR=ON "${options[@]}" > /dev/null
    if [ ${#targets[@]} -gt 0 ]; then
        cmake --build "$dir" -j "$jobs" --target "${targets[@]}"
    else
        cmake --build "$dir" -j "$jobs"
    fi
}

scripts/install-deps.sh
stage "install"
# No number in the program's code is read or written through the C locale.
scripts/check-locale-free.sh

build build -DCMAKE_BUILD_TYPE=RelWithDebInfo
stage "build"
ctest --test-dir build --output-on-failure -j "$jobs"
stage "tests"
# The Debian package: built, validated, installed, used from /usr/bin and removed.
scripts/package-check.sh build build/test-media
stage "package"

media=$PWD/build/test-media
engine_tests=(batch_worker_test parallel_batch_test video_job_test output_file_test
    disk_failure_test exact_sound_test sound_copy_test preview_surface_test output_profile_test
    probe_test merge_worker_test cli_test mutants_test rules_test player_test
    tolvane-cli tolvane_read_fail_shim)
build build-asan -DCMAKE_BUILD_TYPE=Debug -DTOLVANE_SANITIZE=address,undefined \
    -DTOLVANE_BUILD_BENCH=OFF -DTOLVANE_TEST_MEDIA="$media" -- "${engine_tests[@]}"
stage "build under ASan+UBSan"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs" -L "engine|worker" \
    -E "IsAsCloseToItsSourceAsOneEncode|ALargeM4A"  # minutes of sound; smaller cases run here
stage "engine tests under ASan+UBSan"

# The fuzz target: every regression file, then a minute of coverage-guided fuzzing.
tests/fuzz/run.sh 60
stage "fuzz round"

# Under ThreadSanitizer, the tests where threads really share memory.
concurrent='^(ParallelBatch\.|Player\.|PlayerSignals\.|preview_surface_test$|Signals/CliSignal\.'
concurrent+='|BatchWorker\.Stop|MergeWorker\.Stop|SoundCopy\.Stop|ExactSound\.ATrailer'
concurrent+='|Cli\.(FilesAtOnce|SkipExistingAfterAnInterrupt)'
# Loudness measured in parts, normalising, the ReplayGain measure beside the writing.
concurrent+='|Loudness\.InParts|ExactSound\.Normalising|DiskFailure\.ATagWrite'
concurrent+='|MainPreview|ClipDialog|MainWindow\.(Convert|Merge|Stop|PowerOff|Failures|Untrimmed|Original'
# The list's checking threads, its keeper, the single instance and the silence readers.
concurrent+='|AddChecks|CommandsDuringACheck|ACheckRuns|ASecondStart|AListThatCannotBeKept)|RunController\.'
concurrent+='|Cli\.(SplitsAtPauses|ReplayGainTags))'
build build-tsan -DCMAKE_BUILD_TYPE=Debug -DTOLVANE_SANITIZE=thread -DTOLVANE_BUILD_BENCH=OFF \
    -DTOLVANE_TEST_MEDIA="$media" -- parallel_batch_test player_test preview_surface_test \
    cli_test tolvane-cli tolvane_read_fail_shim batch_worker_test merge_worker_test \
    sound_copy_test exact_sound_test main_window_test preview_window_test probe_test \
    disk_failure_test
stage "build under TSan"
TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1:suppressions=$PWD/tests/tsan.supp" \
    ctest --test-dir build-tsan --output-on-failure -j "$jobs" -R "$concurrent" \
    -E "de_DE|IsAsCloseToItsSourceAsOneEncode"
stage "concurrent tests under TSan"

echo
echo "Stage times:"
printf '  %s\n' "${times[@]}"
