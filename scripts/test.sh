#!/usr/bin/env bash
# Builds and tests the x86-64, UBSan and i686 configurations, warnings as errors.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
for preset in ${PALM_PRESETS:-release ubsan i686}; do
  echo "=== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
