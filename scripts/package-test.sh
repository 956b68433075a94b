#!/usr/bin/env bash
# Builds the Debian package, installs it with apt, runs the installed programs headless
# (natalchart on the 1980 chart, checked against its report and screens), checks the menu
# entries and the icons, and removes the package again.
#   scripts/package-test.sh [build-dir]     default build dir: build/package
# Needs root for apt-get (uses sudo when it is there); installs the build tools it lacks.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"

if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then exec sudo "$0" "$@"; fi
  echo "package-test: run as root (it installs and removes a package with apt-get)" >&2
  exit 1
fi

build="$(realpath -m "${1:-$root/build/package}")"
programs=(natalchart chartanim planetarium biorhythm)
console_programs=(natalchart chartanim biorhythm)
icon_sizes=(16 32 48 64 128)
export DEBIAN_FRONTEND=noninteractive
# Other jobs may be using apt at the same moment: wait for the lock instead of failing.
apt_get=(apt-get -o DPkg::Lock::Timeout=600 -y -qq)

fail() {
  echo "package-test: FAIL: $*" >&2
  exit 1
}

installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

# --- build tools, the package and its checks
needed=(cmake g++ ninja-build pkg-config libsdl2-dev libfreetype-dev libfontconfig-dev
  libpng-dev dpkg-dev file desktop-file-utils)
missing=()
for p in "${needed[@]}"; do installed "$p" || missing+=("$p"); done
if ((${#missing[@]})); then
  echo "== installing ${missing[*]}"
  "${apt_get[@]}" update
  "${apt_get[@]}" install --no-install-recommends "${missing[@]}" >/dev/null
fi

echo "== building the package in $build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DASTRO_BUILD_TESTS=OFF -DASTRO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2
rm -f "$build"/astrograma_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
debs=("$build"/astrograma_*.deb)
[ -f "${debs[0]}" ] || fail "cpack wrote no astrograma_*.deb"
deb="${debs[0]}"
echo "== $(basename "$deb")"

depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
depend_names="$(tr ',' '\n' <<<"$depends" | sed 's/^ *//; s/ .*//')"
for dep in libc6 libstdc++6 libsdl2-2.0-0 libfreetype6 libfontconfig1 libpng16-16 \
  fonts-liberation; do
  grep -qxF "$dep" <<<"$depend_names" || fail "Depends lacks $dep"
done

# --- install, and remove again whatever happens next
tmp="$(mktemp -d)"
cleanup() {
  if installed astrograma; then
    echo "== removing astrograma"
    "${apt_get[@]}" remove astrograma >/dev/null
  fi
  rm -rf "$tmp"
}
trap cleanup EXIT

echo "== installing with apt"
if ! "${apt_get[@]}" install "$deb" >"$tmp/apt.log" 2>&1; then
  # A fresh machine may have no package lists yet for the dependencies.
  "${apt_get[@]}" update
  "${apt_get[@]}" install "$deb" >"$tmp/apt.log" 2>&1 || {
    cat "$tmp/apt.log" >&2
    fail "apt-get install $deb"
  }
fi
installed astrograma || fail "astrograma is not installed after apt-get install"

for p in "${programs[@]}"; do
  [ -x "/usr/bin/$p" ] || fail "/usr/bin/$p missing"
done

# --- the installed natalchart on the 1980 chart, headless
echo "== /usr/bin/natalchart on the 1980 chart"
shots="$tmp/natalchart"
mkdir -p "$shots"
status=0
printf '1\n1\n1980\n12.00\n0\n-26.06\n44.26\n' |
  WINGRAPH_DRIVER=headless WINGRAPH_KEYS=32,32,32,32 WINGRAPH_SNAPSHOTS="$shots" \
    timeout 60 /usr/bin/natalchart >"$tmp/report.txt" || status=$?
[ "$status" -eq 0 ] || fail "natalchart exited with $status"
grep -qF "TIMPUL SIDERAL:18.25190" "$tmp/report.txt" ||
  fail "report lacks the sidereal time 18.25190"
for n in 001 002 003 004; do
  file -b "$shots/screen-$n.png" | grep -q "^PNG image data, 640 x 480" ||
    fail "snapshot screen-$n.png missing or not a 640 x 480 PNG"
done
[ ! -e "$shots/screen-005.png" ] || fail "more than four snapshots"
echo "report and four screens: ok"

# --- the other three start and end cleanly from their installed place
smoke() {  # smoke PROGRAM KEYS INPUT
  local name="$1" keys="$2" input="$3" rc=0
  mkdir -p "$tmp/$name"
  printf '%b' "$input" | WINGRAPH_DRIVER=headless WINGRAPH_KEYS="$keys" \
    WINGRAPH_SNAPSHOTS="$tmp/$name" timeout 60 "/usr/bin/$name" >/dev/null || rc=$?
  [ "$rc" -eq 0 ] || fail "$name exited with $rc"
  [ -e "$tmp/$name/screen-001.png" ] || fail "$name showed no screen"
}
smoke chartanim "32,27" '1\n1\n1980\n12.00\n60\n-26.06\n44.26\n'
smoke planetarium "27" ''
smoke biorhythm "27" 'Ana\n1980\n3\n15\n2024\n1\n1\n'
echo "chartanim, planetarium, biorhythm: ok"

# --- menu entries
echo "== desktop entries"
for p in "${programs[@]}"; do
  entry="/usr/share/applications/$p.desktop"
  [ -f "$entry" ] || fail "$entry missing"
  out="$(desktop-file-validate "$entry" 2>&1)" || fail "$entry does not validate: $out"
  [ -z "$out" ] || fail "$entry: $out"
  grep -qx "Exec=$p" "$entry" || fail "$entry does not start $p"
  grep -qx "Icon=$p" "$entry" || fail "$entry does not name the icon $p"
  grep -q "^Name\[ro\]=" "$entry" || fail "$entry has no Romanian name"
  grep -q "^Comment\[ro\]=" "$entry" || fail "$entry has no Romanian comment"
  terminal=false
  for c in "${console_programs[@]}"; do [ "$c" = "$p" ] && terminal=true; done
  grep -qx "Terminal=$terminal" "$entry" || fail "$entry should have Terminal=$terminal"
done
echo "four entries validate: ok"

# --- icons
echo "== icons"
for p in "${programs[@]}"; do
  for s in "${icon_sizes[@]}"; do
    icon="/usr/share/icons/hicolor/${s}x${s}/apps/$p.png"
    file -b "$icon" 2>/dev/null | grep -q "^PNG image data, $s x $s, 8-bit/color RGBA" ||
      fail "$icon missing or not a $s x $s RGBA PNG"
  done
done
echo "${#programs[@]} programs x ${#icon_sizes[@]} sizes: ok"

# --- remove again
echo "== removing astrograma"
"${apt_get[@]}" remove astrograma >/dev/null
! installed astrograma || fail "astrograma still installed after apt-get remove"
for p in "${programs[@]}"; do
  [ ! -e "/usr/bin/$p" ] || fail "/usr/bin/$p left behind"
done
[ ! -e /usr/share/applications/natalchart.desktop ] || fail "desktop entries left behind"
echo "package-test: OK"
