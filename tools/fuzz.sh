#!/usr/bin/env bash
# Builds every fuzz target with clang and runs each for a while on its seed corpus.
#   tools/fuzz.sh [seconds-per-target] [target-name-filter]
# Targets run side by side (GW_FUZZ_JOBS at a time, half the processors by default). Findings are
# written to build/fuzz/findings/; a crash, leak, hang or sanitizer report fails the run. The
# seeds run first, so an input kept in fuzz/corpus/<name>/ after a fix is a regression test.
# GW_FUZZ_SEED fixes the fuzzer's random seed (the test run sets it so a landing gate does not
# depend on luck); by hand it is left unset and every run explores afresh.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-10}"
filter="${2:-}"
jobs="${GW_FUZZ_JOBS:-$(( $(nproc) / 2 > 0 ? $(nproc) / 2 : 1 ))}"
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DGW_FUZZ=ON -DGW_TESTS=OFF -DGW_BENCH=OFF >/dev/null
targets=$(cd fuzz && ls *.cpp 2>/dev/null | sed 's/\.cpp$//' | grep -e "${filter}" || true)
[ -n "$targets" ] || { echo "fuzz: no targets"; exit 0; }
cmake --build build/fuzz --target $(printf 'fuzz_%s ' $targets) >/dev/null
mkdir -p build/fuzz/findings build/fuzz/work

# One target: its log in findings/<t>.log, its exit status in findings/<t>.status.
run_one() {
  local t="$1" work="build/fuzz/work/$1" seeds="fuzz/corpus/$1" log="build/fuzz/findings/$1.log"
  mkdir -p "$work"
  [ -d "$seeds" ] || seeds=""
  # UBSan only reports and goes on unless told to stop; the fuzzer must see the report as a crash.
  if UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ASAN_OPTIONS=detect_leaks=1 \
       build/fuzz/fuzz/fuzz_"$t" "$work" $seeds \
       ${GW_FUZZ_SEED:+-seed="$GW_FUZZ_SEED"} -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
       -artifact_prefix="build/fuzz/findings/$t-" -print_final_stats=1 >"$log" 2>&1; then
    echo 0 >"build/fuzz/findings/$t.status"
  else
    echo 1 >"build/fuzz/findings/$t.status"
  fi
}

running=0
for t in $targets; do
  run_one "$t" &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n || true
    running=$((running - 1))
  fi
done
wait

status=0
for t in $targets; do
  log="build/fuzz/findings/$t.log"
  if [ "$(cat "build/fuzz/findings/$t.status")" = 0 ]; then
    runs=$(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
    cov=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1 || true)
    echo "fuzz: $t ok ($runs runs in ${seconds}s, $cov)"
  else
    echo "fuzz: $t FAILED, see $log"; tail -30 "$log"; status=1
  fi
done
exit $status
