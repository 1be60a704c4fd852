#!/usr/bin/env bash
# Runs the Linux and the Windows drawdiff (the latter under wine, on a virtual X display
# when there is none) in monochrome and colour, and compares the screen bitmaps byte for byte.
#   drawdiff.sh LINUX_DRAWDIFF WINDOWS_DRAWDIFF.exe
set -euo pipefail
linux=$(realpath "$1")
windows=$(realpath "$2")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
wine=$(command -v wine || command -v wine64)
run_wine() {
  if [ -n "${DISPLAY:-}" ]; then
    WINEDEBUG=-all "$wine" "$@"
  else
    WINEDEBUG=-all xvfb-run -a "$wine" "$@"
  fi
}
status=0
for switch in "" "-color"; do
  PALM_HEADLESS=1 "$linux" "$out/linux$switch.png" $switch
  (cd "$out" && run_wine "$windows" "windows$switch.png" $switch) </dev/null
  if cmp -s "$out/linux$switch.png" "$out/windows$switch.png"; then
    echo "drawdiff ${switch:-mono}: identical"
  else
    echo "drawdiff ${switch:-mono}: DIFFERENT" >&2
    cp "$out/linux$switch.png" "$out/windows$switch.png" "${DRAWDIFF_KEEP:-/tmp}/" 2>/dev/null || true
    status=1
  fi
done
exit $status
