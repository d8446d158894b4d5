#!/usr/bin/env bash
# Puzzle benchmark: builds dorv_puzzle_bench and runs it: the whole collection proven from scratch
# (positions visited, CPU s), then the goal solver's hints from the positions along each puzzle's
# solution and after one wrong jump off it (p50, p95 and max of CPU time and visits).
# Usage: bench/puzzles.sh [--work N] [--slowest N] [--fresh] [--each]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target dorv_puzzle_bench >/dev/null
exec build/bin/dorv_puzzle_bench "$@"
