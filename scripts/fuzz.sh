#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time, one after the
# other. Usage: scripts/fuzz.sh [seconds per target, default 60] [target ...]
# Seeds come from fuzz/corpus/<target>/; what the fuzzer learns goes to
# build-fuzz/corpus/<target>/, crashing inputs to build-fuzz/crashes/<target>/.
# Exits non-zero when any target found a crash, a hang or a leak.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build=$root/build-fuzz
seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(console_numbers console_lines compute_chart natalchart chartanim biorhythm planetarium)
fi

cxx=${CXX:-clang++}
CXX=$cxx cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DASTRO_FUZZ=ON -DASTRO_BUILD_TESTS=OFF -DASTRO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export LSAN_OPTIONS=suppressions=$root/fuzz/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
unset WINGRAPH_SNAPSHOTS

failed=()
summary=$build/fuzz-summary.txt
printf '%-16s %10s %8s %s\n' target executions seconds result >"$summary"
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  crashes=$build/crashes/$target
  mkdir -p "$corpus" "$crashes"
  log=$build/fuzz-$target.log
  echo "== fuzz_$target for ${seconds}s"
  status=0
  "$build/fuzz/fuzz_$target" "$corpus" "$root/fuzz/corpus/$target" \
    -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$crashes/" >"$log" 2>&1 || status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  time=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -1)
  result=ok
  if [ "$status" -ne 0 ] || [ -n "$(ls -A "$crashes")" ]; then
    result="FOUND (see $log, $crashes)"
    failed+=("$target")
  fi
  printf '%-16s %10s %8s %s\n' "$target" "${runs:-?}" "${time:-?}" "$result" | tee -a "$summary"
done

echo "== summary ($summary)"
cat "$summary"
if [ ${#failed[@]} -ne 0 ]; then
  echo "crashing inputs in: ${failed[*]}" >&2
  exit 1
fi
