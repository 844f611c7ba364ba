#!/usr/bin/env bash
# Builds KV (installing what is missing) and starts it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/build.sh"
exec "${KV_BUILD_DIR:-$root/build}/KV"
