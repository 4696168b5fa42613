# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that drive the built program under a private X
# server. Defines:
#   copy_program BUILD_DIR DEST  - the binary and its files into a program folder
#   start_xvfb FIRST LAST        - a private Xvfb on the first free display in
#                                  FIRST..LAST; sets DISPLAY and $xvfb
#   stop_xvfb                    - ends it
#   program_folder               - a temporary folder $work, and a trap that
#                                  ends $app and Xvfb and removes it on exit
#   servers_folder               - the same for a test that starts servers:
#                                  each pid in $pids, with all it started,
#                                  is stopped on exit
#   through_about                - past the About window; sets $main
copy_program() {
  local f
  cp "$1/numbloom" "$1/numbloom-sound.so" "$1/numbloom-print.so" "$1/numbloom-facts.so" "$1/numbloom-speech.so" \
     "$1/numbloom-wayland.so" "$2/"
  for f in kwizzo.hlp ding.wav uhoh.wav tada.wav single.wav boing.wav numbloom.svg start.svg stop.svg \
           printer.svg reward0.svg reward1.svg reward2.svg reward3.svg about.svg; do
    cp "$1/$f" "$2/"
  done
  cp "$1"/kwizzo_*.hlp "$2/"
  cp -r "$1/translations" "$2/"
}

start_xvfb() {
  local d _
  xvfb=""
  for d in $(seq "$1" "$2"); do
    [ -e "/tmp/.X$d-lock" ] && continue
    Xvfb ":$d" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=":$d"
    for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    kill "$xvfb" 2>/dev/null; xvfb=""
  done
  [ -n "$xvfb" ] || { echo "could not start Xvfb"; return 1; }
  export QT_QPA_PLATFORM=xcb
  unset WAYLAND_DISPLAY
  # The scripts find windows and buttons by their English names, whatever the
  # language of the machine; a run in another language sets LANGUAGE itself.
  export LANGUAGE=en
}

stop_xvfb() { [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null; xvfb=""; }

program_folder() {
  work=$(mktemp -d)
  xvfb=""
  app=""
  trap 'if [ -n "$app" ]; then kill "$app" 2>/dev/null || true; fi; stop_xvfb || true; rm -rf "$work"' EXIT
}

# Waits for the About window, presses its OK, and waits for the main window,
# whose id it leaves in $main.
through_about() {
  local about
  about=$(timeout 20 xdotool search --sync --onlyvisible --name '^About Numbloom$' | head -1)
  xdotool windowfocus --sync "$about" 2>/dev/null || true
  xdotool key --window "$about" alt+o
  main=$(timeout 20 xdotool search --sync --onlyvisible --name '^Numbloom( - .+)?$' | head -1)
}

# The processes a server started (the AT-SPI launcher's buses and registry,
# Orca's speech-dispatcher) are its descendants: all of them, by pid.
descendants() {
  local f c
  for f in $(grep -l "^PPid:[[:space:]]*$1\$" /proc/[0-9]*/status 2>/dev/null); do
    c=${f#/proc/}; c=${c%/status}
    descendants "$c"; echo "$c"
  done
}

stop_servers() {
  local p all=()
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null && wait "$app" 2>/dev/null
  for p in "${pids[@]}"; do all+=($(descendants "$p") "$p"); done
  for p in "${all[@]}"; do kill "$p" 2>/dev/null; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null; done
  # The rest are not children of this shell: wait for each to be gone.
  for p in "${all[@]}"; do
    for _ in $(seq 50); do [ -e "/proc/$p" ] || break; sleep 0.05; done
  done
  p=${xvfb:-}
  stop_xvfb || true
  [ -n "$p" ] && wait "$p" 2>/dev/null
  rm -rf "$work"
}

servers_folder() {
  program_folder
  pids=()
  trap stop_servers EXIT
}
