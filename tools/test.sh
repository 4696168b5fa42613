#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite headless: first the release
# build, then the same suite under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh --test
export QT_QPA_PLATFORM=offscreen
status=0
# The settings reader under libFuzzer first: a short run from the seed corpus
# (tools/fuzz-settings.sh 1000000 for a long one).
bash tools/fuzz-settings.sh 200000 || status=1
for preset in release asan; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" || status=1
done
exit $status
