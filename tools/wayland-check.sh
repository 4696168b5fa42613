#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# By hand, as root: the keyboard and an open modal window on GNOME Shell under
# Wayland. Starts a headless GNOME Shell (mutter 43) as an ordinary user (a
# compositor refuses root), runs the program natively on it
# (QT_QPA_PLATFORM=wayland) and, with clicks and keys sent through the shell:
#   - clicks the main window while the fact picture, About, My Facts and the
#     worksheet question are open, then presses Return or Esc: the window must
#     keep the keyboard and close;
#   - minimises My Facts (as the shell does, then with its title bar's
#     button): it must not stay minimised;
#   - presses Help, clicks the main window, presses Help again: the help
#     window must come forward with the keyboard.
# Prints one line per check and keeps a screenshot of each in SHOTS.
#
# Usage: tools/wayland-check.sh BUILD_DIR [SHOTS] [USER]
#   USER (default nbway) must exist: useradd -m nbway
# Packages: gnome-shell mutter dbus (and the program's build).
set -uo pipefail
build=$(realpath "$1")
shots=$(realpath -m "${2:-wayland-shots}")
user=${3:-nbway}
here=$(dirname "$(realpath "$0")")
. "$here/program-under-xvfb.sh"
for c in gnome-shell dbus-daemon gdbus setpriv; do
  command -v "$c" >/dev/null || { echo "wayland-check: $c is missing (Debian: gnome-shell mutter dbus)"; exit 77; }
done
id "$user" >/dev/null 2>&1 || { echo "wayland-check: no user $user (useradd -m $user)"; exit 77; }
[ "$(id -u)" -eq 0 ] || { echo "wayland-check: run as root (it starts the shell as $user)"; exit 1; }

t=$(mktemp -d)
chmod 755 "$t"
mkdir -p "$shots" "$t/rt" "$t/home/.local/share/gnome-shell/extensions/nbcheck@local" \
  "$t/home/.config/glib-2.0/settings" "$t/prog"
chmod 700 "$t/rt"
# GNOME Shell 43 answers Eval and Screenshot only in unsafe mode, which only
# an extension can turn on.
cat > "$t/home/.local/share/gnome-shell/extensions/nbcheck@local/metadata.json" <<'EOF'
{"uuid": "nbcheck@local", "name": "nbcheck", "description": "unsafe mode for a test", "shell-version": ["43"]}
EOF
cat > "$t/home/.local/share/gnome-shell/extensions/nbcheck@local/extension.js" <<'EOF'
function init() { return { enable() { global.context.unsafe_mode = true; }, disable() {} }; }
EOF
cat > "$t/home/.config/glib-2.0/settings/keyfile" <<'EOF'
[org/gnome/shell]
enabled-extensions=['nbcheck@local']
welcome-dialog-last-shown-version='999'
EOF
copy_program "$build" "$t/prog"
printf '0\r\n3,1\r\n0,0,1,0,-1\r\n0,4,1000\r\n12\r\n' > "$t/prog/kwizzo.ini"   # study, facts of 1
chown -R "$user:" "$t"
chown "$user:" "$shots"

env_of_user=(env -i PATH=/usr/bin:/bin HOME="$t/home" XDG_RUNTIME_DIR="$t/rt" XDG_SESSION_TYPE=wayland
  XDG_CURRENT_DESKTOP=GNOME GSETTINGS_BACKEND=keyfile WAYLAND_DISPLAY=wayland-check
  DBUS_SESSION_BUS_ADDRESS="unix:path=$t/rt/bus" DBUS_SYSTEM_BUS_ADDRESS="unix:path=$t/rt/sysbus")
# setpriv and env exec what they run: $! of a command started with these is its own pid.
as_user=(setpriv --reuid="$user" --regid="$user" --clear-groups "${env_of_user[@]}")
as_user() { "${as_user[@]}" "$@"; }
pids=()
# What the buses started for the shell (the accessibility bus) goes with them.
tree() { local c; echo "$1"; for c in $(pgrep -P "$1"); do tree "$c"; done; }
cleanup() {
  local all=() p
  for p in "${pids[@]}"; do all+=($(tree "$p")); done
  for p in "${all[@]}"; do kill "$p" 2>/dev/null; done
  sleep 0.5
  rm -rf "$t"
}
trap cleanup EXIT

