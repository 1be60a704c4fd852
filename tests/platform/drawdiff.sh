#!/usr/bin/env bash
# Runs the Linux and the Windows drawdiff (the latter under wine, on a virtual X display
# when there is none) in monochrome and colour, and compares the screen bitmaps byte for byte
# (the pictures' pixels: the Linux build compresses its PNGs, the Windows build does not).
#   drawdiff.sh LINUX_DRAWDIFF WINDOWS_DRAWDIFF.exe
set -euo pipefail
linux=$(realpath "$1")
windows=$(realpath "$2")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
wine=$(command -v wine || command -v wine64)
xvfb=$(realpath "$(dirname "$0")/../support/with_xvfb.sh")
run_wine() {
  if [ -n "${DISPLAY:-}" ]; then
    WINEDEBUG=-all "$wine" "$@"
  else
    WINEDEBUG=-all "$xvfb" "$wine" "$@"
  fi
}
# Size and pixel bytes of a PNG as the host writes it.
pixels() {
  python3 -c '
import struct, sys, zlib
d = open(sys.argv[1], "rb").read()
pos, idat = 8, b""
while pos < len(d):
    n = struct.unpack(">I", d[pos:pos + 4])[0]
    if d[pos + 4:pos + 8] == b"IDAT":
        idat += d[pos + 8:pos + 8 + n]
    pos += 12 + n
sys.stdout.buffer.write(d[16:24] + zlib.decompress(idat))' "$1"
}
status=0
for switch in "" "-color"; do
  PALM_HEADLESS=1 "$linux" "$out/linux$switch.png" $switch
  (cd "$out" && run_wine "$windows" "windows$switch.png" $switch) </dev/null
  if cmp -s <(pixels "$out/linux$switch.png") <(pixels "$out/windows$switch.png"); then
    echo "drawdiff ${switch:-mono}: identical"
  else
    echo "drawdiff ${switch:-mono}: DIFFERENT" >&2
    cp "$out/linux$switch.png" "$out/windows$switch.png" "${DRAWDIFF_KEEP:-/tmp}/" 2>/dev/null || true
    status=1
  fi
done
exit $status
