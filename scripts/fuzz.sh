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
targets=(high_score_file moves_file saved_game_file byte_lines midi_check game)

install() {
  local sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "$@"
}
command -v clang++ >/dev/null && command -v cmake >/dev/null || install clang cmake make
# libFuzzer comes with clang's runtime, packaged apart on Debian.
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"$probe/probe.cpp"
if ! clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null; then
  version=$(clang++ -dumpversion | cut -d. -f1)
  install "libclang-rt-$version-dev"
fi

CC=clang CXX=clang++ cmake -S fuzz -B build-fuzz >/dev/null
cmake --build build-fuzz -j2

failures=build-fuzz/failures
mkdir -p "$failures"
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
failed=()
for target in "${targets[@]}"; do
  mkdir "$probe/$target"
  echo "== fuzz_$target: ${seconds} s"
  if build-fuzz/fuzz_"$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
       -artifact_prefix="$failures/$target-" "$probe/$target" "fuzz/corpus/$target" >"$probe/$target.log" 2>&1; then
    grep -E '^#[0-9]+[[:space:]]+DONE' "$probe/$target.log" || true
  else
    tail -n 40 "$probe/$target.log"
    failed+=("$target")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzz targets failed: ${failed[*]} (inputs in $failures/)" >&2
  exit 1
fi
echo "All ${#targets[@]} fuzz targets ran ${seconds} s without a fault."
