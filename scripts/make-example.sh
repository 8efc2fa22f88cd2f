#!/usr/bin/env bash
# Rewrites data/examples/cash-register.vld from cash-register.mtf with the program's
# own writer (the CLI tests check that the committed file is what this gives).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset default >/dev/null
cmake --build --preset default --target make_cash_register
build/default/data/examples/make_cash_register data/examples/cash-register.mtf data/examples/cash-register.vld
build/default/src/cli/vlat-cli info data/examples/cash-register.vld
