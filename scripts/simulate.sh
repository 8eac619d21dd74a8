#!/usr/bin/env bash
# Runs one erase on the simulated desktop and prints its timeline.
#   ./scripts/simulate.sh [--edition=west|east] [--host=SCENARIO] [--fault=OP:CALL[:refuse]]
#                         [--command-line=TEXT] [--] [NeroPath] [/NoClose]
#   ./scripts/simulate.sh --help      lists the host scenarios
set -euo pipefail
cd "$(dirname "$0")/.."
edition=west
arguments=()
for argument in "$@"; do
  case "$argument" in
    --edition=west|--edition=east) edition=${argument#--edition=} ;;
    --edition=*) echo "unknown edition: ${argument#--edition=} (west or east)" >&2; exit 2 ;;
    *) arguments+=("$argument") ;;
  esac
done
if [ ! -x "build/native/veskara_sim_$edition" ]; then
  cmake -S . -B build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build/native -j "$(nproc)" --target "veskara_sim_$edition" >/dev/null
fi
exec "build/native/veskara_sim_$edition" "${arguments[@]}"
