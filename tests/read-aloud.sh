#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Read aloud heard: the built program with Read aloud on for its child,
# speech-dispatcher and espeak-ng speaking into a private PipeWire (with its
# PulseAudio service and WirePlumber) on a null sink, all in a temporary
# runtime folder. The sink is recorded through an English drill: each
# problem's speech must be heard while the problem is up, before the child
# could answer it (the program's debug log says when it was drawn); how soon
# it began is printed as a figure, not judged, for a loaded machine is
# slower. In each of the eight languages the voice of that language and
# region must be the one chosen, by its name, in the program's log and in
# speech-dispatcher's. With no speech-dispatcher to reach, one message says
# what to install and the drill goes on. Everything started here is stopped
# by pid.
# Usage: read-aloud.sh BUILD_DIR
set -uo pipefail
. "$(dirname "$0")/../tools/program-under-xvfb.sh"
build=$1
say() { echo "read-aloud: $*"; }

for tool in pipewire wireplumber pipewire-pulse dbus-daemon pactl parecord python3 Xvfb xdotool speech-dispatcher; do
  command -v "$tool" >/dev/null || { say "SKIP: $tool is not installed"; exit 77; }
done
[ -x /usr/lib/speech-dispatcher-modules/sd_espeak-ng ] || { say "SKIP: speech-dispatcher-espeak-ng is not installed"; exit 77; }
ls /usr/lib/*/qt6/plugins/texttospeech/libqtexttospeech_speechd.so >/dev/null 2>&1 ||
  { say "SKIP: qt6-speech-speechd-plugin is not installed"; exit 77; }

program_folder
pids=()
stop_all() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null && wait "$app" 2>/dev/null
  local p
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null; done
  stop_xvfb || true
  rm -rf "$work"
}
trap stop_all EXIT

export XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state XDG_DATA_HOME=$work/data HOME=$work
unset PULSE_SERVER PIPEWIRE_REMOTE SPEECHD_ADDRESS
rt=$work/run
mkdir -m 700 "$rt"
export XDG_RUNTIME_DIR=$rt
start_session_bus "$rt"

# PipeWire as audio-server.sh starts it.
wireplumber_config || true
pipewire >"$rt/pipewire.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -S "$rt/pipewire-0" ] && break; sleep 0.1; done
wireplumber >"$rt/wireplumber.log" 2>&1 &
pids+=($!)
pipewire-pulse >"$rt/pipewire-pulse.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -S "$rt/pulse/native" ] && break; sleep 0.1; done
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl load-module module-null-sink sink_name=numbloom_test >/dev/null || { say "no null sink"; exit 1; }
for _ in $(seq 50); do
  pactl set-default-sink numbloom_test 2>/dev/null && pactl info | grep -qx 'Default Sink: numbloom_test' && break
  sleep 0.1
done
pactl info | grep -qx 'Default Sink: numbloom_test' || { say "the null sink is not the default"; exit 1; }

# speech-dispatcher as Debian sets it up, speaking to that server, its log
# at the level that names the voice each client asks for.
cp -r /etc/speech-dispatcher "$work/speechd-conf"
printf 'AudioOutputMethod "pulse"\nDefaultModule espeak-ng\n' >>"$work/speechd-conf/speechd.conf"
mkdir "$work/speechd-log"
speech-dispatcher -s -t 0 -l 5 -L "$work/speechd-log" -C "$work/speechd-conf" >"$work/speechd.out" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -S "$rt/speech-dispatcher/speechd.sock" ] && break; sleep 0.1; done

mkdir "$work/prog"
copy_program "$build" "$work/prog"
start_xvfb 271 290 || exit 1
# Practice, factor 0 and maximum 0 (every problem is 0 x 0), no clock, a
# pause of one second.
printf '1\r\n3,3\r\n0,0,1,0,0\r\n0,4,1000\r\n0\r\n' >"$work/prog/kwizzo.ini"

run() { # LANGUAGE LOG: the program in that language, past its About window
  LANGUAGE=$1 QT_LOGGING_RULES="numbloom.speech.debug=true" "$work/prog/numbloom" >"$2" 2>&1 &
  app=$!
  local w
  w=$(timeout 20 xdotool search --sync --onlyvisible --pid "$app" | head -1)
  xdotool windowfocus --sync "$w" 2>/dev/null; xdotool key Return
  for _ in $(seq 100); do main=$(xdotool search --onlyvisible --pid "$app" --name '^Numbloom' | head -1); [ -n "$main" ] && break; sleep 0.1; done
  sleep 0.8
}
quit() { # Exit, as a user leaves it; a program that does not end is ended.
  xdotool windowfocus --sync "$main" 2>/dev/null; xdotool key alt+x 2>/dev/null
  for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  kill "$app" 2>/dev/null; wait "$app" 2>/dev/null; app=""
}
click() { xdotool mousemove --window "$main" "$1" "$2" click 1; sleep 0.3; }

# A first run makes the record and its child; a parent then turns Read
# aloud on for that child, as the check box in My Facts does.
run en "$work/first.log"
quit
record=$XDG_DATA_HOME/numbloom/progress.sqlite
python3 -c 'import sqlite3,sys; c=sqlite3.connect(sys.argv[1]); c.execute("UPDATE children SET read_aloud = 1"); c.commit()' "$record" ||
  { say "the record was not made"; exit 1; }

# English, recorded: the drill's start and three answers, each right.
parecord --latency-msec=20 --device=numbloom_test.monitor --rate=44100 --channels=1 --format=s16le --file-format=wav "$work/en.wav" &
rec=$!
# When the first samples came: the recording's zero on the wall clock.
python3 - "$work/en.wav" >"$work/zero" <<'PY'
import os, sys, time
for _ in range(2000):
    size = os.path.getsize(sys.argv[1]) if os.path.exists(sys.argv[1]) else 0
    if size > 44:
        print("%.4f" % (time.time() - (size - 44) / 2 / 44100)); break
    time.sleep(0.002)
PY
run en "$work/en.log"
click 604 84
for _ in 1 2 3; do sleep 2.6; xdotool type 0; done
sleep 2.6
xdotool key Escape
sleep 2.5
kill -INT "$rec"; wait "$rec" 2>/dev/null
quit

status=0
python3 - "$work/en.wav" "$(cat "$work/zero")" "$work/en.log" <<'PY' || status=1
import array, re, sys, wave
path, zero, log = sys.argv[1], float(sys.argv[2]), sys.argv[3]
w = wave.open(path)
rate = w.getframerate()
x = array.array('h', w.readframes(w.getnframes()))
win = rate // 200  # 5 ms
loud = [max(map(abs, x[i:i + win] or [0])) > 200 for i in range(0, len(x), win)]
onsets = [i * 0.005 for i, on in enumerate(loud) if on and (i == 0 or not loud[i - 1])]
said = [(int(m.group(1)) / 1000.0, m.group(2)) for m in re.finditer(r"say at (\d+): (.*)", open(log).read())]
problems = [(t, s) for t, s in said if "What is" in s]
ok = len(problems) == 4
if not ok:
    print("read-aloud: %d problems were said, not 4: %s" % (len(problems), said))
for t, text in problems:
    after = [o for o in onsets if o >= t - zero - 0.05]
    delay = (after[0] - (t - zero)) if after else None
    fine = delay is not None and delay <= 2.0
    ok = ok and fine
    print("read-aloud: %r began %s after it was drawn %s" % (text, "%.0f ms" % (delay * 1000) if delay is not None else "never", "ok" if fine else "WRONG"))
sys.exit(0 if ok else 1)
PY

# Each language's voice, by name, as the program chose it and as
# speech-dispatcher was asked for it.
for pair in "en:English (America)" "de:German" "fr:French (France)" "es:Spanish (Spain)" "it:Italian" \
            "pt_BR:Portuguese (Brazil)" "nl:Dutch" "pl:Polish"; do
  lang=${pair%%:*} voice=${pair#*:}
  run "$lang" "$work/$lang.log"
  click 604 84
  sleep 1.5
  xdotool key Escape
  sleep 0.5
  quit
  chosen=$(sed -n 's/.*voice "\(.*\)" for language.*/\1/p' "$work/$lang.log" | tail -1)
  if [ "$chosen" = "$voice" ] && grep -q "SYNTHESIS_VOICE.*$voice\|$voice" "$work/speechd-log/speech-dispatcher.log"; then
    say "$lang: the voice \"$chosen\" ok"
  else
    say "$lang: the voice \"$chosen\", not \"$voice\" WRONG"; status=1
  fi
done

# No speech-dispatcher to reach: one message, and the drill goes on.
count() { python3 -c 'import sqlite3,sys; print(sqlite3.connect(sys.argv[1]).execute("SELECT COUNT(*) FROM answers").fetchone()[0])' "$record"; }
before=$(count)
SPEECHD_ADDRESS=unix_socket:$work/nobody.sock run en "$work/none.log"
click 604 84
for _ in 1 2 3; do sleep 1.3; xdotool type 0; done
sleep 1.3
xdotool key Escape
sleep 1.5
boxes=$(xdotool search --onlyvisible --pid "$app" --name '^Numbloom$' | grep -cvx "$main")
quit
answered=$(( $(count) - before ))
if [ "$boxes" -eq 1 ] && [ "$answered" -eq 3 ]; then
  say "no engine: one message, $answered answers counted ok"
else
  say "no engine: $boxes messages, $answered answers counted WRONG"; status=1
fi
exit $status
