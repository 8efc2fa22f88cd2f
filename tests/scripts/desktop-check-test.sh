#!/usr/bin/env bash
# The start script's desktop check: it lets the program start wherever Qt can
# show windows and, on a machine without any, fails with the CLI to run instead.
set -u
check="$1"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM bash "$check" /opt/vlat-cli 2>&1) \
  && fail "no display: the check passed"
case "$out" in
  *"needs a desktop"*) ;;
  *) fail "no display: the reason is missing: $out" ;;
esac
case "$out" in
  *"/opt/vlat-cli info data/examples/cash-register.vld"*) ;;
  *) fail "no display: the command to run instead is missing: $out" ;;
esac

for env in DISPLAY=:0 WAYLAND_DISPLAY=wayland-0 QT_QPA_PLATFORM=offscreen; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$env" bash "$check" 2>&1) \
    || fail "$env: the check failed"
  [ -z "$out" ] || fail "$env: unexpected output: $out"
done
exit $((failures > 0))
