#!/usr/bin/env bash
# Configures (once) and builds KV incrementally into build/ (or $KV_BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KV_BUILD_DIR:-$root/build}"
"$root/scripts/setup.sh"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${KV_CMAKE_ARGS:-}
fi
cmake --build "$build" -j2
