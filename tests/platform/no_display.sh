#!/bin/bash
# A program started where no window can be opened (DISPLAY unset or naming no server, no
# Wayland) says so in one line on standard error and runs headless: its script runs and
# the picture is the one an explicit PALM_HEADLESS=1 run gives. Nothing else is printed.
# Usage: no_display.sh PROGRAM (a program whose first screen does not move: Orbitale)
set -euo pipefail
program=$1
name=$(basename "$program")
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
clean=(env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR -u SDL_VIDEODRIVER -u PALM_HEADLESS
       XDG_CONFIG_HOME="$dir/config")

run() {  # run OUTPUT-STEM [VARIABLE=VALUE...]
  local stem=$1
  shift
  printf 'wait 300\nwindow %s\nclose\n' "$dir/$stem.png" > "$dir/$stem.txt"
  local status=0
  (cd "$dir" && timeout 60 "${clean[@]}" "$@" PALM_SCRIPT="$dir/$stem.txt" "$program" \
     > "$dir/$stem.out" 2> "$dir/$stem.err") || status=$?
  [ "$status" = 0 ] || { echo "$stem: status $status"; cat "$dir/$stem.err"; exit 1; }
}

run headless PALM_HEADLESS=1
[ ! -s "$dir/headless.err" ] || { echo "headless run printed:"; cat "$dir/headless.err"; exit 1; }
# Once with DISPLAY unset, once naming a display no server answers at.
check() {  # check WHY [DISPLAY=...]
  local why=$1
  shift
  run nodisplay "$@"
  local expected="$name: no window can be opened ($why); running headless"
  printf '%s\n' "$expected" | cmp -s - "$dir/nodisplay.err" ||
    { echo "expected only: $expected"; echo "got:"; cat "$dir/nodisplay.err"; exit 1; }
  cmp -s "$dir/headless.png" "$dir/nodisplay.png" || { echo "$why: not the headless picture"; exit 1; }
}
check "DISPLAY is not set"
check 'the display ":7321" cannot be opened' DISPLAY=:7321
echo "no display: one line, then a normal headless run"
