#!/usr/bin/env bash
# Sets up the machine, builds everything with the sanitizers and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/setup.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGW_SANITIZE=ON -DGW_WERROR=ON >/dev/null
cmake --build build/test
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build/test
ctest --output-on-failure -j"$(nproc)"
