#!/usr/bin/env bash
# Start-up benchmark of the game against a bare Qt 6 main window (bench/baseline.cpp: a menu, a
# tool bar and a label), in one run under Xvfb with interleaved rounds: every round starts the
# baseline, the game with the music on and the game with the music off, in a rotating order, so
# a load that comes and goes on the machine falls on all of them alike.
#
# Each program writes, when DORV_BENCH_PAINTED names a file, the moment its window was first
# exposed ("mapped"), the moment its first frame was fully painted ("painted") and the processor
# time it had used by then ("cpu", all its threads and the loader's work); the script takes the
# launch moment just before it starts the program. On a busy machine the wall time of a start
# varies by a fifth from run to run, the processor time far less. The resident memory is read once
# the program has been idle for 2 s (the music playing, or not).
#
# Prints the median of every figure, and the ratios game/baseline of every round with their
# median (a ratio per round, so the rounds' common load cancels out), of the wall time and of the
# processor time, and the ratio of the median processor times (steadier when the load changes
# within a round).
#
# Usage: bench/startup.sh [rounds]   (default 15)
#        bench/startup.sh --loops    resident memory over ten loops of a short tune made of the
#                                    game's four instruments, played on the synthesiser and then
#                                    from the file rendered from it (about two minutes)
# Needs Xvfb; builds into build/ if needed.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=startup rounds=15
if [[ ${1:-} == --loops ]]; then mode=loops; elif [[ -n ${1:-} ]]; then rounds=$1; fi
command -v Xvfb >/dev/null || { echo "bench: Xvfb is missing (apt-get install xvfb)"; exit 1; }
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target dorv dorv_baseline dorv_render_music >/dev/null

tmp=$(mktemp -d)
# Xvfb takes the first free display itself and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$tmp/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -rf "$tmp"' EXIT
until [[ -s $tmp/display ]]; do
  kill -0 "$xvfb" 2>/dev/null || { echo "bench: Xvfb did not start"; exit 1; }
  sleep 0.05
done
# The game opens ALSA's default device as it would on a player's machine (where there is no sound
# card it plays silently), whatever the shell asked before.
export DORV_AUDIO=device
export DISPLAY=:$(head -n1 "$tmp/display")
for music in 0 1; do
  mkdir -p "$tmp/config$music/The Dorv"
  printf '[Options]\nMusic=%s\nSound=1\n' "$music" > "$tmp/config$music/The Dorv/The Dorv.conf"
done
sleep 1

ns() { local t=${EPOCHREALTIME/./}; echo "${t}000"; }
rss() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }

# One run: prints "<ms to mapped> <ms to painted> <resident kB after 2 s idle> <processor ms to painted>".
measure() {
  local program=$1 music=$2 start pid mapped painted cpu kb
  rm -f "$tmp/frame"
  start=$(ns)
  XDG_CONFIG_HOME=$tmp/config$music DORV_BENCH_PAINTED=$tmp/frame "$program" >"$tmp/log" 2>&1 &
  pid=$!
  until [[ -s $tmp/frame ]] && grep -q painted "$tmp/frame"; do
    kill -0 "$pid" 2>/dev/null || { echo "bench: $program ended before its first frame" >&2; cat "$tmp/log" >&2; exit 1; }
    (( $(ns) - start < 20000000000 )) || { echo "bench: no frame from $program" >&2; exit 1; }
    sleep 0.05
  done
  mapped=$(awk '$1 == "mapped" {print $2}' "$tmp/frame")
  painted=$(awk '$1 == "painted" {print $2}' "$tmp/frame")
  cpu=$(awk '$1 == "cpu" {print $2}' "$tmp/frame")
  sleep 2
  kb=$(rss "$pid")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  awk -v s="$start" -v m="$mapped" -v p="$painted" -v k="$kb" -v c="$cpu" \
    'BEGIN { printf "%.1f %.1f %d %.1f\n", (m - s) / 1e6, (p - s) / 1e6, k, c / 1e6 }'
}

