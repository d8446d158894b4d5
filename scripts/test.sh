#!/usr/bin/env bash
# Builds the game and runs every test, without a display or a sound card.
# DORV_SANITIZE=1 builds with AddressSanitizer and UndefinedBehaviorSanitizer in build-sanitize/;
# DORV_SANITIZE=thread with ThreadSanitizer in build-tsan/, and runs the tests where threads share data.
# The compiler is the system's unless CC and CXX name another; a build folder keeps the compiler
# it was made with, so clang builds in a folder of its own (build-clang/, build-sanitize-clang/):
#   DORV_SANITIZE=1 CC=clang CXX=clang++ scripts/test.sh      # the sanitised run of CI
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-test-deps.sh
dir=build
flags=()
labels=()
if [ "${DORV_SANITIZE:-0}" = thread ]; then
  # ThreadSanitizer, on the tests where threads share data (the Qt-free libraries' and the media's).
  dir=build-tsan
  flags=(-DDORV_THREAD_SANITIZE=ON)
  labels=(-L threads)
  # The system's uninstrumented libraries (Qt, GLib, OpenMP under FluidSynth) are suppressed.
  export TSAN_OPTIONS=${TSAN_OPTIONS:-halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/tests/tsan.supp}
elif [ "${DORV_SANITIZE:-0}" = 1 ]; then
  dir=build-sanitize
  flags=(-DDORV_SANITIZE=ON)
  # Leaks inside the system's audio and font libraries are not ours to mend.
  export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
  export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
fi
case ${CXX:-} in *clang*) dir=$dir-clang ;; esac
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${flags[@]}" >/dev/null
# The tools that draw the artwork while the game is built run on Qt's threads, which
# ThreadSanitizer cannot see whole: it stays quiet while building.
if [ "${DORV_SANITIZE:-0}" = thread ]; then
  TSAN_OPTIONS=report_bugs=0 cmake --build "$dir" -j"$(nproc)"
else
  cmake --build "$dir" -j"$(nproc)"
fi
export QT_QPA_PLATFORM=offscreen DORV_AUDIO=silent
ctest --test-dir "$dir" --output-on-failure -j"$(nproc)" "${labels[@]}"
