#!/usr/bin/env bash
# Regenerates apps/orbitale/ElementRecords.cpp, Orbitale's element records, from public
# data sets: three npm packages and two Debian packages, each fetched by its ordinary client
# and only unpacked into a scratch folder (nothing is installed). See generate.py for which
# field comes from where. Usage: tools/elements/generate.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

npm pack --silent periodic-table@0.0.8 node-periodic-table@0.0.6 \
  @exabyte-io/periodic-table.js@2.0.5 >/dev/null
for pack in periodic-table-0.0.8 node-periodic-table-0.0.6 exabyte-io-periodic-table.js-2.0.5; do
  mkdir "${pack%-*}"
  tar -xzf "$pack.tgz" -C "${pack%-*}" --strip-components=1
done

apt-get download python3-periodictable python3-pymatgen >/dev/null 2>&1 ||
  { apt-get update >/dev/null && apt-get download python3-periodictable python3-pymatgen >/dev/null; }
for deb in python3-periodictable_*.deb python3-pymatgen_*.deb; do dpkg-deb -x "$deb" deb; done

/usr/bin/python3 "$root/tools/elements/generate.py" "$work" >"$work/ElementRecords.cpp"
mv "$work/ElementRecords.cpp" "$root/apps/orbitale/ElementRecords.cpp"
echo apps/orbitale/ElementRecords.cpp
