#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The keyboard stays with an open modal window under a real window manager
# (openbox on a private Xvfb), driven with real clicks and keys (xdotool):
# a click on the main window while the fact picture, About, My Facts or the
# worksheet question is open, then Return or Esc, which must reach that
# window; My Facts minimised, then the main window brought back; Help pressed
# again after the main window was clicked. Exits 77 without openbox.
# Usage: modal-keyboard.sh BUILD_DIR
set -euo pipefail
. "$(dirname "$0")/../tools/program-under-xvfb.sh"
build=$1
command -v openbox >/dev/null || { echo "modal-keyboard: openbox is not installed (Debian: openbox)"; exit 77; }
program_folder
wm=""
trap 'if [ -n "$app" ]; then kill "$app" 2>/dev/null || true; fi; if [ -n "$wm" ]; then kill "$wm" 2>/dev/null || true; fi; stop_xvfb || true; rm -rf "$work"' EXIT

copy_program "$build" "$work"
# Study, the facts of 1: the picture of 1 x 1 is drawn in a moment.
printf '0\r\n3,1\r\n0,0,1,0,-1\r\n0,4,1000\r\n12\r\n' > "$work/kwizzo.ini"
mkdir "$work/home"
start_xvfb 291 310
# No session manager and no autostart: nothing but the window manager.
openbox --sm-disable --startup true >"$work/openbox.log" 2>&1 &
wm=$!

fail() {
  echo "modal-keyboard: $*"
  echo "display $DISPLAY, windows:"; xwininfo -root -children 2>&1 | tail -n +5 | head -20
  cat "$work/search.err" "$work/out.log" "$work/openbox.log" 2>/dev/null
  exit 1
}
# The program starts once openbox manages the screen: a window mapped while
# it is still starting may be left unmanaged.
wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
# Places on the main window, in its own pixels: one that does nothing, and its buttons.
click() { xdotool mousemove --window "$main" "$1" "$2" click 1; sleep 0.4; }
nothing() { click 625 20; }
active() { xdotool getactivewindow getwindowname 2>/dev/null || true; }
# The shown windows of that title, one id a line. A search that meets a window
# as it closes dies of an X error, which is no answer: it is asked again.
shown() {
  local out _
  for _ in 1 2 3 4 5; do
    if out=$(xdotool search --onlyvisible --name "^$1\$" 2>"$work/search.err"); then echo "$out"; return 0; fi
    grep -q "X Error" "$work/search.err" || return 0
    sleep 0.1
  done
  fail "xdotool could not search the windows"
}
open_window() { # TITLE: waits until it is shown (a loaded machine is slow); its id in $win
  for _ in $(seq 200); do win=$(shown "$1" | head -1); [ -n "$win" ] && return 0; sleep 0.1; done
  fail "$1 did not open"
}
gone() { # TITLE KEY: the key, sent where the keyboard is, closes it
  xdotool key "$2"
  for _ in $(seq 30); do [ -z "$(shown "$1")" ] && return 0; sleep 0.1; done
  fail "$2 did not reach $1 (the keyboard was with: $(active))"
}
after_main_click() { # TITLE KEY
  nothing
  [ "$(active)" = "$1" ] || fail "a click on the main window left the keyboard with: $(active)"
  gone "$1" "$2"
  echo "modal-keyboard: $1 took $2 after a click on the main window"
}

# A loaded machine (a build beside the tests) has taken over 20 s.
for _ in $(seq 600); do wm_up && break; sleep 0.1; done
wm_up || fail "openbox did not start in 60 s"
HOME="$work/home" "$work/numbloom" >"$work/out.log" 2>&1 &
app=$!
open_window "About Numbloom"
for _ in $(seq 10); do       # OK, again if it came before the window had the keyboard
  xdotool windowactivate --sync "$win" 2>/dev/null || true
  xdotool key Return
  sleep 1
  main=$(shown "Numbloom( - .+)?" | head -1)
  [ -n "$main" ] && break
done
[ -n "$main" ] || fail "the main window did not open"
sleep 0.3

click 290 101                      # the fact 1 x 1 in the study grid
open_window "1 x 1"
sleep 2                            # the picture takes keys once it is drawn
after_main_click "1 x 1" Return

click 308 408                      # Info?
open_window "About Numbloom"
after_main_click "About Numbloom" Return

click 72 420                       # My Facts, moved off the main window
open_window "My Facts"
xdotool windowmove "$win" 0 560
sleep 0.3
after_main_click "My Facts" Escape

# Minimised by the window manager (openbox takes the main window along), then
# the main window brought back as a task bar does it.
click 72 420
open_window "My Facts"
xdotool windowminimize --sync "$win"
xdotool windowactivate --sync "$main" 2>/dev/null || true
sleep 0.5
[ "$(active)" = "My Facts" ] || fail "after minimising, the keyboard was with: $(active)"
gone "My Facts" Escape
echo "modal-keyboard: My Facts came back from minimised and took Escape"

click 387 408                      # Help, then the main window over it, then Help again
open_window "Numbloom Help"
nothing
[ "$(active)" != "Numbloom Help" ] || fail "the main window did not take the keyboard from Help"
click 387 408
for _ in $(seq 20); do [ "$(active)" = "Numbloom Help" ] && break; sleep 0.1; done
[ "$(active)" = "Numbloom Help" ] || fail "Help pressed again left the keyboard with: $(active)"
gone "Numbloom Help" Escape
echo "modal-keyboard: Help pressed again came forward with the keyboard"

click 74 106                       # Practice, then Print Worksheet: its question
click 604 132
open_window "Print Worksheet"
after_main_click "Print Worksheet" Escape

kill -0 "$app" || fail "the program ended"
