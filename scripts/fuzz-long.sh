#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for MINUTES on a working copy of its
# seed corpus; new inputs the run finds are kept in build/fuzz/corpus/<name>, and
# crashes in build/fuzz/crashes/<name>.
# Usage: scripts/fuzz-long.sh MINUTES [target name ...]
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 1 ] || ! [[ $1 =~ ^[0-9]+$ ]] || [ "$1" -eq 0 ]; then
  echo "usage: scripts/fuzz-long.sh MINUTES [target name ...]" >&2
  exit 64
fi
minutes=$1
shift
if command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache} CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

if [ $# -gt 0 ]; then
  names=("$@")
else
  names=()
  for target in build/fuzz/fuzz/fuzz_*; do
    name=$(basename "$target")
    names+=("${name#fuzz_}")
  done
fi
status=0
for name in "${names[@]}"; do
  target="build/fuzz/fuzz/fuzz_$name"
  [ -x "$target" ] || { echo "no fuzz target $name" >&2; exit 64; }
  corpus="build/fuzz/corpus/$name"
  crashes="build/fuzz/crashes/$name"
  mkdir -p "$corpus" "$crashes"
  [ -d "fuzz/corpus/$name" ] && cp -rn "fuzz/corpus/$name"/. "$corpus"/
  echo "-- $name (${minutes} min)"
  "$target" -max_total_time=$((minutes * 60)) -print_final_stats=1 -artifact_prefix="$crashes/" "$corpus" \
    2>&1 | tail -n 12 || status=1
done
exit $status
