#!/usr/bin/env bash
# The README's pictures in docs/: the end-to-end road's shots of single windows,
# reduced to a small palette so they stay small in the repository.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${KV_BUILD_DIR:-$root/build}"
display="$("$root/scripts/services.sh" | tail -n1)"
"$root/scripts/build.sh"
(cd "$build" && DISPLAY="$display" ctest -R '^e2e_tst_road$' --output-on-failure)
mkdir -p "$root/docs"
for shot in "$build"/e2e-screens/picture-*.png; do
  name="$(basename "$shot")"
  convert "$shot" -strip -colors 48 "PNG8:$root/docs/${name#picture-}"
done
ls -l "$root/docs"
