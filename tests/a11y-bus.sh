#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program through a real accessibility bus, the one the Orca screen reader
# reads: a private session bus, the AT-SPI bus launcher on it (which starts
# the accessibility bus and its registry), Xvfb and the built program with
# Qt's bridge on. a11y_bus.py then drives it by keys alone and checks with
# pyatspi what a screen reader gets. Everything started here is stopped by pid.
# Usage: a11y-bus.sh BUILD_DIR [LOGFILE]
set -uo pipefail
here=$(dirname "$0")
. "$here/../tools/program-under-xvfb.sh"
build=$1
say() { echo "a11y-bus: $*"; }

# Debian's own Python has the bindings; another one on PATH may not.
py=/usr/bin/python3
for tool in dbus-daemon Xvfb xdotool "$py" "$at_spi_launcher"; do
  command -v "$tool" >/dev/null || { say "SKIP: $tool is missing (dbus, xvfb, xdotool, at-spi2-core)"; exit 77; }
done
"$py" -c 'import pyatspi' 2>/dev/null || { say "SKIP: pyatspi is missing (python3-pyatspi)"; exit 77; }

servers_folder

export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
mkdir -p "$HOME" "$work/prog" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
start_xvfb 231 250 || exit 1
start_session_bus "$work"
start_a11y_bus || { say "the accessibility bus did not start"; exit 1; }

copy_program "$build" "$work/prog"
# Study mode, factor 7, timer off, a pause of one second, maximum 12.
printf '0\r\n3,7\r\n0,0,1,0,7\r\n0,4,1000\r\n12\r\n' >"$work/prog/kwizzo.ini"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$work/prog/numbloom" >"$work/out.log" 2>&1 &
app=$!
logfile=${2:-$work/a11y.log}
"$py" "$here/a11y_bus.py" "$app" "$logfile"
status=$?
[ $status -eq 0 ] || { say "what the bus carried:"; cat "$logfile"; cat "$work/out.log"; }
exit $status
