#!/usr/bin/env bash
# Sets up, builds and runs every test: optimised, under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the graphics window's threads under ThreadSanitizer; then
# builds the Debian package, installs it, runs it and removes it again.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh --deps-only
for preset in release asan tsan; do
  echo "== $preset"
  scripts/setup.sh "$preset"
  # The window tests start their own X servers; the in-process window test uses this one.
  xvfb-run -a ctest --preset "$preset" -j2
done

echo "== package"
scripts/package-test.sh
