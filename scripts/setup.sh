#!/usr/bin/env bash
# Installs the Debian packages the suite needs (when missing), then configures and builds.
#   scripts/setup.sh [preset]     preset: release (default), asan or tsan
#   scripts/setup.sh --deps-only  only the packages
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
  cmake g++ ninja-build pkg-config
  libsdl2-dev libfreetype-dev libfontconfig-dev fonts-liberation libpng-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool x11-utils faketime desktop-file-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -eq 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  elif command -v sudo >/dev/null 2>&1; then
    sudo apt-get update -qq
    sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  else
    echo "Please run as root: apt-get install ${missing[*]}" >&2
    exit 1
  fi
fi

[ "${1:-}" = "--deps-only" ] && exit 0

preset="${1:-release}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
