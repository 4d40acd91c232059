#!/usr/bin/env bash
# The soak test: minutes of random parameter writes from two threads, analyser streaming, status
# requests, stores and verifications with transient line faults, under ThreadSanitizer and then
# under AddressSanitizer with UndefinedBehaviorSanitizer.
#
#   ./scripts/soak.sh [SECONDS]    each run lasts SECONDS (default 120)
set -euo pipefail
cd "$(dirname "$0")/.."

export KVT_SOAK_SECONDS=${1:-120}
./scripts/setup.sh

echo "==== soak under ThreadSanitizer (${KVT_SOAK_SECONDS} s) ===="
cmake -S . -B build-tsan -G Ninja -DKVT_SANITIZE=thread -DKVT_BUILD_BENCH=OFF >/dev/null
cmake --build build-tsan --target soak_tests
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
    setarch "$(uname -m)" -R ctest --test-dir build-tsan --output-on-failure -L soak --timeout 3600

echo "==== soak under AddressSanitizer and UndefinedBehaviorSanitizer (${KVT_SOAK_SECONDS} s) ===="
cmake -S . -B build-asan -G Ninja -DKVT_SANITIZE=address -DKVT_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan --target soak_tests
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    ctest --test-dir build-asan --output-on-failure -L soak --timeout 3600
