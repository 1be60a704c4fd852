#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need.
set -euo pipefail
pkgs=(build-essential cmake g++-multilib libgtest-dev googletest libbenchmark-dev
      libsdl2-dev zlib1g-dev mingw-w64 fonts-dejavu-core wine wine64 xvfb xauth x11-utils
      python3 python3-pil imagemagick)
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
