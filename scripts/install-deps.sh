#!/usr/bin/env bash
# Installs the Debian packages the build needs.
#   install-deps.sh run   what building and running the programs needs: compiler, CMake,
#                         SDL2 and zlib
#   install-deps.sh       everything the tests and benchmarks need too, the web pages' and
#                         the Windows build's included (what CI runs)
#   install-deps.sh web   the web build and its browser tests alone (scripts/test-web.sh)
set -euo pipefail
run=(build-essential cmake libsdl2-dev zlib1g-dev)
web=(emscripten node-acorn chromium)
# A machine's own Node.js brings its npm, which Debian's npm package would conflict with.
command -v npm >/dev/null || web+=(nodejs npm)
case "${1:-all}" in
  run) pkgs=("${run[@]}") ;;
  all) pkgs=("${run[@]}" "${web[@]}" g++-multilib lib32z1-dev libgtest-dev googletest
             libbenchmark-dev mingw-w64 fonts-dejavu-core wine wine64 xvfb xauth x11-utils xdotool
             python3 python3-pil imagemagick lintian desktop-file-utils unzip) ;;
  web) pkgs=("${run[@]}" "${web[@]}") ;;
  *) echo "usage: $0 [run|web]" >&2; exit 2 ;;
esac
missing=()
for p in "${pkgs[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if ((${#missing[@]})); then
  SUDO=""
  [ "$(id -u)" = 0 ] || SUDO=sudo
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
