#!/usr/bin/env bash
# Checks what users get, not the build tree: the Debian package installed on this machine
# with apt-get (programs from PATH, entries, icons, manual pages, lintian, a clean removal)
# and the Windows zip unpacked and started under wine.
# Usage: scripts/test-install.sh deb   after the release build (as root or with sudo)
#        scripts/test-install.sh zip   after the windows build, with wine
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
programs=(orbitale spindrift glimmer tumbler)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
pass() { echo "ok: $*"; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/release/CMakeCache.txt)
[ -n "$version" ] || { echo "no release build configured" >&2; exit 1; }

# A desktop entry's value for KEY.
entry() { sed -n "s/^$2=//p" "$1" | head -n 1; }

# A PNG picture's width and height ("W H").
png_size() {
  od -An -tu1 -j16 -N8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}'
}

# The words of a text, one a line, without trailing colons: the help text and its manual
# page read the same once layout is set aside.
words() { tr -s ' \t\n' '\n\n\n' | sed 's/:$//' | sed '/^$/d'; }

test_deb() {
  echo "=== Debian package"
  (cd build/release && cpack -G DEB -B "$work/deb" >"$work/cpack.log") ||
    { cat "$work/cpack.log"; fail "cpack -G DEB"; return; }
  local deb
  deb=$(ls "$work"/deb/palmhost_"$version"_*.deb 2>/dev/null | head -n 1)
  [ -f "$deb" ] || { fail "no palmhost_${version}_*.deb"; return; }
  pass "$(basename "$deb")"
  local depends
  depends=$(dpkg-deb -f "$deb" Depends)
  [[ $depends == *libc6* && $depends == *libsdl2* ]] || fail "Depends: $depends"
  [ "$(dpkg-deb -f "$deb" Section)" = misc ] || fail "Section"
  [ "$(dpkg-deb -f "$deb" Priority)" = optional ] || fail "Priority"
  echo "Depends: $depends"

  lintian --fail-on error "$deb" >"$work/lintian.txt" 2>&1 || fail "lintian reports errors"
  grep -v '^N:' "$work/lintian.txt" | sort | uniq -c | sort -rn | head -n 20

  if dpkg -s palmhost >/dev/null 2>&1; then $SUDO dpkg -r palmhost >/dev/null; fi
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q -o DPkg::Lock::Timeout=600 "$deb" \
    >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get install"; return; }
  pass "installed: $(dpkg-deb -f "$deb" Installed-Size) KiB installed, $(stat -c %s "$deb") bytes packed"

  local name p before=$failures
  for p in "${programs[@]}"; do
    local desktop=/usr/share/applications/$p.desktop
    name=$(entry "$desktop" Name)
    [ "$(command -v "$p")" = /usr/bin/$p ] || fail "$p is not /usr/bin/$p on PATH"
    # Run away from the source and build trees, as a user would.
    (cd "$work" && timeout 20 "$p" --help >"$work/$p.help" 2>"$work/$p.err") || fail "$p --help: status $?"
    grep -q "$name" "$work/$p.help" || fail "$p --help does not name $name"
    local shown
    shown=$(cd "$work" && timeout 20 "$p" --version 2>&1)
    [ "$shown" = "$name $version" ] || fail "$p --version printed '$shown', not '$name $version'"

    desktop-file-validate "$desktop" || fail "$desktop does not validate"
    [ "$(command -v "$(entry "$desktop" Exec | cut -d' ' -f1)")" = /usr/bin/$p ] ||
      fail "$desktop: Exec does not start /usr/bin/$p"
    local icon size
    icon=$(entry "$desktop" Icon)
    for size in 16 32 48 64 128 256; do
      local png=/usr/share/icons/hicolor/${size}x$size/apps/$icon.png
      [ "$(png_size "$png" 2>/dev/null)" = "$size $size" ] || fail "$png: not a $size x $size picture"
    done

    local page
    page=$(man -w 6 "$p" 2>/dev/null)
    [ "$page" = /usr/share/man/man6/$p.6.gz ] || fail "man -w 6 $p: '$page'"
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>"$work/$p.manerr" |
      col -bx >"$work/$p.man"
    [ ! -s "$work/$p.manerr" ] || fail "$p.6: $(head -n 3 "$work/$p.manerr")"
    # The page without its header, NAME section, DESCRIPTION heading and footer.
    awk 'NR == 1 {next} /^NAME$/ {skip = 1; next} skip && /^[^ ]/ {skip = 0} !skip' "$work/$p.man" |
      grep -v -x -e DESCRIPTION -e "palmhost $version .*" | words >"$work/$p.manwords"
    words <"$work/$p.help" >"$work/$p.helpwords"
    cmp -s "$work/$p.manwords" "$work/$p.helpwords" ||
      fail "$p.6 does not say what $p --help says: $(diff "$work/$p.helpwords" "$work/$p.manwords" | head -n 4 | tr '\n' ' ')"
  done
  ((failures == before)) && pass "programs on PATH, --help, --version, desktop entries, icons, manual pages"

  # The installed Orbitale's first screen, taken by a script, is the build tree's.
  local shot
  for shot in installed built; do
    mkdir -p "$work/$shot"
    printf 'wait 1500\nshot %s/first.png\nclose\n' "$work/$shot" >"$work/$shot/script.txt"
  done
  (cd "$work/installed" && PALM_HEADLESS=1 PALM_SCRIPT="$work/installed/script.txt" timeout 60 orbitale) ||
    fail "installed orbitale with a script: status $?"
  (cd "$work/built" && PALM_HEADLESS=1 PALM_SCRIPT="$work/built/script.txt" \
    timeout 60 "$root/build/release/apps/orbitale/orbitale") || fail "built orbitale: status $?"
  if [ "$(png_size "$work/installed/first.png" 2>/dev/null)" != "320 320" ]; then
    fail "installed orbitale saved no 320 x 320 first screen"
  elif ! cmp -s "$work/installed/first.png" "$work/built/first.png"; then
    fail "installed orbitale's first screen differs from the build tree's"
  else
    pass "installed orbitale's first screen ($(stat -c %s "$work/installed/first.png") bytes)"
  fi

  dpkg -L palmhost >"$work/files.txt"
  $SUDO dpkg -r palmhost >/dev/null || fail "dpkg -r palmhost"
  local status left=0 path
  status=$(dpkg-query -W -f='${db:Status-Status}' palmhost 2>/dev/null)
  [ -z "$status" ] || [ "$status" = not-installed ] || fail "palmhost after dpkg -r: $status"
  while read -r path; do
    if [ -e "$path" ] && [ ! -d "$path" ]; then
      fail "left behind: $path"
      left=1
    elif [ -d "$path" ] && [ -z "$(ls -A "$path")" ] && ! dpkg -S "$path" >/dev/null 2>&1; then
      fail "left behind: empty folder $path"
      left=1
    fi
  done <"$work/files.txt"
  [ -e /usr/share/doc/palmhost ] && fail "left behind: /usr/share/doc/palmhost"
  [ $left = 0 ] && pass "dpkg -r removed $(wc -l <"$work/files.txt") paths"
}

