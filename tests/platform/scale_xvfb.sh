#!/bin/bash
# A program in a real window on a virtual X display at "-scale 2": the window is twice
# 319 x 459, and a script tap in window units at scale 1 lands on Glimmer's Stop button,
# which then reads Start (the button's pixels change).
# Usage: scale_xvfb.sh GLIMMER
set -euo pipefail
unset PALM_HEADLESS  # a real window is the point
glimmer=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# The user's remembered window and other running Glimmers stay out of it.
export XDG_CONFIG_HOME=$dir/config XDG_RUNTIME_DIR=$dir
cat > "$dir/script.txt" <<END
wait 700
shot $dir/before.png
tap 20 300
wait 700
shot $dir/after.png
wait 1500
close
END
cat > "$dir/run.sh" <<END
#!/bin/bash
PALM_SCRIPT=$dir/script.txt "$glimmer" -scale 2 & pid=\$!
for i in \$(seq 100); do  # the window's first frame may be slow on a busy machine
  xwininfo -name Glimmer > $dir/info.txt 2>/dev/null && break
  sleep 0.1
done
wait \$pid
END
chmod +x "$dir/run.sh"
"$(dirname "$0")/../support/with_xvfb.sh" "$dir/run.sh"
grep -q "Width: 638" "$dir/info.txt" || { cat "$dir/info.txt"; echo "window width is not 638"; exit 1; }
grep -q "Height: 918" "$dir/info.txt" || { cat "$dir/info.txt"; echo "window height is not 918"; exit 1; }
# The button's rows (device y 146..158) differ before and after the tap.
python3 - "$dir/before.png" "$dir/after.png" <<'END'
import sys, zlib, struct
def rows(path):
    data = open(path, 'rb').read()
    n = struct.unpack('>I', data[33:37])[0]
    raw = zlib.decompress(data[41:41 + n])
    return [raw[y * 961 + 1:(y + 1) * 961] for y in range(320)]
a, b = rows(sys.argv[1]), rows(sys.argv[2])
button = lambda r: [row[:80 * 3] for row in r[292:316]]
if button(a) == button(b):
    sys.exit("the tap did not land on the Stop button")
END
echo "scale 2: 638 x 918, the tap landed"
