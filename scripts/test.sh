#!/usr/bin/env bash
# Sets up, builds and runs every test: the full build's test suite (with the staged
# install, the Debian package and the desktop-file checks), the keyboard port
# on a real kernel under QEMU (scripts/kernel-test.sh), the core tests
# under AddressSanitizer + UndefinedBehaviorSanitizer, the application's tests
# under ThreadSanitizer and under AddressSanitizer + UndefinedBehaviorSanitizer, and a short run of each fuzz
# target on its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
# Rebuilds of the same sources (another clone, another preset) come from the compiler cache.
if command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache} CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
fi

bash scripts/setup.sh
jobs=$(nproc)

echo "== build and test (default preset)"
cmake --preset default >/dev/null
cmake --build --preset default -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --preset default -j "$jobs"
echo "== the keyboard port on a real kernel, under QEMU"
bash scripts/kernel-test.sh build/default

echo "== the editor over AT-SPI, as a screen reader sees it"
bash scripts/a11y-check.sh build/default

echo "== core tests under AddressSanitizer + UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --preset asan -j "$jobs"

echo "== the application's device jobs under ThreadSanitizer"
# Only the application's tests are built here: they drive the device worker.
cmake --preset tsan >/dev/null
cmake --build --preset tsan -j "$jobs"
QT_QPA_PLATFORM=offscreen TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/tests/app/tsan.supp" \
  build/tsan/tests/app/test_app

echo "== the application's tests under AddressSanitizer + UndefinedBehaviorSanitizer"
# The core's objects come from the compiler cache of the asan build above.
cmake --preset app-asan >/dev/null
cmake --build --preset app-asan -j "$jobs"
# Qt and the font libraries keep caches until exit: leaks are not looked for here.
QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
  build/app-asan/tests/app/test_app

echo "== fuzz targets, short runs on their seed corpora"
bash scripts/fuzz-smoke.sh "${FUZZ_SECONDS:-10}"
