#!/usr/bin/env bash
# Installs clang, with the runtime of its sanitisers and of libFuzzer (packaged apart on Debian),
# and cmake and make when they are missing: the sanitised tests and the fuzz targets are built
# with it (run as root or with sudo).
set -euo pipefail
install() {
  local sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "$@"
}
command -v clang++ >/dev/null && command -v cmake >/dev/null && command -v make >/dev/null || install clang cmake make
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"$probe/probe.cpp"
if ! clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null; then
  install "libclang-rt-$(clang++ -dumpversion | cut -d. -f1)-dev"
fi
