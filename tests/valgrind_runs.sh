#!/usr/bin/env bash
# Whole simulated runs under valgrind's memcheck: no invalid reads or writes,
# no use of uninitialised memory, no leaks. Each run is one case.
#   valgrind_runs.sh NATIVE_BUILD_DIR
set -uo pipefail
build=${1:-build/native}
passed=0
failed=0
run() {
  local edition=$1
  shift
  if valgrind --quiet --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,indirect,possible \
      "$build/veskara_sim_$edition" "$@" >/dev/null; then
    passed=$((passed + 1))
    echo "ok    veskara_sim_$edition $*"
  else
    failed=$((failed + 1))
    echo "FAIL  veskara_sim_$edition $*"
  fi
}
run west
run east --host=running /NoClose
run west --host=endless-erase
run east --host=crash
run west --fault=GetMenu:1
run west --fault=FindWindowExA:2
run west --host=not-installed "C:\\$(printf 'x%.0s' {1..6000}).exe"
echo "valgrind: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
