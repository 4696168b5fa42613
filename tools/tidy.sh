#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# clang-tidy (.clang-tidy) on the C++ files of src/ that changed since BASE,
# from the compile commands of a configured build (default build/ci).
# Usage: tools/tidy.sh [BASE [BUILD_DIR]]
# BASE defaults to the last commit made more than 12 hours before HEAD: the
# work of the latest round, on a fresh clone as in CI.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-tidy >/dev/null || { echo "tidy: clang-tidy is missing (package clang-tidy)"; exit 1; }
base=${1:-}
if [ -z "$base" ]; then
  head_time=$(git log -1 --format=%ct HEAD)
  base=$(git rev-list -1 --before="$((head_time - 12 * 3600))" HEAD || true)
fi
[ -n "$base" ] || base=$(git rev-list --max-parents=0 HEAD | tail -n 1)
build=${2:-build/ci}
[ -f "$build/compile_commands.json" ] || { echo "tidy: configure $build first (cmake --preset ci)"; exit 1; }
mapfile -t files < <(git diff --name-only --diff-filter=AMR "$base" HEAD -- 'src/*.cpp' | while read -r f; do
  [ -f "$f" ] && echo "$f"; done)
echo "tidy: ${#files[@]} changed files since $(git log -1 --format=%h "$base")"
[ ${#files[@]} -eq 0 ] && exit 0
printf '%s\n' "${files[@]}" | xargs -P 2 -n 4 clang-tidy -p "$build" --quiet 2>/dev/null
