#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs the whole test suite headless: the release build
# with warnings as errors (ci) and its tests, clang-tidy on what changed, then
# the unit tests again under AddressSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
# The whole run has 15 minutes on two cores; each stage says when it ended.
stage() { echo "test.sh: $1 after ${SECONDS} s"; }
bash tools/setup.sh --test
stage "set-up"
export QT_QPA_PLATFORM=offscreen
status=0
# The settings reader under libFuzzer first: a short run from the seed corpus
# (tools/fuzz-settings.sh 1000000 for a long one).
bash tools/fuzz-settings.sh 200000 || status=1
stage "fuzzing"

cmake --preset ci >/dev/null
cmake --build --preset ci
stage "release build"

# The release build's tests spend most of their time waiting on real servers
# (X, audio, print, screen reader, SSH). Meanwhile the sanitizer build and
# clang-tidy run beside them at the lowest priority, taking only the time
# the tests leave; their output follows the tests'.
side=build/side
mkdir -p "$side"
(
  cmake --preset asan >/dev/null
  if nice -n 19 cmake --build --preset asan >"$side/asan-build.log" 2>&1; then echo 0; else echo 1; fi >"$side/asan-build.rc"
  if nice -n 19 bash tools/tidy.sh >"$side/tidy.log" 2>&1; then echo 0; else echo 1; fi >"$side/tidy.rc"
) &
beside=$!
# Two at a time; the server tests hold one lock among themselves.
ctest --preset ci -j2 || status=1
stage "release tests"
wait "$beside" || true
stage "sanitizer build and clang-tidy"
tail -n 5 "$side/asan-build.log"
cat "$side/tidy.log"
[ "$(cat "$side/tidy.rc" 2>/dev/null)" = 0 ] || status=1
if [ "$(cat "$side/asan-build.rc" 2>/dev/null)" = 0 ]; then
  # The server tests and the package's checks ran once, in the release
  # build: under the sanitizers they would double the run for no code the
  # unit tests miss.
  ctest --preset asan -j2 -LE "server|package" || status=1
  stage "sanitizer tests"
else
  cat "$side/asan-build.log"
  status=1
fi
exit $status
