#!/usr/bin/env bash
# Builds the accuracy tool in build-tools/ and prints the table of chart errors against the
# Swiss Ephemeris library (installs libswe-dev when missing).
#   tools/accuracy/run.sh [--step DAYS]
set -euo pipefail
cd "$(dirname "$0")/../.."

scripts/setup.sh --deps-only

if ! dpkg-query -W -f='${Status}' libswe-dev 2>/dev/null | grep -q "install ok installed"; then
  echo "Installing: libswe-dev" >&2
  if [ "$(id -u)" -eq 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends libswe-dev >/dev/null
  elif command -v sudo >/dev/null 2>&1; then
    sudo apt-get update -qq
    sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends libswe-dev >/dev/null
  else
    echo "Please run as root: apt-get install libswe-dev" >&2
    exit 1
  fi
fi

cmake -S . -B build-tools -G Ninja -DCMAKE_BUILD_TYPE=Release -DASTRO_BUILD_TOOLS=ON \
  -DASTRO_BUILD_TESTS=OFF -DASTRO_BUILD_BENCH=OFF >/dev/null
cmake --build build-tools --target compare_ephemeris -j2 >/dev/null
build-tools/tools/accuracy/compare_ephemeris "$@"
