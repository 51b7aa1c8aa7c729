#!/usr/bin/env bash
# Configures and builds into build/ (or $MELVANE_BUILD_DIR). Extra arguments go to CMake.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${MELVANE_BUILD_DIR:-$root/build}
cmake -S "$root" -B "$build" -DMELVANE_WERROR=ON "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
