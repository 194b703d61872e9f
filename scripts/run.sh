#!/usr/bin/env bash
# Installs what is needed, builds Kelvan and starts it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
bash "$here/scripts/setup.sh"
bash "$here/scripts/build.sh"
exec "${KELVAN_BUILD_DIR:-$here/build}/src/app/kelvan" "$@"
