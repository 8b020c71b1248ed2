#!/usr/bin/env bash
# Sets up the machine, builds everything with the sanitizers, gives every fuzz target a short
# run on its seeds, and runs every test through CTest (whose summary ends the output).
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/setup.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGW_SANITIZE=ON -DGW_WERROR=ON >/dev/null
cmake --build build/test
./tools/fuzz.sh 10
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build/test
ctest --output-on-failure -j"$(nproc)"