test_zip() {
  echo "=== Windows zip"
  (cd build/windows && cpack -G ZIP -B "$work/zip" >"$work/cpack.log") ||
    { cat "$work/cpack.log"; fail "cpack -G ZIP"; return; }
  local top=palmhost-$version-win64 zip
  zip=$work/zip/$top.zip
  [ -f "$zip" ] || { fail "no $top.zip"; return; }
  pass "$top.zip: $(stat -c %s "$zip") bytes packed"
  unzip -Z1 "$zip" | grep -v '/$' | sort >"$work/contents.txt"
  printf '%s\n' "$top/LICENSE-DejaVu.txt" "$top/LICENSE.txt" "$top/README.txt" \
    "${programs[@]/#/$top/}" | sed '/\.txt$/!s/$/.exe/' | sort >"$work/expected.txt"
  diff "$work/expected.txt" "$work/contents.txt" || fail "the zip holds other files"
  unzip -q "$zip" -d "$work/unpacked" || { fail "unzip"; return; }
  echo "unpacked: $(du -sk "$work/unpacked" | cut -f1) KiB"

  # Static runtime: each program imports only DLLs every Windows has.
  local p dll
  for p in "${programs[@]}"; do
    local exe=$work/unpacked/$top/$p.exe
    x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' >"$work/$p.dlls"
    [ -s "$work/$p.dlls" ] || fail "$p.exe: no imports read"
    while read -r dll; do
      case "${dll,,}" in
        kernel32.dll | user32.dll | gdi32.dll | msvcrt.dll | ws2_32.dll | advapi32.dll | \
          shell32.dll | ole32.dll | winmm.dll | api-ms-win-*) ;;
        *) fail "$p.exe needs $dll" ;;
      esac
    done <"$work/$p.dlls"
    echo "$p.exe imports: $(tr '\n' ' ' <"$work/$p.dlls")"
  done

  # Each program from the unpacked zip under wine, judged by the Windows tests' first-screen
  # checks, which look for APPS/NAME/NAME.exe.
  for p in "${programs[@]}"; do
    mkdir -p "$work/apps/$p"
    ln -s "$work/unpacked/$top/$p.exe" "$work/apps/$p/$p.exe"
  done
  WINEDEBUG=-all PALM_WINDOWS_APPS=$work/apps ctest --preset release --no-tests=error \
    -R '^WindowsBuild\.' -E 'Widgets' || fail "the programs from the zip under wine"
}

parts=("$@")
((${#parts[@]})) || parts=(deb zip)
for part in "${parts[@]}"; do
  case $part in
    deb) test_deb ;;
    zip) test_zip ;;
    *) echo "usage: $0 [deb] [zip]" >&2; exit 2 ;;
  esac
done
if ((failures)); then
  echo "test-install: $failures failure(s)" >&2
  exit 1
fi
echo "test-install: all passed"
