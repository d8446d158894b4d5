#!/usr/bin/env bash
# Start-up benchmark: the median time from launch to the first shown window, and the resident
# memory once idle, for the game and for a minimal Qt 6 widgets program, over several runs.
# Usage: bench/startup.sh [runs]   (needs Xvfb and xdotool; builds into build/ if needed)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-9}
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "bench: $tool is missing (apt-get install xvfb xdotool)"; exit 1; }
done
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target dorv dorv_baseline >/dev/null

tmp=$(mktemp -d)
display=:$(( 100 + $$ % 100 ))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$tmp"' EXIT
export DISPLAY=$display SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy} XDG_CONFIG_HOME=$tmp/config
sleep 1

# One run: prints "<milliseconds to the first shown window> <resident kB after 2 s idle>".
measure() {
  local program=$1 title=$2 start end pid rss
  start=$(date +%s%N)
  "$program" >"$tmp/log" 2>&1 &
  pid=$!
  # Polled, not --sync: xdotool's own wait looks only every half second.
  until xdotool search --onlyvisible --name "^$title\$" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "bench: $program ended before showing its window" >&2; cat "$tmp/log" >&2; exit 1; }
    (( $(date +%s%N) - start < 20000000000 )) || { echo "bench: no window from $program" >&2; exit 1; }
    sleep 0.02
  done
  end=$(date +%s%N)
  sleep 2
  rss=$(awk '/^VmRSS:/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$(( (end - start) / 1000000 )) $rss"
}

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

report() {
  local name=$1 program=$2 title=$3 i
  : > "$tmp/$name"
  for ((i = 0; i < runs; i++)); do measure "$program" "$title" >> "$tmp/$name"; done
  echo "$(cut -d' ' -f1 "$tmp/$name" | median) $(cut -d' ' -f2 "$tmp/$name" | median)"
}

read -r game_ms game_kb < <(report game build/bin/dorv "The Dorv 1.0")
read -r base_ms base_kb < <(report baseline build/bin/dorv_baseline "Baseline window")
echo "runs: $runs"
echo "game:     ${game_ms} ms to the first shown window, $((game_kb / 1024)) MB resident when idle"
echo "baseline: ${base_ms} ms to the first shown window, $((base_kb / 1024)) MB resident when idle"
awk -v g="$game_ms" -v b="$base_ms" 'BEGIN { printf "start-up ratio game/baseline: %.2f (target 1.5 or less)\n", g / b }'
awk -v k="$game_kb" 'BEGIN { printf "game memory: %.1f MB (target under 60 MB)\n", k / 1024 }'
