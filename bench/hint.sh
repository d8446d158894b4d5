#!/usr/bin/env bash
# Hint benchmark: builds dorv_hint_bench and runs it. Per set of positions (met in play; boards a
# saved game can hold), the CPU time and work per hint (p50, p95, max), the proven share, the
# wrong answers (checked independently), and the memory a hint takes at its peak and keeps.
# Usage: bench/hint.sh [--work positions] [--sets play,boards] [--positions FILE] [--unproven FILE] [--slowest N]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target dorv_hint_bench >/dev/null
exec build/bin/dorv_hint_bench "$@"
