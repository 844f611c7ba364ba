#!/usr/bin/env bash
# Builds KV and runs every test (installing and starting what they need):
# first the normal build in build/, then the whole suite again built with
# AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/.
# KV_SANITIZE=0 skips the second pass; arguments go to ctest.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
display="$("$root/scripts/services.sh" | tail -n1)"

suite() {
  local dir="$1"; shift
  KV_BUILD_DIR="$dir" KV_CMAKE_ARGS="$*" "$root/scripts/build.sh"
  (cd "$dir" && DISPLAY="$display" ctest --output-on-failure -j2 "${ctest_args[@]}")
}

ctest_args=("$@")
suite "${KV_BUILD_DIR:-$root/build}"
if [ "${KV_SANITIZE:-1}" != 0 ]; then
  echo "== the same suite under AddressSanitizer and UndefinedBehaviorSanitizer =="
  # Leak reports are off: Qt's libraries keep caches to the end of a process.
  export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  suite "$root/build-asan" -DKV_SANITIZE=ON
fi
