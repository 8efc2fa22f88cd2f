#!/usr/bin/env bash
# Succeeds when the application can open its windows: a display, a Wayland
# session or a Qt platform chosen by hand. Otherwise it says what to run instead
# and fails, rather than leaving the user with Qt's platform plug-in error.
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ] || [ -n "${QT_QPA_PLATFORM:-}" ]; then
  exit 0
fi
cli=${1:-build/default/src/cli/vlat-cli}
cat >&2 <<MSG
Velmorando AT needs a desktop: no display was found (DISPLAY and WAYLAND_DISPLAY are not set).
Without one, the command-line tool does the work; for the example layout:
  $cli info data/examples/cash-register.vld
  $cli check data/examples/cash-register.vld
  $cli --help
(QT_QPA_PLATFORM=offscreen starts the program without showing any window.)
MSG
exit 1
