#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The child's record when the program is killed (kill -9) in the middle of a
# drill: the real program under a private Xvfb, with a home folder of its own.
# Every answer judged before the kill is in the file, the file is whole, and
# the next start opens it and records on.
# Usage: record-kill.sh BUILD_DIR
set -euo pipefail
. "$(dirname "$0")/../tools/program-under-xvfb.sh"
build=$1
command -v python3 >/dev/null || { echo "record-kill: python3 missing"; exit 77; }
program_folder
copy_program "$build" "$work"
# Practice, factor 7, no clock, no pause, maximum 0: every problem is 0 x 7.
printf '1\r\n3,1\r\n0,0,1,0,7\r\n0,4,0\r\n0\r\n' > "$work/kwizzo.ini"
export HOME="$work/home"; mkdir -p "$HOME"
unset XDG_DATA_HOME
record="$HOME/.local/share/numbloom/progress.sqlite"
start_xvfb 150 169

answers() {
  python3 - "$record" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
assert db.execute("PRAGMA integrity_check").fetchone()[0] == "ok"
print(db.execute("SELECT COUNT(*), COALESCE(SUM(correct), 0) FROM answers").fetchone(),
      db.execute("SELECT COUNT(*) FROM drills").fetchone()[0])
PY
}

run_drill() { # $1 answers to type, each 0 (right) or 5 (wrong)
  "$work/numbloom" >>"$work/out.log" 2>&1 &
  app=$!
  through_about
  # The record names the child in the title bar once it is open.
  timeout 20 xdotool search --sync --onlyvisible --name '^Numbloom - .+$' >/dev/null
  xdotool mousemove --window "$main" 604 84 click 1   # start the drill
  sleep 0.3
  for a in $1; do xdotool type --delay 60 "$a"; sleep 0.15; done
}

run_drill "0 0 5 0"
sleep 0.5  # the wrong answer's sound has ended and the last answer is written
kill -9 "$app"; wait "$app" 2>/dev/null || true; app=""
got=$(answers)
echo "record-kill: after kill -9: $got"
[ "$got" = "(4, 3) 1" ] || { echo "record-kill: expected 4 answers, 3 right, 1 drill"; cat "$work/out.log"; exit 1; }

run_drill "0 0"
sleep 0.5
kill -9 "$app"; wait "$app" 2>/dev/null || true; app=""
got=$(answers)
echo "record-kill: after a second start and kill: $got"
[ "$got" = "(6, 5) 2" ] || { echo "record-kill: expected 6 answers, 5 right, 2 drills"; cat "$work/out.log"; exit 1; }
ls "$HOME/.local/share/numbloom" | grep -q damaged && { echo "record-kill: a file was set aside"; exit 1; }
echo "record-kill: ok"
