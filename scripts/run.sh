#!/usr/bin/env bash
# Sets up, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
# Rebuilds of the same sources (another clone, another preset) come from the compiler cache.
if command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache} CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
fi

bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"

if [ -x build/default/src/app/velmorando ]; then
  bash scripts/desktop-check.sh build/default/src/cli/vlat-cli || exit 1
  exec build/default/src/app/velmorando "$@"
fi
# Until the application is there, the command-line tool shows the bundled example.
exec build/default/src/cli/vlat-cli info data/examples/cash-register.vld
