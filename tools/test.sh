#!/usr/bin/env bash
# Sets up the machine, builds everything with the sanitizers, gives every fuzz target a short
# run on its seeds, and runs every test through CTest (whose summary ends the output).
#   tools/test.sh            the whole run, as CI does
#   tools/test.sh <filter>   the quick inner loop: no fuzz pass, only the tests whose names match
#                            the regular expression (ctest -R), e.g. 'AtomicFile|XmlDocument'
set -euo pipefail
cd "$(dirname "$0")/.."
filter="${1:-}"
./tools/setup.sh
cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGW_SANITIZE=ON -DGW_WERROR=ON >/dev/null
cmake --build build/test
if [ -z "$filter" ]; then
  GW_FUZZ_SEED=1 ./tools/fuzz.sh 10
fi
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd build/test
if [ -n "$filter" ]; then
  ctest --output-on-failure -j"$(nproc)" --no-tests=error -R "$filter"
else
  ctest --output-on-failure -j"$(nproc)"
fi
