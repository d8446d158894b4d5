#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/) with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/, and runs each for the given seconds (default 20)
# from its seed corpus. New inputs go to a temporary folder, never into fuzz/corpus; an input
# that breaks a target is kept as build-fuzz/failures/<target>-crash-*.
#   scripts/fuzz.sh        # 20 s each, as CI runs it
#   scripts/fuzz.sh 600    # a longer run
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
targets=(high_score_file moves_file saved_game_file byte_lines midi_check sound_font_check wave_file game)

scripts/install-clang.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

CC=clang CXX=clang++ cmake -S fuzz -B build-fuzz >/dev/null
cmake --build build-fuzz -j2

failures=build-fuzz/failures
mkdir -p "$failures"
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
failed=()
for target in "${targets[@]}"; do
  mkdir "$work/$target"
  echo "== fuzz_$target: ${seconds} s"
  if build-fuzz/fuzz_"$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
       -artifact_prefix="$failures/$target-" "$work/$target" "fuzz/corpus/$target" >"$work/$target.log" 2>&1; then
    grep -E '^#[0-9]+[[:space:]]+DONE' "$work/$target.log" || true
  else
    tail -n 40 "$work/$target.log"
    failed+=("$target")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzz targets failed: ${failed[*]} (inputs in $failures/)" >&2
  exit 1
fi
echo "All ${#targets[@]} fuzz targets ran ${seconds} s without a fault."
