#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the settings reader's libFuzzer target with clang, AddressSanitizer
# and UBSan, and runs it from the seed corpus for a set number of executions.
# Usage: tools/fuzz-settings.sh [RUNS]   (default 1000000)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-1000000}
out=build/fuzz
mkdir -p "$out" "$out/corpus"
# shellcheck disable=SC2046
clang++ -std=c++20 -O1 -g -fPIC -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
  -Isrc/logic $(pkg-config --cflags Qt6Core) \
  tests/fuzz/fuzz_settings.cpp src/logic/app/settings.cpp src/logic/app/safesave.cpp \
  $(pkg-config --libs Qt6Core) -o "$out/fuzz_settings"
cp -n tests/fuzz/corpus/* "$out/corpus/" 2>/dev/null || true
# New inputs go to the build folder's corpus; the seeds in the tree stay as they are.
"$out/fuzz_settings" -runs="$runs" -max_len=4096 -print_final_stats=1 \
  "$out/corpus" tests/fuzz/corpus 2>&1 | tee "$out/last-run.log" | grep -E 'stat::number_of_executed_units|Done|ERROR|crash' || true
grep -q 'stat::number_of_executed_units' "$out/last-run.log"
! grep -q 'ERROR: \|==ERROR\|deadly signal' "$out/last-run.log"
