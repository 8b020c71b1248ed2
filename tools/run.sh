#!/usr/bin/env bash
# Sets up the machine, builds the optimised configurator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DGW_TESTS=OFF >/dev/null
cmake --build build/release
exec build/release/bin/configurator "$@"