# A session bus and a "system" bus of its own (without one the shell stops in
# its login manager code), then the shell.
"${as_user[@]}" dbus-daemon --session --address="unix:path=$t/rt/bus" --nofork >/dev/null 2>&1 &
pids+=($!)
"${as_user[@]}" dbus-daemon --config-file=/usr/share/dbus-1/session.conf --address="unix:path=$t/rt/sysbus" \
  --nofork >/dev/null 2>&1 &
pids+=($!)
sleep 1
"${as_user[@]}" gnome-shell --headless --wayland --no-x11 --wayland-display=wayland-check \
  --virtual-monitor 1280x1024 >"$t/shell.log" 2>&1 &
pids+=($!)
disown   # the shell may crash as it ends; that is no news here
ev() { as_user gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
  --method org.gnome.Shell.Eval "$1" 2>/dev/null; }
for _ in $(seq 100); do ev "1" | grep -q "true" && break; sleep 0.2; done
ev "1" | grep -q "true" || { echo "wayland-check: GNOME Shell did not answer"; tail -20 "$t/shell.log"; exit 1; }
ev "Main.overview.hide(); Main.messageTray.bannerBlocked = true;" >/dev/null

"${as_user[@]}" LANGUAGE=en QT_QPA_PLATFORM=wayland "$t/prog/numbloom" >"$t/prog.log" 2>&1 &
pids+=($!)

# The shell's view: windows by title, in stacking order.
win() { echo "global.display.list_all_windows().find(w => w.get_title() === '$1')"; }
js() { ev "$1" | sed -n "s/^(true, '\(.*\)')$/\1/p" | tr -d '"'; }
focused() { js "const w = global.display.get_focus_window(); w ? w.get_title() : ''"; }
exists() { [ "$(js "$(win "$1") ? 'yes' : 'no'")" = yes ]; }
minimised() { [ "$(js "$(win "$1").minimized ? 'yes' : 'no'")" = yes ]; }
on_top() { js "const l = global.display.sort_windows_by_stacking(global.display.list_all_windows()); l[l.length - 1].get_title()"; }
frame() { js "const r = $(win "$1").get_frame_rect(); r.x + ' ' + r.y + ' ' + r.width"; }
device() { echo "(global._nb$1 ||= imports.gi.Clutter.get_default_backend().get_default_seat().create_virtual_device(imports.gi.Clutter.InputDeviceType.$2))"; }
press() { ev "$(device p POINTER_DEVICE).notify_absolute_motion(imports.gi.GLib.get_monotonic_time(), $1, $2); $(device p POINTER_DEVICE).notify_button(imports.gi.GLib.get_monotonic_time(), 1, 1)" >/dev/null; }
release() { ev "$(device p POINTER_DEVICE).notify_button(imports.gi.GLib.get_monotonic_time(), 1, 0)" >/dev/null; }
# A click as fast as a machine makes it (the press and the release reach the
# program together) unless HAND=1: then 120 ms apart, as a hand makes it.
screen_click() { press "$1" "$2"; [ "${HAND:-0}" = 1 ] && sleep 0.12; release; sleep 0.6; }
key() { ev "$(device k KEYBOARD_DEVICE).notify_keyval(imports.gi.GLib.get_monotonic_time(), $1, 1); $(device k KEYBOARD_DEVICE).notify_keyval(imports.gi.GLib.get_monotonic_time(), $1, 0)" >/dev/null; sleep 0.6; }
Return=65293 Escape=65307
shot() { as_user gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell/Screenshot \
  --method org.gnome.Shell.Screenshot.Screenshot false false "$t/shot.png" >/dev/null 2>&1; cp "$t/shot.png" "$shots/$1.png"; }
