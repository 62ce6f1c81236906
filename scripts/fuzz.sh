#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets with clang in build-fuzz and runs each for a
# bounded time, then prints the executions and findings of every target.
#   scripts/fuzz.sh [seconds-per-target] [target...]
# Targets are named as in fuzz/CMakeLists.txt (large_add, large_div, ...);
# all of them, in its order, when none is named. Each run starts from
# build-fuzz/corpus/<target> (kept between runs) and the seeds in
# fuzz/corpus/<target>. A finding (a crash, a sanitizer report, a broken
# invariant, a leak, an input running over 10 s) leaves its input in
# build-fuzz/findings/<target>/ and makes the script exit 1.
# Reproduce one with: build-fuzz/fuzz/fuzz_<target> <input file>.
set -euo pipefail

seconds=${1:-60}
shift || true
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${CALCORA_FUZZ_BUILD_DIR:-$root/build-fuzz}

# Inputs are capped so that one execution stays short; the inflation of
# fuzz_input.h still reaches texts past the engine's 32,767-character limit.
max_len=4000
timeout_seconds=10

compiler=()
if [[ ! -f "$build/CMakeCache.txt" ]]; then
  compiler=(-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang)
elif ! grep -q '^CMAKE_CXX_COMPILER:[A-Z]*=.*clang' "$build/CMakeCache.txt"; then
  echo "$build was configured with another compiler than clang; remove it and run again." >&2
  exit 2
fi
# The same sanitizers as the test command's second build (CALCORA_SANITIZE).
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${compiler[@]}" \
  -DCALCORA_BUILD_FUZZ=ON -DCALCORA_SANITIZE=ON \
  -DCALCORA_BUILD_UI=OFF -DCALCORA_BUILD_TESTS=OFF -DCALCORA_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzz_targets

if (($# == 0)); then
  # CMake writes the list of fuzz/CMakeLists.txt there, one a line.
  mapfile -t targets <"$build/fuzz/targets.txt"
else
  targets=("$@")
fi

export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
found=0
summary=()
# Files libFuzzer left in the target's findings folder. Slow units (close to
# the timeout) are noted; crashes, timeouts, leaks and running out of memory
# are findings.
count() { find "$findings" -type f -name "$1" | wc -l; }
for name in "${targets[@]}"; do
  exe=$build/fuzz/fuzz_$name
  corpus=$build/corpus/$name
  findings=$build/findings/$name
  log=$build/logs/$name.log
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  seeds=()
  [[ -d "$root/fuzz/corpus/$name" ]] && seeds=("$root/fuzz/corpus/$name")
  before=$(( $(count 'crash-*') + $(count 'timeout-*') + $(count 'leak-*') + $(count 'oom-*') ))
  slow_before=$(count 'slow-unit-*')

  echo "== fuzz_$name for ${seconds}s"
  status=0
  "$exe" -max_len=$max_len -timeout=$timeout_seconds -max_total_time="$seconds" \
    -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "${seeds[@]}" >"$log" 2>&1 || status=$?

  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  new=$(( $(count 'crash-*') + $(count 'timeout-*') + $(count 'leak-*') + $(count 'oom-*') - before ))
  if (( $(count 'slow-unit-*') > slow_before )); then
    echo "   note: a slow input (near ${timeout_seconds}s) was kept in $findings"
  fi
  if ((status != 0 || new > 0)); then
    found=1
    grep -a -E '^==== FINDING|ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error|SUMMARY|Test unit written' \
      "$log" | cut -c1-400 | sed 's/^/   /' || true
    echo "   (exit status $status; full log: $log)"
    summary+=("$(printf '%-16s %12s  %s' "$name" "${executions:-?}" "FINDING")")
  else
    summary+=("$(printf '%-16s %12s  %s' "$name" "${executions:-?}" "none")")
  fi
done

echo
printf '%-16s %12s  %s\n' target executions findings
printf '%s\n' "${summary[@]}"
exit "$found"
