#!/usr/bin/env bash
# Sets up, builds and runs kvt80ctl against the built-in simulated unit.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target kvt80ctl kvt80-sim
exec ./build/cli/kvt80ctl --demo --events examples/demo.kvt "$@"
