#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs the whole test suite headless: first the release
# build with warnings as errors (and clang-tidy on what changed), then the
# same suite under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh --test
export QT_QPA_PLATFORM=offscreen
status=0
# The settings reader under libFuzzer first: a short run from the seed corpus
# (tools/fuzz-settings.sh 1000000 for a long one).
bash tools/fuzz-settings.sh 200000 || status=1
# ci is the release build with every compiler warning an error.
for preset in ci asan; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  # clang-tidy on the files this round of work changed.
  [ "$preset" = ci ] && { bash tools/tidy.sh || status=1; }
  # The tests that run the whole program against real servers (X, audio,
  # print, screen reader, SSH) and the package's checks run once, in the
  # release build: under the sanitizers they would double the run for no
  # code the unit tests miss.
  # Two at a time; the server tests hold one lock among themselves.
  if [ "$preset" = asan ]; then
    ctest --preset "$preset" -j2 -LE "server|package" || status=1
  else
    ctest --preset "$preset" -j2 || status=1
  fi
done
exit $status
