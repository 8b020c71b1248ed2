#!/usr/bin/env bash
# Builds every fuzz target with clang and runs each for a while on its seed corpus.
#   tools/fuzz.sh [seconds-per-target] [target-name-filter]
# Findings are written to build/fuzz/findings/; a crash, leak or hang fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-10}"
filter="${2:-}"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DGW_FUZZ=ON -DGW_TESTS=OFF -DGW_BENCH=OFF >/dev/null
targets=$(cd fuzz && ls *.cpp 2>/dev/null | sed 's/\.cpp$//' | grep -e "${filter}" || true)
[ -n "$targets" ] || { echo "fuzz: no targets"; exit 0; }
cmake --build build/fuzz --target $(printf 'fuzz_%s ' $targets) >/dev/null
mkdir -p build/fuzz/findings build/fuzz/work
status=0
for t in $targets; do
  work="build/fuzz/work/$t"
  mkdir -p "$work"
  seeds="fuzz/corpus/$t"
  [ -d "$seeds" ] || seeds=""
  log="build/fuzz/findings/$t.log"
  if ASAN_OPTIONS=detect_leaks=1 build/fuzz/fuzz/fuzz_"$t" "$work" $seeds \
       -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
       -artifact_prefix="build/fuzz/findings/$t-" -print_final_stats=1 >"$log" 2>&1; then
    runs=$(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
    echo "fuzz: $t ok ($runs runs in ${seconds}s)"
  else
    echo "fuzz: $t FAILED, see $log"; tail -30 "$log"; status=1
  fi
done
exit $status
