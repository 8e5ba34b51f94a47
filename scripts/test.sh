#!/usr/bin/env bash
# Builds the plug-in and runs the whole test suite: a Release build, the same
# tests built with AddressSanitizer and UndefinedBehaviorSanitizer, and the
# threaded tests built with ThreadSanitizer.
set -euo pipefail

cd "$(dirname "$0")/.."
source scripts/dependencies.sh
install_dependencies
install_test_locale

export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"

# run_suite DIR "CMAKE OPTIONS" ["BUILD TARGETS"] [CTEST OPTIONS...]
# Builds into DIR and runs its tests; anything that opens a window runs on a
# virtual display.
run_suite()
{
    local dir="$1" options="$2" target="${3:-all}"
    shift 3 || shift $#

    echo "=== $dir"
    # shellcheck disable=SC2086
    cmake -S . -B "$dir" -G Ninja $options
    # shellcheck disable=SC2086
    cmake --build "$dir" --target $target
    (cd "$dir" && xvfb-run -a --server-args="-screen 0 1280x1024x24" \
        ctest --output-on-failure -j "$(nproc)" "$@")
}

run_suite build/release "-DCMAKE_BUILD_TYPE=Release"
run_suite build/sanitize "-DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMIVER_SANITIZE=ON -DLUMIVER_BUILD_BENCHMARKS=OFF"
run_suite build/tsan "-DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMIVER_SANITIZE_THREAD=ON -DLUMIVER_BUILD_BENCHMARKS=OFF" \
    "processor_thread_tests editor_thread_tests aax_thread_tests" -L threads
