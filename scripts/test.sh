#!/usr/bin/env bash
# Builds the plug-in and runs the whole test suite three times: a normal
# Release build, a build with AddressSanitizer and UndefinedBehaviorSanitizer,
# and the threaded tests under ThreadSanitizer.
set -euo pipefail

cd "$(dirname "$0")/.."
source scripts/dependencies.sh
install_dependencies
install_test_locale

export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"

# Builds into the given folder with the given options and runs its tests.
# Anything that opens a window runs on a virtual display.
run_suite()
{
    local dir="$1"; shift
    local ctest_args=()

    while [ $# -gt 0 ] && [ "$1" != "--" ]; do
        ctest_args+=("$1"); shift
    done
    [ $# -gt 0 ] && shift

    echo "=== $dir"
    cmake -S . -B "$dir" -G Ninja "$@"
    cmake --build "$dir"
    (cd "$dir" && xvfb-run -a --server-args="-screen 0 1280x1024x24" \
        ctest --output-on-failure -j "$(nproc)" "${ctest_args[@]}")
}

run_suite build/release -- -DCMAKE_BUILD_TYPE=Release
run_suite build/sanitize -- -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMIVER_SANITIZE=ON -DLUMIVER_BUILD_BENCHMARKS=OFF
run_suite build/tsan -L threads -- -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMIVER_SANITIZE_THREAD=ON -DLUMIVER_BUILD_BENCHMARKS=OFF
