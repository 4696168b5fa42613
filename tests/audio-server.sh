#!/usr/bin/env bash
# The built program heard through a real desktop audio server: a private
# PipeWire (with its PulseAudio service and WirePlumber) on a null sink, all in
# a temporary runtime folder. The sink's monitor is recorded while the program
# runs a short drill and the fact picture 7 x 3; every sound must be heard
# nearly whole, and the picture's first row must last seven "single" sounds.
# Everything started here is stopped by pid; the machine's own servers, if
# any, are never touched. Usage: audio-server.sh BUILD_DIR
set -uo pipefail
. "$(dirname "$0")/../tools/program-under-xvfb.sh"
build=$1

for tool in pipewire wireplumber pipewire-pulse dbus-daemon pactl parecord python3 Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "audio-server: SKIP: $tool is not installed"; exit 77; }
done

program_folder
pids=()
stop_all() {
  local p
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null; done
  stop_xvfb || true
  rm -rf "$work"
}
trap stop_all EXIT

rt=$work/run
mkdir -m 700 "$rt"
export XDG_RUNTIME_DIR=$rt XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state HOME=$work
unset PULSE_SERVER PIPEWIRE_REMOTE
dbus-daemon --session --nofork --address="unix:path=$rt/bus" >/dev/null 2>&1 &
pids+=($!)
export DBUS_SESSION_BUS_ADDRESS="unix:path=$rt/bus"
for _ in $(seq 50); do [ -S "$rt/bus" ] && break; sleep 0.1; done
pipewire >"$work/pipewire.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [ -S "$rt/pipewire-0" ] && break; sleep 0.1; done
wireplumber >"$work/wireplumber.log" 2>&1 &
pids+=($!)
pipewire-pulse >"$work/pipewire-pulse.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || { echo "audio-server: the private PipeWire did not answer"; cat "$work"/*.log; exit 1; }
pactl load-module module-null-sink sink_name=numbloom_test >/dev/null
pactl set-default-sink numbloom_test
for _ in $(seq 50); do pactl list short sources | grep -q numbloom_test.monitor && break; sleep 0.1; done

copy_program "$build" "$work"
# Practice, factor 0, no clock, half a second between problems, maximum 0;
# study factor 3, so that the seventh fact is 7 x 3.
printf '1\r\n3,3\r\n0,0,1,0,0\r\n0,4,500\r\n0\r\n' > "$work/kwizzo.ini"
start_xvfb 211 230 || exit 1

parecord --device=numbloom_test.monitor --rate=44100 --channels=1 --format=s16le --file-format=wav \
  "$work/heard.wav" &
rec=$!
pids+=($rec)
"$work/numbloom" >"$work/out.log" 2>&1 &
app=$!
through_about
sleep 0.8
click() { xdotool mousemove --window "$main" "$1" "$2" click 1; sleep 0.3; }
click 604 84                  # start: every problem is 0 x 0
for k in 0 5 0; do xdotool type "$k"; sleep 1.3; done   # right, wrong, right
xdotool key Escape            # stop: tada
sleep 1.6
xdotool key Return            # the review of the one miss
sleep 0.3
xdotool key Escape            # and its end: idle again
sleep 0.3
click 30 82                   # Study
sleep 0.4
click 388 207                 # the fact 7 x 3
sleep 5
xdotool key Escape
sleep 0.5
kill -INT "$rec"; wait "$rec" 2>/dev/null
xdotool key alt+x 2>/dev/null || true
if grep -q . "$work/out.log"; then
  echo "audio-server: the program wrote to stderr:"; cat "$work/out.log"; exit 1
fi

lengths() { python3 -c 'import sys,wave; w=wave.open(sys.argv[1]); print(w.getnframes()/w.getframerate())' "$1"; }
python3 - "$work/heard.wav" "$(lengths "$build/ding.wav")" "$(lengths "$build/uhoh.wav")" \
  "$(lengths "$build/tada.wav")" "$(lengths "$build/single.wav")" "$(lengths "$build/boing.wav")" <<'PY'
import array, sys, wave
path, ding, uhoh, tada, single, boing = sys.argv[1], *map(float, sys.argv[2:])
w = wave.open(path)
rate = w.getframerate()
x = array.array('h', w.readframes(w.getnframes()))
# Stretches of sound: 5 ms windows louder than -44 dBFS, apart by less than
# 40 ms counting as one.
win = rate // 200
loud = [max(map(abs, x[i:i + win] or [0])) > 200 for i in range(0, len(x), win)]
stretches, start, last = [], None, None
for i, on in enumerate(loud):
    if not on:
        continue
    if start is None:
        start = i
    elif (i - last) * 5 > 40:
        stretches.append((start, last)); start = i
    last = i
if start is not None:
    stretches.append((start, last))
heard = [((b - a + 1) * 5 / 1000, a * 5 / 1000) for a, b in stretches]
for n, (length, onset) in enumerate(heard, 1):
    print(f"audio-server: sound {n} at {onset:.3f} s lasted {length:.3f} s")
# The drill: ding, (ding cut short by) uh-oh, ding, tada; the picture: a row
# of seven "single" back to back, then three "boing" back to back.
want = [("ding", ding), ("uh-oh", uhoh), ("ding", ding), ("tada", tada),
        ("first row", 7 * single), ("three boing", 3 * boing)]
ok = len(heard) == len(want)
if not ok:
    print(f"audio-server: heard {len(heard)} sounds, expected {len(want)}")
for (name, expect), (length, _) in zip(want, heard):
    fine = length >= 0.9 * expect and (name != "first row" or abs(length - expect) <= 0.1 * expect)
    print(f"audio-server: {name}: {length:.3f} s of {expect:.3f} s {'ok' if fine else 'WRONG'}")
    ok = ok and fine
sys.exit(0 if ok else 1)
PY
