#!/usr/bin/env bash
# Builds and tests the x86-64 release, the sanitizers' (AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer in one build) and the i686 configurations (PALM_PRESETS names
# others), warnings as errors; then, where their tools are installed, the web pages in
# headless Chromium and the Windows build under wine (PALM_SKIP_WEB, PALM_SKIP_WINDOWS skip
# them).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
for preset in ${PALM_PRESETS:-release asan i686}; do
  echo "=== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
  # The Debian package, installed and removed again.
  if [ "$preset" = release ]; then scripts/test-install.sh deb; fi
done

if [ -n "${PALM_SKIP_WEB:-}" ] || ! command -v emcc >/dev/null ||
   ! command -v chromium >/dev/null; then
  echo "=== web: skipped (no emscripten or no chromium)"
else
  ./scripts/test-web.sh build/release
fi

if [ -n "${PALM_SKIP_WINDOWS:-}" ] || ! command -v wine >/dev/null ||
   ! command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
  echo "=== windows: skipped (no wine or no cross compiler)"
  exit 0
fi
echo "=== windows"
export WINEDEBUG=-all
# The whole preset, as README's Windows command builds it.
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$jobs"
run_wine() {
  if [ -n "${DISPLAY:-}" ]; then wine "$@"; else tests/support/with_xvfb.sh wine "$@"; fi
}
run_wine build/windows/tests/runtime/runtime_tests.exe --gtest_brief=1 </dev/null
run_wine build/windows/tests/platform/platform_tests.exe --gtest_brief=1 </dev/null
tests/platform/drawdiff.sh build/release/tests/platform/drawdiff \
  build/windows/tests/platform/drawdiff.exe
# Each Windows program starts under wine and shows its first screen.
PALM_WINDOWS_APPS=$PWD/build/windows/apps ctest --preset release -R WindowsBuild
# The same programs from the Windows zip.
scripts/test-install.sh zip
