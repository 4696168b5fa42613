#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What a blind child hears: Debian's Orca screen reader itself, on a private
# Xvfb with a private session bus, accessibility bus and speech-dispatcher
# (speaking to ALSA's null device), with its debug log line-buffered.
# orca_heard.py drives the built program by keys alone and reads what Orca
# spoke from the log's SPEECH OUTPUT lines. Everything started here is
# stopped by pid. Usage: orca-heard.sh BUILD_DIR [LOG_COPY]
set -uo pipefail
here=$(dirname "$0")
. "$here/../tools/program-under-xvfb.sh"
build=$1
say() { echo "orca-heard: $*"; }

py=/usr/bin/python3
espeak=/usr/lib/speech-dispatcher-modules/sd_espeak-ng
for tool in dbus-daemon Xvfb xdotool speech-dispatcher "$py" "$at_spi_launcher" /usr/bin/orca; do
  command -v "$tool" >/dev/null || { say "SKIP: $tool is missing (dbus, xvfb, xdotool, speech-dispatcher, at-spi2-core, orca)"; exit 77; }
done
[ -x "$espeak" ] || { say "SKIP: speech-dispatcher's espeak-ng module is missing (speech-dispatcher-espeak-ng)"; exit 77; }
"$py" -c 'import importlib.util, sys; sys.exit(importlib.util.find_spec("orca") is None)' 2>/dev/null || { say "SKIP: Orca's Python modules are missing (orca)"; exit 77; }

servers_folder

export HOME=$work/home XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_CACHE_HOME=$work/cache GSETTINGS_BACKEND=memory
mkdir -p "$HOME" "$work/prog" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$work/orca-prefs"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset SPEECHD_ADDRESS
start_xvfb 251 270 || exit 1
start_session_bus "$work"
start_a11y_bus || { say "the accessibility bus did not start"; exit 1; }

# speech-dispatcher as Debian sets it up, but to ALSA's null device: without
# a sound device its espeak-ng module hangs and Orca stops speaking.
cp -r /etc/speech-dispatcher "$work/speechd-conf"
printf 'AudioOutputMethod "alsa"\nAudioALSADevice "null"\nDefaultModule espeak-ng\n' >>"$work/speechd-conf/speechd.conf"
speech-dispatcher -s -t 0 -C "$work/speechd-conf" -P "$work/speechd.pid" >"$work/speechd.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/speech-dispatcher/speechd.sock" ] && break; sleep 0.1; done

# Debian's Orca, its reading code untouched; only its launcher is told to
# write its log line by line and not to look for other copies of itself
# (a screen reader of the machine's own user is none of this test's business).
"$py" - "$work/orca-debug.log" "$work/orca-prefs" >"$work/orca.out" 2>&1 <<'PY' &
import sys
log, prefs = sys.argv[1], sys.argv[2]
src = open("/usr/bin/orca").read()
for old, new in (("setProcessName('orca')", "setProcessName('orca-heard')"),
                 ("open(args.debug_file, 'w')", "open(args.debug_file, 'w', buffering=1)"),
                 ("if otherOrcas():", "if False:")):
    if old not in src:
        sys.exit("orca-heard: Orca's launcher has changed: %r not found" % old)
    src = src.replace(old, new)
sys.argv = ["orca", "--debug", "--debug-file", log, "-u", prefs]
exec(compile(src, "/usr/bin/orca", "exec"), {"__name__": "__main__"})
PY
pids+=($!)
for _ in $(seq 150); do grep -q "Startup complete" "$work/orca-debug.log" 2>/dev/null && break; sleep 0.1; done
grep -q "Startup complete" "$work/orca-debug.log" 2>/dev/null || { say "Orca did not start"; cat "$work/orca.out"; exit 1; }

copy_program "$build" "$work/prog"
# Study mode, factor 7; practice factor 7, a count-down of 1:30, a pause of
# half a second, maximum 12.
printf '0\r\n3,7\r\n0,0,1,0,7\r\n2,3,500\r\n12\r\n' >"$work/prog/kwizzo.ini"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$work/prog/numbloom" >"$work/out.log" 2>&1 &
app=$!
"$py" "$here/orca_heard.py" "$work/orca-debug.log" "$app"
status=$?
[ -n "${2:-}" ] && cp "$work/orca-debug.log" "$2"
[ $status -eq 0 ] || { say "the program's output:"; tail -20 "$work/out.log"; }
exit $status
