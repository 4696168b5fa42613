#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from a release build folder, in a temporary folder
# of its own, and runs lintian on it: no error and no warning may remain. The
# package's own overrides are explained in packaging/lintian-overrides.
# Usage: packaging/lint-deb.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)

for tool in cpack:cmake lintian:lintian dpkg-deb:dpkg file:file; do
  command -v "${tool%%:*}" >/dev/null || { echo "lint-deb: ${tool%%:*} is missing (Debian package ${tool#*:})"; exit 77; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=("$work"/numbloom_*.deb)
echo "lint-deb: ${deb[0]##*/}"
# Info tags are shown as well, for the log; only errors and warnings fail.
lintian --display-info --fail-on error,warning "${deb[0]}"
echo "lint-deb: no errors, no warnings"
