#!/usr/bin/env bash
# Builds the game and runs every test, without a display or a sound card.
# DORV_SANITIZE=1 builds with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize/.
# The compiler is the system's unless CC and CXX name another; a build folder keeps the compiler
# it was made with, so clang builds in a folder of its own (build-clang/, build-sanitize-clang/):
#   DORV_SANITIZE=1 CC=clang CXX=clang++ scripts/test.sh      # the sanitised run of CI
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-test-deps.sh
dir=build
flags=()
if [ "${DORV_SANITIZE:-0}" = 1 ]; then
  dir=build-sanitize
  flags=(-DDORV_SANITIZE=ON)
  # Leaks inside the system's audio and font libraries are not ours to mend.
  export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
fi
case ${CXX:-} in *clang*) dir=$dir-clang ;; esac
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${flags[@]}" >/dev/null
cmake --build "$dir" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen DORV_AUDIO=silent
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)"
