#!/usr/bin/env bash
# Sets up, builds and runs every test: the whole suite, then the engine, transport and simulator
# suites under ThreadSanitizer and under AddressSanitizer with UndefinedBehaviorSanitizer, then
# bounded runs of the fuzzers (60 s each; KVT_FUZZ_SECONDS changes it).
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)
fuzz_seconds=${KVT_FUZZ_SECONDS:-60}

# The compiler cache lives outside the clone, so runs on the same machine share it; paths are
# taken relative to the clone and the build folder is not hashed, so a clone elsewhere hits too.
export CCACHE_DIR=${CCACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/kvt80-ccache}
export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-5G}
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD}
export CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-true}
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi

# Each section's duration, printed at the end so the time budget stays visible.
timings=()
section_name=""
section_start=$SECONDS
end_section() {
    if [[ -n $section_name ]]; then
        timings+=("$(printf '%6d s  %s' $((SECONDS - section_start)) "$section_name")")
    fi
}
section() {
    end_section
    section_name=$1
    section_start=$SECONDS
    printf '\n==== %s ====\n' "$1"
}

section "Set-up"
./scripts/setup.sh

section "Code format"
find acoustics transport engine sim cli config report roomeq setip launcher frontend laptop handheld packaging web tests bench fuzz \
    -path web/app/node_modules -prune -o \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run -Werror

section "Build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKVT_WARNINGS_AS_ERRORS=ON "${launcher[@]}" >/dev/null
cmake --build build
# The soak test runs for minutes and has its own command (scripts/soak.sh).
ctest --test-dir build --output-on-failure -j "$jobs" -LE soak

section "Browser (end to end)"
# kvt80-web with its simulated unit, driven through phone-sized headless chromium: one phone
# through pairing, the pages and the analyser; two phones, one watching and then taking control,
# and a .kvt file downloaded and sent back. The phone screenshots land in build/web-screenshots.
if ! command -v chromium >/dev/null; then
    echo "SKIPPED: Debian's chromium is not installed and could not be (see scripts/setup.sh)"
elif [[ ! -f build/web/web-app/index.html ]]; then
    echo "SKIPPED: kvt80-web was built without its page (npm or Boost missing)"
else
    (cd web/app && node e2e/phone.mjs ../../build/web/kvt80-web ../../build/web-screenshots)
    (cd web/app && node e2e/control-and-files.mjs ../../build/web/kvt80-web ../../build/web-screenshots)
fi

# Sanitizer builds cover the multi-threaded parts: engine, transport and simulator, and the fault
# suite that drives them through every failure.
sanitized_suites=(engine_tests transport_tests sim_tests fault_tests)
sanitized_labels='engine|transport|sim|faults'
# kvt80-web's server: its network and engine threads against the engine's.
if [[ -f build/tests/web/web_tests ]]; then
    sanitized_suites+=(web_tests)
    sanitized_labels+='|web'
fi

section "ThreadSanitizer"
cmake -S . -B build-tsan -G Ninja -DKVT_SANITIZE=thread -DKVT_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build build-tsan --target "${sanitized_suites[@]}"
# ThreadSanitizer cannot map its shadow memory with the kernel's widest address randomisation;
# run the suites without randomisation.
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
    setarch "$(uname -m)" -R ctest --test-dir build-tsan --output-on-failure -j "$jobs" -L "$sanitized_labels"

section "AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DKVT_SANITIZE=address -DKVT_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
cmake --build build-asan --target "${sanitized_suites[@]}" cli_tests cli_program_tests config_tests config_program_tests
ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1" \
    ctest --test-dir build-asan --output-on-failure -j "$jobs" -L "${sanitized_labels}|cli|config"

section "Fuzzing (${fuzz_seconds} s per target)"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DKVT_BUILD_FUZZ=ON -DKVT_BUILD_TESTS=OFF \
    -DKVT_BUILD_BENCH=OFF -DKVT_FUZZ_SECONDS="$fuzz_seconds" "${launcher[@]}" >/dev/null
cmake --build build-fuzz --target fuzzers
ctest --test-dir build-fuzz --output-on-failure -j "$jobs" -L fuzz

end_section
printf '\n==== Section timings ====\n'
printf '%s\n' "${timings[@]}"
printf '%6d s  total\n' "$SECONDS"
if [[ ${#launcher[@]} -gt 0 ]]; then
    ccache --show-stats 2>/dev/null | grep -Ei 'hits|misses' || true
fi
section "All tests passed"
