#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, installs it on this machine with apt-get, starts
# Numbloom the way a desktop menu would (the installed menu entry's Exec
# command) under a private Xvfb on display :59, waits for the "About Numbloom"
# window, closes it as a window manager would, and removes the package again.
# Installs and removes a system package: run it by hand as root (or with sudo),
# never from CTest. Needs xvfb, xdotool, x11-utils and python3.
# Usage: tools/check-deb.sh
set -euo pipefail
cd "$(dirname "$0")/.."

sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
say() { echo "check-deb: $*"; }

for tool in cmake:cmake cpack:cmake flock:util-linux dpkg-deb:dpkg Xvfb:xvfb xdotool:xdotool \
            xprop:x11-utils xwininfo:x11-utils python3:python3; do
  command -v "${tool%%:*}" >/dev/null || { say "${tool%%:*} is missing (Debian package ${tool#*:})"; exit 1; }
done

installed() { [ "$(dpkg-query -W -f='${db:Status-Status}' numbloom 2>/dev/null || true)" = installed ]; }
if installed; then
  say "numbloom is installed already; this script would remove it afterwards, so it stops here"
  exit 1
fi
if [ -e /tmp/.X59-lock ]; then
  say "display :59 is in use"
  exit 1
fi

work=$(mktemp -d)
xvfb="" app="" we_installed=""
cleanup() {
  if [ -n "$app" ]; then kill "$app" 2>/dev/null || true; fi
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; fi
  if [ -n "$we_installed" ] && installed; then
    say "removing the package"
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get remove -y -q numbloom
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# Other developers build on this machine too: builds take the shared lock.
lock=(flock /tmp/numbloom-build.lock)
say "building the release package"
cmake --preset release >/dev/null
"${lock[@]}" cmake --build --preset release
rm -f build/release/numbloom_*.deb
(cd build/release && "${lock[@]}" cpack -G DEB >/dev/null)
debs=(build/release/numbloom_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  say "cpack made no single package: ${debs[*]}"
  exit 1
fi
say "package ${debs[0]}"
dpkg-deb -f "${debs[0]}" Package Version Architecture Depends | sed 's/^/  /'

say "installing it"
we_installed=1
(cd build/release && DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q ./numbloom_*.deb)
installed || { say "apt-get did not install numbloom"; exit 1; }

# The command of the installed menu entry, as a launcher would run it.
desktop=$(dpkg-query -L numbloom | grep '^/usr/share/applications/.*\.desktop$')
exec_line=$(sed -n 's/^Exec=//p' "$desktop" | head -n1)
say "menu entry $desktop: Exec=$exec_line"
case $exec_line in
  *[\"\'\\\`\$]*) say "the Exec line needs desktop-entry unquoting, which this script does not do"; exit 1 ;;
esac
# Field codes (%f, %U, ...) stand for files handed over by the launcher: none here.
read -r -a cmd <<<"$(sed 's/%[fFuUdDnNickvm]//g; s/%%/%/g' <<<"$exec_line")"
PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin
resolved=$(command -v "${cmd[0]}") || { say "'${cmd[0]}' is not on PATH"; exit 1; }
say "'${cmd[0]}' is $resolved -> $(readlink -f "$resolved")"
[ "$(readlink -f "$resolved")" = /usr/lib/numbloom/numbloom ] || { say "that is not the installed program"; exit 1; }

Xvfb :59 -screen 0 1280x1024x24 >"$work/xvfb.log" 2>&1 &
xvfb=$!
export DISPLAY=:59
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getdisplaygeometry >/dev/null 2>&1 || { say "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }

# A home of its own, so the run leaves nothing (caches, sound-server files) in
# the real one; the program itself keeps its settings in its own folder.
mkdir -p "$work/home" "$work/run"
chmod 700 "$work/run"
say "starting: ${cmd[*]}"
(cd "$work" && exec env -u WAYLAND_DISPLAY -u XDG_CONFIG_HOME -u XDG_CACHE_HOME -u XDG_DATA_HOME \
   HOME="$work/home" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=xcb \
   "${cmd[@]}" >"$work/app.log" 2>&1) &
app=$!

about=$(timeout 20 xdotool search --sync --onlyvisible --name '^About Numbloom$' | head -n1) || true
if [ -z "$about" ]; then
  say "no window titled \"About Numbloom\" within 20 s"
  cat "$work/app.log"
  exit 1
fi
say "window \"$(xdotool getwindowname "$about")\" ($about) is shown, $(xwininfo -id "$about" | sed -n 's/.*Width: //p')x$(xwininfo -id "$about" | sed -n 's/.*Height: //p')"
# The window icon comes from the SVG in the program folder through Qt's SVG
# plugin: an icon on the window shows that both were found.
icon_bytes=$(xprop -id "$about" -notype _NET_WM_ICON | wc -c)
[ "$icon_bytes" -gt 100 ] || { say "the window has no icon"; exit 1; }
say "window icon set"
# Desktop docks match windows to the menu entry by WM_CLASS.
wm_class=$(xprop -id "$about" -notype WM_CLASS | sed 's/^WM_CLASS = //')
wm_want=$(sed -n 's/^StartupWMClass=//p' "$desktop")
say "WM_CLASS $wm_class, StartupWMClass=$wm_want"
if [ -n "$wm_want" ] && ! grep -q "\"$wm_want\"" <<<"$wm_class"; then
  say "the menu entry's StartupWMClass does not match the window"
  exit 1
fi

# Close it as a window manager would: a WM_DELETE_WINDOW message. Before the
# main window has been shown, that ends the program.
python3 - "$about" <<'EOF'
import ctypes, sys
x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype = ctypes.c_void_p
x.XOpenDisplay.argtypes = [ctypes.c_char_p]
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XFlush.argtypes = [ctypes.c_void_p]
x.XCloseDisplay.argtypes = [ctypes.c_void_p]

class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]

class XEvent(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]

d = x.XOpenDisplay(None)
if not d:
    sys.exit("cannot open the display")
ev = XEvent()
ev.xclient.type = 33  # ClientMessage
ev.xclient.window = int(sys.argv[1])
ev.xclient.message_type = x.XInternAtom(d, b"WM_PROTOCOLS", 0)
ev.xclient.format = 32
ev.xclient.data[0] = x.XInternAtom(d, b"WM_DELETE_WINDOW", 0)
ev.xclient.data[1] = 0  # CurrentTime
if not x.XSendEvent(d, ev.xclient.window, 0, 0, ctypes.byref(ev)):
    sys.exit("XSendEvent failed")
x.XFlush(d)
x.XCloseDisplay(d)
EOF
say "asked the window to close"
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then
  say "the program is still running 5 s after its window was closed"
  cat "$work/app.log"
  exit 1
fi
status=0
wait "$app" || status=$?
app=""
say "the program ended with status $status"
if [ -s "$work/app.log" ]; then
  say "it printed:"
  sed 's/^/  /' "$work/app.log"
fi
[ "$status" -eq 0 ] || exit 1

kill "$xvfb" 2>/dev/null || true
wait "$xvfb" 2>/dev/null || true
xvfb=""

say "removing the package"
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get remove -y -q numbloom
we_installed=""
if installed || [ -e /usr/lib/numbloom ] || [ -e /usr/bin/numbloom ]; then
  say "numbloom is still on the machine after removal"
  exit 1
fi
say "removed; all checks passed"
