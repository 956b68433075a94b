#!/usr/bin/env bash
# Sets up, builds and runs each program headless on built-in example input. Every screen
# a key is taken on is written as a PNG, every console dialogue as a transcript, into one
# folder (out/demo, or the folder given).
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
scripts/setup.sh release

out="${1:-$root/out/demo}"
rm -rf "$out"
mkdir -p "$out"
bin="$root/build/release"

run() {  # run NAME KEYS INPUT
  local name="$1" keys="$2" input="$3"
  mkdir -p "$out/$name"
  printf '%b' "$input" | WINGRAPH_DRIVER=headless WINGRAPH_KEYS="$keys" \
    WINGRAPH_SNAPSHOTS="$out/$name" "$bin/$name/$name" >"$out/$name/transcript.txt"
}

# The 1980 Bucharest chart: typed coordinates, one key for each of the four screens.
run natalchart "32,32,32,32" '1\n1\n1980\n12.00\n0\n-26.06\n44.26\n'
# The same place stepped hour by hour.
run chartanim "32,32,32,32,27" '1\n1\n1980\n12.00\n60\n-26.06\n44.26\n'
# A birth on 15 March 1980 seen on 1 January 2024, then one day forward and back.
run biorhythm "0,75,0,77,27" 'Ana\n1980\n3\n15\n2024\n1\n1\n'
# The solar system at a frozen clock: a few frames, two zooms out, a day step, Esc.
mkdir -p "$out/planetarium"
TZ=UTC WINGRAPH_DRIVER=headless WINGRAPH_KEYS=".,.,47,47,0,77,.,27" \
  WINGRAPH_SNAPSHOTS="$out/planetarium" faketime -f '2024-01-01 12:00:00' \
  "$bin/planetarium/planetarium" </dev/null >"$out/planetarium/transcript.txt"

echo "Demo written to $out:"
find "$out" -type f | sort | sed "s|^$out/|  |"
