#!/usr/bin/env bash
# Runs every test of the project, from a fresh machine on (installs what it
# needs, as root):
#   1. the run's tests, native, against the simulated desktop (both editions),
#      and the conformance table of the simulated desktop;
#   2. the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. whole simulated runs under valgrind;
#   4. a bounded fuzz run of the command line (60 s unless FUZZ_SECONDS says);
#   5. the two Windows programs, cross-built and read back (machine, imports,
#      size, version resources, icon);
#   6. under Wine: the conformance table against the real user32, the guard
#      against every kind of fault, and the end-to-end runs of the real
#      programs with the stand-in host and with real structured exceptions
#      raised inside them: with the 64-bit builds under wine64 on every
#      machine, and with the 32-bit programs as shipped under wine32 where this
#      machine executes 32-bit x86 programs.
# Says which Wine lanes ran, then ends with one line "total: N passed, N failed";
# exits non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
jobs=$(nproc)
# Debian's Python, where install-deps.sh puts the modules the checks need.
python=/usr/bin/python3
logs=build/test-logs
./scripts/install-deps.sh test || exit 1
mkdir -p "$logs"

total_passed=0
total_failed=0
summary=()

# Runs one step, keeps its output, and adds its closing counts to the totals.
step() {
  local name=$1
  shift
  local log="$logs/$name.log"
  echo "== $name"
  local started=$SECONDS
  "$@" 2>&1 | tee "$log"
  local status=${PIPESTATUS[0]}
  local passed=0 failed=0 line
  if line=$(grep -E '[0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1) && [ -n "$line" ]; then
    failed=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$line")
    passed=$(( $(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$line") - failed ))
  elif line=$(grep -E '^([a-z -]+: )?[0-9]+ passed, [0-9]+ failed' "$log" | tail -n 1) && [ -n "$line" ]; then
    passed=$(sed -E 's/^([a-z -]+: )?([0-9]+) passed, ([0-9]+) failed.*/\2/' <<<"$line")
    failed=$(sed -E 's/^([a-z -]+: )?([0-9]+) passed, ([0-9]+) failed.*/\3/' <<<"$line")
  fi
  # A step that ends badly, or says nothing of what passed, has failed.
  if [ -z "$line" ]; then echo "FAIL  $name printed no count of what passed"; fi
  if { [ "$status" -ne 0 ] || [ -z "$line" ]; } && [ "$failed" -eq 0 ]; then failed=1; fi
  total_passed=$((total_passed + passed))
  total_failed=$((total_failed + failed))
  summary+=("$(printf '%-22s %4d passed, %2d failed, %4d s' "$name" "$passed" "$failed" $((SECONDS - started)))")
}

configure_and_build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" "$@" >/dev/null && cmake --build "$dir" -j "$jobs" 2>&1 | grep -E 'warning|error' ; test "${PIPESTATUS[0]}" -eq 0
}

native_tests() {
  configure_and_build build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo || return 1
  ctest --test-dir build/native -j "$jobs" --output-on-failure | tail -n 5
}

sanitizer_flags="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"

sanitizer_tests() {
  configure_and_build build/sanitize -DCMAKE_BUILD_TYPE=Debug \
    "-DCMAKE_CXX_FLAGS=$sanitizer_flags" || return 1
  ctest --test-dir build/sanitize -j "$jobs" --output-on-failure | tail -n 5
}

valgrind_runs() {
  ./tests/valgrind_runs.sh build/native
}

fuzz_run() {
  configure_and_build build/fuzz -DVESKARA_FUZZ=ON -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ "-DCMAKE_CXX_FLAGS=$sanitizer_flags" || return 1
  ./tests/fuzz/run_fuzz.sh build/fuzz "${FUZZ_SECONDS:-60}"
}

windows_builds() {
  configure_and_build build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw.cmake \
    -DCMAKE_BUILD_TYPE=MinSizeRel || return 1
  cmake --build build/win32 --target package >/dev/null || return 1
  configure_and_build build/win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw.cmake -DMINGW_ARCH=x86_64 \
    -DCMAKE_BUILD_TYPE=MinSizeRel || return 1
  "$python" tests/windows/check_artifacts.py build/win32
}

# Wine: a prefix of our own, a Japanese code page, and an X server for the
# conformance table (the end-to-end lanes start their own). One prefix serves
# both loaders: made where wine32 is installed, it runs 32-bit programs too.
export WINEPREFIX="$root/build/wine/prefix" WINEDEBUG=-all LANG=ja_JP.UTF-8
trap 'wineserver -k >/dev/null 2>&1' EXIT

# Chooses the loader of one lane: 64 (wine64) or 32 (wine, the 32-bit loader).
use_wine() {
  if [ "$1" = 64 ]; then
    export WINE=/usr/lib/wine/wine64
  else
    export WINE=/usr/lib/wine/wine
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
}

source scripts/xvfb.sh

# Runs one Windows test program under the lane's loader, on an X server of its own.
wine_program() {
  start_xvfb
  DISPLAY=$display "$WINE" "$1"
  local status=$?
  wineserver -k
  wineserver -w
  kill "$xvfb"
  wait "$xvfb" 2>/dev/null
  return $status
}

wine_end_to_end() {
  "$python" tests/windows/e2e.py "$1" 4
}

step native-tests native_tests
step sanitizer-tests sanitizer_tests
step valgrind valgrind_runs
step fuzz fuzz_run
step windows-programs windows_builds
use_wine 64
step wine64-conformance wine_program build/win64/tests/conformance/conformance_win32.exe
step wine64-fault-guard wine_program build/win64/tests/windows/fault_guard_check.exe
step wine64-end-to-end wine_end_to_end build/win64
lanes=("64-bit builds of the same source under wine64: ran")
if i386_answer=$(./scripts/can-run-i386.sh); then
  use_wine 32
  step wine32-conformance wine_program build/win32/tests/conformance/conformance_win32.exe
  step wine32-fault-guard wine_program build/win32/tests/windows/fault_guard_check.exe
  step wine32-end-to-end wine_end_to_end build/win32
  lanes+=("32-bit programs as shipped under wine32: ran")
else
  lanes+=("32-bit programs as shipped under wine32: not run, $i386_answer")
fi

echo
echo "Wine lanes:"
printf '  %s\n' "${lanes[@]}"
echo
printf '%s\n' "${summary[@]}"
echo "total: $total_passed passed, $total_failed failed"
[ "$total_failed" -eq 0 ]
