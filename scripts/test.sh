#!/usr/bin/env bash
# Sets up, builds and runs every test: once optimised, once under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh --deps-only
for preset in release asan; do
  echo "== $preset"
  scripts/setup.sh "$preset"
  ctest --preset "$preset" -j2
done
