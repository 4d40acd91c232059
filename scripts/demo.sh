#!/usr/bin/env bash
# Sets up, builds and opens the laptop program KVTExec connected to the built-in simulated unit.
# Without a display it says so and runs the kvt80ctl demo instead.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
    echo "No display is available (DISPLAY and WAYLAND_DISPLAY are not set): running the kvt80ctl" \
        "demo in this terminal instead of the laptop program."
    cmake --build build --target kvt80ctl kvt80-sim
    exec ./build/cli/kvt80ctl --demo --events examples/demo.kvts "$@"
fi
cmake --build build --target KVTExec
exec ./build/laptop/KVTExec --demo "$@"
