#!/usr/bin/env bash
# Configures and builds Kelvan into ./build (or $KELVAN_BUILD_DIR).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="${KELVAN_BUILD_DIR:-$here/build}"
jobs="$(nproc 2>/dev/null || echo 2)"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$build" -j "$jobs"
