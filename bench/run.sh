#!/usr/bin/env bash
# Builds KV and its benchmarks, then prints the figures (medians of several runs).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KV_BUILD_DIR:-$root/build}"
"$root/scripts/build.sh"
display="$("$root/scripts/services.sh" | tail -n1)"
DISPLAY="$display" exec python3 "$root/bench/run.py" "$build" "$@"
