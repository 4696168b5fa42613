#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end: the built program in a temporary program folder under a private
# Xvfb, driven with xdotool like a child and a parent would: About's OK, a
# short drill with right and wrong answers, stop, review, a change of the
# maximum, Exit; then the settings file is read back.
# Usage: e2e.sh BUILD_DIR
set -euo pipefail
. "$(dirname "$0")/../tools/program-under-xvfb.sh"
build=$1
program_folder

copy_program "$build" "$work"
# Practice, factor 7, counting up, no pause, maximum 0: every problem is 0 x 7.
printf '1\r\n3,1\r\n0,0,1,0,7\r\n1,4,0\r\n0\r\n' > "$work/kwizzo.ini"

start_xvfb 170 190


"$work/numbloom" >"$work/out.log" 2>&1 &
app=$!

step() { echo "e2e: $*"; }
about=$(timeout 20 xdotool search --sync --onlyvisible --name '^About Numbloom$' | head -1)
step "About window $about"
xdotool windowfocus --sync "$about" 2>/dev/null || true
xdotool key --window "$about" alt+o
main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Numbloom( - .+)?$' | head -1)
step "main window $main"
sleep 0.3
click() { xdotool mousemove --window "$main" "$1" "$2" click 1; sleep 0.25; }
click 604 84          # start the drill
xdotool type --delay 120 "0"  # 0 x 7: right
sleep 0.2
xdotool type --delay 120 "5"  # wrong
sleep 1.0             # the wrong-answer sound plays to its end
xdotool type --delay 120 "0"  # right
sleep 0.2
xdotool key Escape    # stop: the results show
sleep 0.4
# The results panel is black; idle, the practice box would be white.
pixel() { import -window "$main" -crop "1x1+$1+$2" txt:- | grep -o '#[0-9A-F]\{6\}' | head -1; }
[ "$(pixel 200 150)" = "#000000" ] || { echo "e2e: no results panel after the drill"; exit 1; }
step "results panel shown"
xdotool key Return    # Review
sleep 0.3
[ "$(pixel 200 150)" = "#FFFFFF" ] || { echo "e2e: no review after the results"; exit 1; }
step "review shown"
xdotool key Escape    # end the review: idle again
sleep 0.3
click 94 338          # maximum multiplier up: 0 -> 1
xdotool key alt+x     # Exit saves and ends
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then echo "e2e: the program did not end on Exit"; exit 1; fi
app=""

want=$(printf '1\r\n3,1\r\n0,0,1,0,7\r\n1,4,0\r\n1\r\n' | od -c)
got=$(od -c < "$work/kwizzo.ini")
if [ "$got" != "$want" ]; then
  echo "e2e: kwizzo.ini after Exit:"; od -c < "$work/kwizzo.ini"; cat "$work/out.log"; exit 1
fi
step "kwizzo.ini read back as expected"
