#!/bin/bash
# Scribble in a real window on a virtual X display, driven by xdotool as a person would:
# - PageUp, PageDown, F1, the Menu key, Home and three wheel notches reach the program as
#   the silk-screen buttons' keys (Scribble writes each key code on its console);
# - a second start opens at the scale and place the first one closed at (not at the scale
#   that fits the screen);
# - a remembered place on no screen gives way to the primary screen, and Ctrl+Plus stops at
#   the largest scale that fits the screen's work area;
# - a termination signal closes the window and says so.
# Usage: desktop_xvfb.sh SCRIBBLE
set -euo pipefail
unset PALM_HEADLESS PALM_SCRIPT
scribble=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# Its own remembered window, and its own record of running windows: a Scribble running
# elsewhere on the machine (another test run) would have this one open beside it.
export XDG_CONFIG_HOME=$dir/config XDG_RUNTIME_DIR=$dir
conf=$XDG_CONFIG_HOME/palmhost/Scribble.conf

cat > "$dir/run.sh" <<END
#!/bin/bash
set -eu
# Starts Scribble with the given switches and waits for its window (the first frame may be
# slow on a busy machine); the window id is in \$id.
start() {
  "$scribble" "\$@" > "$dir/out.txt" 2> "$dir/err.txt" & pid=\$!
  id=
  for i in \$(seq 150); do
    id=\$(xdotool search --name '^Scribble\$' 2>/dev/null | head -1) || true
    [ -n "\$id" ] && break
    sleep 0.1
  done
  [ -n "\$id" ] || { echo "no window"; cat "$dir/err.txt"; exit 1; }
  sleep 0.5
  xdotool mousemove --window \$id 100 100  # without a window manager the keys follow the pointer
}
finish() {
  xdotool key ctrl+q
  wait \$pid
}

start -console -scale 1
xdotool key Prior Next F1 Menu Home
xdotool click 4 click 5 click 5
for i in \$(seq 100); do  # the banner and eight keys on the console
  [ "\$(wc -l < "$dir/out.txt")" -ge 9 ] && break
  sleep 0.1
done
xdotool windowmove \$id 200 150
finish
cp "$dir/out.txt" "$dir/keys.txt"

start
xwininfo -id \$id > "$dir/second.txt"
finish

sed -i 's/^x .*/x 5000/; s/^y .*/y 4000/' "$conf"
start
xdotool key ctrl+equal ctrl+equal ctrl+equal ctrl+equal
for i in \$(seq 100); do  # grown to scale 2 at least, then a while for any further growth
  xwininfo -id \$id | grep -q "Width: 638" && break
  sleep 0.1
done
sleep 1
xwininfo -id \$id > "$dir/third.txt"
kill -TERM \$pid  # closes as the close box does, and says why
wait \$pid
cp "$dir/err.txt" "$dir/term.txt"
END
chmod +x "$dir/run.sh"
"$(dirname "$0")/../support/with_xvfb.sh" "$dir/run.sh"

fail() { echo "$1"; cat "$2"; exit 1; }
printf 'Scribble console started ...\nkey 11\nkey 12\nkey 261\nkey 261\nkey 264\nkey 11\nkey 12\nkey 12\n' \
  > "$dir/expected.txt"
cmp -s "$dir/keys.txt" "$dir/expected.txt" || fail "keys and wheel: not the page, Menu and Apps keys" "$dir/keys.txt"
# At scale 1 and where it was moved, although scale 2 fits 1280 x 1024.
grep -q "Absolute upper-left X:  200$" "$dir/second.txt" &&
  grep -q "Absolute upper-left Y:  150$" "$dir/second.txt" &&
  grep -q "Width: 319$" "$dir/second.txt" || fail "second start: not where the first closed" "$dir/second.txt"
# On the screen, and scale 2 at most: (1024 - frame) / 459.
x=$(sed -n 's/.*Absolute upper-left X: *//p' "$dir/third.txt")
y=$(sed -n 's/.*Absolute upper-left Y: *//p' "$dir/third.txt")
((x >= 0 && x < 1280 && y >= 0 && y < 1024)) || fail "third start: off the screen" "$dir/third.txt"
grep -q "Width: 638$" "$dir/third.txt" || fail "Ctrl+Plus: not held to scale 2" "$dir/third.txt"
grep -qx "scribble: asked to quit (an interrupt, a termination signal or the session's end); closing" \
  "$dir/term.txt" || fail "a termination signal: not said" "$dir/term.txt"
echo "keys and wheel; second start at 200,150 scale 1; off-screen place on the screen; Ctrl+Plus held at 2; TERM said"
