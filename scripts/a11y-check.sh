#!/usr/bin/env bash
# The editor as a screen reader sees it (tests/a11y/atspi_check.py), under a
# virtual X display with a window manager, a session bus and the accessibility
# bus. Argument: the build folder (build/default).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/default}
xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- bash -c '
  openbox >/dev/null 2>&1 &
  wm=$!
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  bus=$!
  sleep 1
  status=0
  /usr/bin/python3 tests/a11y/atspi_check.py "$1/src/app/velmorando" data || status=$?
  kill "$wm" "$bus" 2>/dev/null || true
  exit "$status"' _ "$build"
