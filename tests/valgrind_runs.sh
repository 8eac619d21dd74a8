#!/usr/bin/env bash
# Whole simulated runs under valgrind's memcheck: no invalid reads or writes,
# no use of uninitialised memory, no leaks. Each run is one case.
#   valgrind_runs.sh NATIVE_BUILD_DIR
set -uo pipefail
build=${1:-build/native}
passed=0
failed=0
run() {
  local label=$1 edition=$2
  shift 2
  if valgrind --quiet --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,indirect,possible \
      "$build/veskara_sim_$edition" "$@" >/dev/null; then
    passed=$((passed + 1))
    echo "ok    $label ($edition)"
  else
    failed=$((failed + 1))
    echo "FAIL  $label ($edition)"
  fi
}
run "cold start, host exits via its menu" west
run "running host, /NoClose" east --host=running /NoClose
run "erase never ends" west --host=endless-erase
run "host vanishes while erasing" east --host=crash
run "fault escaping an unguarded step" west --fault=GetMenu:1
run "fault inside the guarded button step" west --fault=FindWindowExA:2
run "6000-byte host path" west --host=not-installed "C:\\$(printf 'x%.0s' {1..6000}).exe"
echo "valgrind: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