# The main window's own pixels: Qt draws the title bar, 30 pixels over a
# 3-pixel border.
main="Numbloom - $user"
click() { local f; f=($(frame "$main")); screen_click $((f[0] + 3 + $1)) $((f[1] + 30 + $2)); }
nothing() { click 625 20; }
wait_for() { for _ in $(seq 40); do eval "$1" && return 0; sleep 0.25; done; return 1; }
failures=0
check() { # NAME CONDITION
  if eval "$2"; then echo "wayland-check: ok   $1"; else echo "wayland-check: FAIL $1 (keyboard: $(focused))"; failures=$((failures + 1)); fi
  shot "$(echo "$1" | tr -c 'a-zA-Z0-9\n' '-')"
}

# The first event of a new virtual device may be lost: spend one of each.
ev "$(device p POINTER_DEVICE).notify_absolute_motion(imports.gi.GLib.get_monotonic_time(), 640, 1000)" >/dev/null
key 65505
wait_for 'exists "About Numbloom"' || { echo "wayland-check: the program did not start"; cat "$t/prog.log"; exit 1; }
# The shell opens its overview once it has started, which may be after the
# first hide: hidden until it stays hidden.
overview_gone() { ev "Main.overview.hide()" >/dev/null; sleep 0.5; [ "$(js "Main.overview.visible ? 'yes' : 'no'")" = no ]; }
wait_for overview_gone
wait_for '[ "$(focused)" = "About Numbloom" ]'
for _ in 1 2 3; do key $Return; wait_for 'exists "$main"' && break; done
exists "$main" || { echo "wayland-check: no main window (keyboard: $(focused))"; shot start; cat "$t/prog.log"; exit 1; }
sleep 0.5

# A window left with the keyboard elsewhere is closed through the shell, so
# that the next check starts from the main window alone.
recover() { # TITLE KEY
  exists "$1" || return 0
  ev "$(win "$1").activate(global.get_current_time())" >/dev/null; sleep 0.5
  key "$2"
}
modal_after_click() { # TITLE KEY
  wait_for "exists '$1'" || { check "$1 opens" false; return; }
  nothing
  check "$1 keeps the keyboard after a click on the main window" "[ \"\$(focused)\" = '$1' ]"
  key "$2"
  check "$1 closed by its key after that click" "! exists '$1'"
  recover "$1" "$2"
}
my_facts() { # opened, and moved off the main window
  click 72 420; wait_for 'exists "My Facts"' || return 0
  ev "$(win "My Facts").move_frame(true, 200, 560)" >/dev/null; sleep 0.5
}

click 290 101; wait_for 'exists "1 x 1"'; sleep 2
modal_after_click "1 x 1" $Return
click 308 408
modal_after_click "About Numbloom" $Return
my_facts
modal_after_click "My Facts" $Escape

my_facts
ev "$(win "My Facts").minimize()" >/dev/null; sleep 1
check "My Facts minimised by the shell comes back with the keyboard" '! minimised "My Facts" && [ "$(focused)" = "My Facts" ]'
recover "My Facts" $Escape
my_facts
f=($(frame "My Facts"))
screen_click $((f[0] + f[2] - 63)) $((f[1] + 15)); sleep 0.5   # the title bar's minimise button
check "My Facts minimised by its title bar comes back with the keyboard" '! minimised "My Facts" && [ "$(focused)" = "My Facts" ]'
recover "My Facts" $Escape

click 387 408; wait_for 'exists "Numbloom Help"'
check "Help opens with the keyboard" '[ "$(focused)" = "Numbloom Help" ]'
nothing
check "a click on the main window takes the keyboard from Help" '[ "$(focused)" = "$main" ]'
click 387 408
check "Help pressed again comes forward with the keyboard" '[ "$(focused)" = "Numbloom Help" ] && [ "$(on_top)" = "Numbloom Help" ]'
recover "Numbloom Help" $Escape

click 74 106; click 604 132
modal_after_click "Print Worksheet" $Escape

echo "wayland-check: $failures failed; screenshots in $shots"
[ "$failures" -eq 0 ]
