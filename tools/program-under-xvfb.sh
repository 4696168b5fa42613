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
#   start_session_bus DIR        - a private D-Bus session bus at DIR/bus
#   start_a11y_bus               - the AT-SPI bus on it, as a desktop has it
#   wireplumber_config           - WirePlumber's configuration without its
#                                  Bluetooth part, which quits without systemd
#   through_about                - past the About window; sets $main
#   $at_spi_launcher             - Debian's AT-SPI bus launcher
at_spi_launcher=/usr/libexec/at-spi-bus-launcher
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

# A private session bus, its socket in DIR; its pid joins $pids.
start_session_bus() {
  dbus-daemon --session --nofork --address="unix:path=$1/bus" >"$1/dbus.log" 2>&1 &
  pids+=($!)
  export DBUS_SESSION_BUS_ADDRESS="unix:path=$1/bus"
  for _ in $(seq 50); do [ -S "$1/bus" ] && break; sleep 0.1; done
}

# The accessibility bus and its registry, started by the AT-SPI launcher on
# the session bus; after Xvfb, for the launcher also names its bus on the
# screen's root window. Fails when the bus does not answer.
start_a11y_bus() {
  unset AT_SPI_BUS_ADDRESS
  "$at_spi_launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
  pids+=($!)
  local _
  for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 &&
      return 0
    sleep 0.1
  done
  cat "$work/launcher.log"
  return 1
}

# WirePlumber's Bluetooth part loads the logind plugin, which quits the whole
# of WirePlumber where no systemd runs (a container, a chroot). A test server
# has no Bluetooth: the same configuration without that part, in
# $XDG_CONFIG_HOME. Fails when the configuration is not the one known here.
wireplumber_config() {
  local conf=/usr/share/wireplumber/wireplumber.conf
  [ -f "$conf" ] && grep -q 'bluetooth\.lua' "$conf" || return 1
  mkdir -p "$XDG_CONFIG_HOME/wireplumber"
  grep -v 'bluetooth\.lua' "$conf" >"$XDG_CONFIG_HOME/wireplumber/wireplumber.conf"
}