median() { sort -g | awk '{a[NR]=$1} END {if (NR % 2) print a[(NR+1)/2]; else printf "%.2f\n", (a[NR/2] + a[NR/2+1]) / 2}'; }

if [[ $mode == loops ]]; then
  # A short tune with the game's four programs: a chord a second long, then the synthesiser's
  # tail; the game plays it again at its end, every 4 s or so.
  mkdir -p "$tmp/program"
  cp build/bin/sound.dat "$tmp/program/"
  python3 - "$tmp/program/Music.dat" <<'PY'
import struct, sys
ev = b""
for ch, prog in enumerate((4, 89, 32, 46)):
    ev += bytes([0, 0xC0 | ch, prog])
for ch, note in enumerate((72, 60, 41, 65)):
    ev += bytes([0, 0x90 | ch, note, 90])
ev += bytes([0x83, 0x60, 0x80, 72, 0]) + b"".join(bytes([0, 0x80 | ch, n, 0]) for ch, n in enumerate((60, 41, 65), 1))
ev += b"\x00\xff\x2f\x00"
open(sys.argv[1], "wb").write(b"MThd" + struct.pack(">IHHH", 6, 0, 1, 480) + b"MTrk" + struct.pack(">I", len(ev)) + ev)
PY
  for source in synthesiser rendered; do
    if [[ $source == rendered ]]; then
      # The tune rendered beside it, as the build renders the game's own.
      build/tools/dorv_render_music "$tmp/program/Music.dat" build/bin/music.sf2 /usr/share/sounds/sf2/default-GM.sf2 \
        "$tmp/program/music.tune"
    fi
    echo "the tune played $([[ $source == rendered ]] && echo "from its rendered file" || echo "on the synthesiser"):"
    XDG_CONFIG_HOME=$tmp/config1 DORV_PROGRAM_DIR=$tmp/program build/bin/dorv >"$tmp/log" 2>&1 &
    pid=$!
    sleep 6
    first=$(rss "$pid")
    echo "  after one loop (6 s): $((first / 1024)) MB"
    sleep 40
    last=$(rss "$pid")
    echo "  after ten loops (46 s): $((last / 1024)) MB"
    kill "$pid"; wait "$pid" 2>/dev/null || true
    awk -v a="$first" -v b="$last" 'BEGIN { printf "  growth over the loops: %+d kB\n", b - a }'
  done
  exit 0
fi

names=(base on off)
for ((r = 0; r < rounds; r++)); do
  for ((i = 0; i < 3; i++)); do
    name=${names[(r + i) % 3]}
    case $name in
      base) measure build/bin/dorv_baseline 1 ;;
      on) measure build/bin/dorv 1 ;;
      off) measure build/bin/dorv 0 ;;
    esac > "$tmp/run"
    echo "$r $(cat "$tmp/run")" >> "$tmp/$name"
  done
done

col() { awk -v c="$2" '{print $c}' "$tmp/$1"; }
ratios() { paste -d' ' <(col "$1" "$3") <(col base "$3") | awk '{printf "%.2f\n", $1 / $2}'; }
echo "rounds: $rounds (interleaved; medians)"
printf '%-22s %10s %10s %10s %10s\n' "" "mapped ms" "painted ms" "CPU ms" "idle MB"
for name in base on off; do
  label=$([[ $name == base ]] && echo "bare Qt main window" || echo "game, music $name")
  printf '%-22s %10s %10s %10s %10.1f\n' "$label" "$(col $name 2 | median)" "$(col $name 3 | median)" \
    "$(col $name 5 | median)" "$(col $name 4 | median | awk '{print $1 / 1024}')"
done
for name in on off; do
  echo "game, music $name / bare window, CPU to painted, per round: $(ratios $name base 5 | tr '\n' ' ')"
  echo "  median ratio CPU: $(ratios $name base 5 | median)   painted: $(ratios $name base 3 | median)   mapped: $(ratios $name base 2 | median)"
  echo "  ratio of the median CPU times: $(awk -v a="$(col $name 5 | median)" -v b="$(col base 5 | median)" 'BEGIN { printf "%.2f", a / b }')"
done
