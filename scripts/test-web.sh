#!/usr/bin/env bash
# The web target: the site and its tests built once; the runtime, thread and class-library
# tests under node; then every page in Debian's headless Chromium, one browser session,
# judged against the native programs' pictures (a native build, made if missing).
# Usage: scripts/test-web.sh [native-build-dir]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
native=${1:-build/release}
export NODE_PATH=/usr/share/nodejs

echo "=== web: build"
cmake --preset web >/dev/null
cmake --build --preset web -j "$jobs"
echo "=== web: tests under node"
ctest --preset web -j "$jobs"

echo "=== web: pages in the browser"
if [ ! -f "$native/CMakeCache.txt" ]; then
  cmake -S . -B "$native" -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$native" -j "$jobs" --target orbitale tumbler widgets
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
PALM_SITE=$PWD/build/web/site PALM_NATIVE_BUILD=$PWD/$native \
  node --test --test-concurrency=1 tests/web/browser_test.mjs
