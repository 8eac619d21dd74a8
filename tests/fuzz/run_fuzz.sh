#!/usr/bin/env bash
# A bounded fuzz run of the command line, then every kept crash input again.
#   run_fuzz.sh FUZZ_BUILD_DIR SECONDS
# Inputs that ever crashed are kept in tests/fuzz/regressions/ and replayed
# on every run; a new one found now is copied there to be committed.
set -uo pipefail
build=${1:-build/fuzz}
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
fuzzer="$build/tests/fuzz/command_line_fuzz"
corpus="$build/fuzz-corpus"
mkdir -p "$corpus" "$here/regressions"
cp -n "$here"/seeds/* "$corpus"/ 2>/dev/null

passed=0
failed=0
replayed=$(ls "$here"/regressions/ 2>/dev/null | wc -l)
if [ "$replayed" -gt 0 ]; then
  if "$fuzzer" -runs=0 "$here"/regressions/* >/dev/null 2>&1; then
    passed=$((passed + 1)); echo "ok    $replayed kept crash inputs replayed"
  else
    failed=$((failed + 1)); echo "FAIL  a kept crash input crashes again"
  fi
fi

log="$build/fuzz.log"
"$fuzzer" -max_total_time="$seconds" -max_len=12000 -print_final_stats=1 \
  -artifact_prefix="$build/fuzz-crash-" "$corpus" >"$log" 2>&1
status=$?
executions=$(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}')
rate=$(grep -E '^stat::average_exec_per_sec' "$log" | awk '{print $2}')
crashes=$(ls "$build"/fuzz-crash-* 2>/dev/null)
if [ -n "$crashes" ]; then
  cp $crashes "$here/regressions/"
fi
if [ "$status" -eq 0 ] && [ -z "$crashes" ] && [ "${executions:-0}" -ge 100000 ]; then
  passed=$((passed + 1))
  echo "ok    fuzzed ${seconds} s: ${executions} executions, ${rate} per second, no finding"
else
  failed=$((failed + 1))
  echo "FAIL  fuzz run: status $status, ${executions:-0} executions (at least 100000 wanted), findings: ${crashes:-none}"
  tail -n 30 "$log"
fi
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
