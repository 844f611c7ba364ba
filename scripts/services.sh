#!/usr/bin/env bash
# Starts what the tests need when it is not running: an X display for the
# end-to-end tests, and CUPS with a PDF queue for the printing tests.
# Prints the display to use (":N") on its last line.
set -u

display="${DISPLAY:-}"
if [ -z "$display" ] || ! xdpyinfo -display "$display" >/dev/null 2>&1; then
  display=":97"
  if ! xdpyinfo -display "$display" >/dev/null 2>&1; then
    (Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &)
    for _ in $(seq 1 50); do
      xdpyinfo -display "$display" >/dev/null 2>&1 && break
      sleep 0.1
    done
  fi
fi

if command -v cupsd >/dev/null 2>&1; then
  if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    (cupsd >/dev/null 2>&1 || /usr/sbin/cupsd >/dev/null 2>&1) || true
    for _ in $(seq 1 50); do
      lpstat -r 2>/dev/null | grep -q "is running" && break
      sleep 0.1
    done
  fi
  if lpstat -r 2>/dev/null | grep -q "is running" && ! lpstat -v 2>/dev/null | grep -q "cups-pdf:/"; then
    ppd=$(ls /usr/share/ppd/cups-pdf/*.ppd 2>/dev/null | head -n1)
    lpadmin -p KV-PDF -E -v cups-pdf:/ ${ppd:+-P "$ppd"} >/dev/null 2>&1 || true
  fi
fi
echo "$display"
