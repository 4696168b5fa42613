#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# clang-tidy (.clang-tidy) on the C++ files of src/ whose code changed since
# BASE, from the compile commands of a configured build (default build/ci). A
# file that only moved, or whose only changes are its includes and its SPDX
# line, is left out: tidy would find nothing new in it.
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
files=()
while IFS=$'\t' read -r status old new; do
  new=${new:-$old}
  [ -f "$new" ] || continue
  if [ "${status:0:1}" != A ] &&
     ! git diff "$base:$old" "HEAD:$new" | grep -E '^[-+]' | grep -vE '^(\+\+\+|---) ' |
       grep -vqE '^[-+][[:space:]]*(#[[:space:]]*include|// SPDX-License-Identifier|$)'; then
    continue
  fi
  files+=("$new")
done < <(git diff -M --name-status --diff-filter=AMR "$base" HEAD -- 'src/*.cpp')
echo "tidy: ${#files[@]} files whose code changed since $(git log -1 --format=%h "$base")"
[ ${#files[@]} -eq 0 ] && exit 0
printf '%s\n' "${files[@]}" | xargs -P 2 -n 4 clang-tidy -p "$build" --quiet 2>/dev/null
