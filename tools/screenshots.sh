#!/usr/bin/env bash
# Takes the README's screenshots of the built program under a private Xvfb:
# study mode, the fact picture, a running drill and the results panel.
# Usage: tools/screenshots.sh [BUILD_DIR]   (default build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/program-under-xvfb.sh
build=${1:-build/release}
out=docs/screenshots
program_folder
mkdir -p "$out"
copy_program "$build" "$work"
# Study mode, factor 7, counting down from 2:00, no pause between problems.
printf '0\r\n3,7\r\n0,0,1,0,7\r\n2,4,0\r\n12\r\n' > "$work/kwizzo.ini"

start_xvfb 191 210

"$work/numbloom" >/dev/null 2>&1 &
app=$!

about=$(timeout 20 xdotool search --sync --onlyvisible --name '^About Numbloom$' | head -1)
sleep 0.5
xdotool windowfocus --sync "$about" 2>/dev/null || true
xdotool key --window "$about" alt+o
main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Numbloom( - .+)?$' | head -1)
sleep 0.8
eval "$(xdotool getwindowgeometry --shell "$main")"
shot() { import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/$1.png"; echo "$out/$1.png"; }
click() { xdotool mousemove --window "$main" "$1" "$2" click 1; sleep 0.3; }

shot study
click 388 207            # the fact 7 x 7
sleep 5.5                # seven shapes, a pause, seven rows
shot fact-picture
xdotool key Escape
sleep 0.5
click 30 106             # Practice
click 604 84             # start the drill
xdotool type --delay 250 "1111"
sleep 2                  # the wrong-answer sounds keep their time
xdotool type --delay 100 "1"
sleep 0.6
shot drill
for _ in 1 2 3 4 5 6; do xdotool type --delay 100 "11"; sleep 1.5; done
xdotool key Escape       # stop: the results
sleep 1.5
shot results
xdotool key alt+x
