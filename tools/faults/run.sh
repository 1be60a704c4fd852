#!/usr/bin/env bash
# Planted faults: proves the suite still catches each one. Every FNN.patch / GNN.patch here
# is one small fault (its first line says what). Each is applied alone to a scratch copy of
# a revision, built (dev preset) and the whole suite run; a table says which tests failed.
#
#   tools/faults/run.sh [-r REV] [-s SCRATCH] [-o TABLE] [FAULT...]
#
# FAULT is a name (F01) or a patch file; none means every patch here. The scratch copy is a
# git worktree (default: beside the repository, kept so that later runs build only what a fault
# touches). Tests that fail with no fault are named once and not counted as catches.
# Exits 1 when a fault is not caught or does not apply or build.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(git -C "$here" rev-parse --show-toplevel)
rev=HEAD
scratch=$repo-faults
table=
while getopts r:s:o: opt; do
  case $opt in
    r) rev=$OPTARG ;;
    s) scratch=$OPTARG ;;
    o) table=$OPTARG ;;
    *) sed -n '2,11p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
rev=$(git -C "$repo" rev-parse --verify "$rev^{commit}") || exit 2
patches=()
if [ $# -eq 0 ]; then
  patches=("$here"/[FG][0-9]*.patch)
else
  for f in "$@"; do
    if [ -f "$f" ]; then patches+=("$(cd "$(dirname "$f")" && pwd)/$(basename "$f")")
    else patches+=("$here/$f.patch"); fi
  done
fi

if command -v ccache >/dev/null; then
  export CMAKE_CXX_COMPILER_LAUNCHER=ccache CMAKE_C_COMPILER_LAUNCHER=ccache
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$repo")}
  export CCACHE_NOHASHDIR=1  # debug builds in another folder still hit the cache
fi
export PALM_HEADLESS=1
jobs=${PALM_FAULT_JOBS:-2}
quiet() { nice -n 19 "$@" >>"$scratch.log" 2>&1; }

if [ -d "$scratch/.git" ] || [ -f "$scratch/.git" ]; then
  git -C "$scratch" checkout -q --detach -f "$rev" && git -C "$scratch" clean -qfd -e build
else
  git -C "$repo" worktree add -q --detach "$scratch" "$rev" || exit 2
fi
: >"$scratch.log"
cd "$scratch" || exit 2
quiet cmake --preset dev || { echo "configure failed: $scratch.log"; exit 2; }

# The failing tests of the last run, one a line.
failed_tests() { sed 's/^[0-9]*://' build/dev/Testing/Temporary/LastTestsFailed.log 2>/dev/null | sort; }
run_suite() {
  rm -f build/dev/Testing/Temporary/LastTestsFailed.log
  quiet ctest --preset dev -j "$jobs" --timeout 180
}

# Builds, keeping the output of this build apart (to tell how it failed) and in the log.
build() {
  local rc=0
  nice -n 19 cmake --build --preset dev -j "$jobs" >"$scratch.build" 2>&1 || rc=$?
  cat "$scratch.build" >>"$scratch.log"
  return $rc
}

build || { echo "revision does not build: $scratch.log"; exit 2; }
run_suite
baseline=$(failed_tests)
[ -n "$baseline" ] && echo "failing with no fault (not counted): $(echo $baseline)" >&2

rows="| fault | planted in | what | caught by |"$'\n'"|---|---|---|---|"
status=0
for p in "${patches[@]}"; do
  id=$(basename "$p" .patch)
  what=$(head -1 "$p")
  file=$(sed -n 's|^+++ b/||p' "$p" | head -1)
  git reset -q --hard "$rev"
  if ! git apply -C1 "$p" 2>>"$scratch.log"; then
    result="does not apply"; status=1
  elif ! build; then
    # The build runs each program for its icons and manual page: a fault that breaks a
    # program's start is caught there, before any test.
    if grep -q 'icons\.cmake\|manpage\.cmake' "$scratch.build"; then
      result="the build: a program run for its icons or manual page failed"
    else
      result="does not build"; status=1
    fi
  else
    run_suite
    caught=$(comm -23 <(failed_tests) <(echo "$baseline") | paste -sd' ')
    if [ -z "$caught" ]; then result="NOT CAUGHT"; status=1
    else result="$(echo "$caught" | wc -w): ${caught// /, }"; fi
  fi
  echo "$id $result" >&2
  rows+=$'\n'"| $id | \`$file\` | $what | $result |"
  [ -n "$table" ] && echo "$rows" >"$table"  # so far, should the run be cut short
done
git reset -q --hard "$rev"

echo "$rows"
[ -n "$table" ] && echo "$rows" >"$table"
exit $status
