#!/usr/bin/env bash
# Hint benchmark: builds dorv_hint_bench and runs it over the sets kept in bench/positions. Per set
# of positions (met in play; boards a saved game can hold; random patterns and poor play of 29 to
# 35 balls), the proven share, the CPU time and work per hint (p50, p95, max), the wrong answers
# (checked independently) and the memory a hint takes at its peak and keeps; then the CPU time of
# a review of whole games. Each figure is printed beside its goal.
# Usage: bench/hint.sh [--work positions] [--sets play,boards,patterns,poor,review] [--positions FILE]
#                      [--unproven FILE] [--answers FILE] [--slowest N] [--seed N]
# (bench/hint.sh --write bench/positions makes the sets again; --seed N makes fresh ones.)
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target dorv_hint_bench >/dev/null
exec build/bin/dorv_hint_bench --from bench/positions "$@"
