#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer, then runs one for a while:
#   bash scripts/fuzz.sh fuzz_archive 300     (seconds)
# New crashes land in build-fuzz/; add each as a corpus file with its fix.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
target="${1:?name of a fuzz target, e.g. fuzz_archive}"
seconds="${2:-120}"
build="$here/build-fuzz"
bash "$here/scripts/setup.sh"
# Fuzzing needs clang with libFuzzer; the everyday build does not.
if ! command -v clang++ >/dev/null 2>&1; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get install -y --no-install-recommends clang
fi
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKELVAN_FUZZ=ON -DKELVAN_BUILD_TESTS=OFF -DKELVAN_BUILD_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -DFUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION"
cmake --build "$build" --target "$target" -j "$(nproc)"
short="${target#fuzz_}"
work="$build/corpus-$short"
mkdir -p "$work"
cd "$build"
QT_QPA_PLATFORM=offscreen "./tests/fuzz/$target" -max_total_time="$seconds" -rss_limit_mb=2048 \
  -timeout=10 "$work" "$here/tests/fuzz/corpus/$short"
