#!/usr/bin/env bash
# Regenerates apps/orbitale/ElementRecords.cpp, Orbitale's element records, from public
# data sets: two npm packages (installed into a scratch folder) and Debian's
# python3-periodictable (installed with apt-get when missing). See generate.py for which
# field comes from where. Usage: tools/elements/generate.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

npm install --prefix "$work" --silent --no-audit --no-fund \
  periodic-table@0.0.8 node-periodic-table@0.0.6
if ! /usr/bin/python3 -c 'import periodictable' 2>/dev/null; then
  apt-get install -y python3-periodictable >/dev/null
fi
/usr/bin/python3 "$root/tools/elements/generate.py" "$work/node_modules" >"$work/ElementRecords.cpp"
mv "$work/ElementRecords.cpp" "$root/apps/orbitale/ElementRecords.cpp"
echo apps/orbitale/ElementRecords.cpp
