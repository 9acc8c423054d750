#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite twice: in the optimised build and in the build
# with AddressSanitizer and UndefinedBehaviorSanitizer (which also runs the fuzz targets).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/setup.sh
jobs=$(nproc)
for preset in default asan; do
  echo "=== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
