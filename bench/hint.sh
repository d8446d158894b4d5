#!/usr/bin/env bash
# Hint benchmark: builds dorv_hint_bench and runs it. The time per hint (p50, p95, max) on one
# core and the peak resident memory, for the hint solver and a plain depth-first search.
# Usage: bench/hint.sh [hint budget in ms, default 10000] [plain-search cap in ms, default 2000]
#        [random games per start, default 1]
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target dorv_hint_bench >/dev/null
exec build/bin/dorv_hint_bench "$@"
