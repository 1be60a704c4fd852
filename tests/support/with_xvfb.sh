#!/usr/bin/env bash
# Runs a command on a virtual X display of its own (1280 x 1024, 24 bits) and stops the
# display afterwards. The server picks a free display number itself and says it when ready
# (-displayfd), so runs side by side never race for one number and stale lock files of
# killed servers do not get in the way. It never resets: a server resets when its last
# client leaves, and a program connecting just then (while a probe like xdotool exits) fails.
#   with_xvfb.sh COMMAND [ARG...]
set -euo pipefail
dir=$(mktemp -d)
mkfifo "$dir/number"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$dir/number" >"$dir/log" 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; rm -rf "$dir"' EXIT
if ! read -r -t 60 number <"$dir/number"; then
  echo "with_xvfb.sh: the virtual display did not start" >&2
  cat "$dir/log" >&2
  exit 1
fi
DISPLAY=:$number "$@"
