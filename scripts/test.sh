#!/usr/bin/env bash
# Builds KV and runs every test (installing and starting what they need).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KV_BUILD_DIR:-$root/build}"
"$root/scripts/build.sh"
display="$("$root/scripts/services.sh" | tail -n1)"
cd "$build"
DISPLAY="$display" ctest --output-on-failure -j2 "$@"
