#!/usr/bin/env bash
# Runs the built suite again and again beside many busy loops, so the cores are oversubscribed
# and every test that leans on the machine's speed or on a wait of so many milliseconds shows
# itself. The loops run at the lowest priority, so the suite still gets about half a core's worth.
#   scripts/busy-test.sh [build folder] [rounds] [loops]      # defaults: build 3 64
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
rounds=${2:-3}
loops=${3:-64}
pids=()
stop() { kill "${pids[@]}" 2>/dev/null || true; }
trap stop EXIT
for _ in $(seq "$loops"); do
  nice -n 19 bash -c 'while :; do :; done' &
  pids+=($!)
done
export QT_QPA_PLATFORM=offscreen DORV_AUDIO=silent
for round in $(seq "$rounds"); do
  echo "== round $round of $rounds beside $loops busy loops"
  ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
done
