#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's screenshots of the built program under a private Xvfb:
# study mode, the fact picture, a running drill, the results panel and My Facts
# over three weeks of made-up answers.
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
# A home of its own: the child's record goes there, not into yours.
export HOME="$work/home"; mkdir -p "$HOME"
unset XDG_DATA_HOME

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
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done

# Three weeks of a child called Mia: the easy tables known, 7 and 8 tricky.
python3 - "$HOME/.local/share/numbloom/progress.sqlite" <<'PY'
import random, sqlite3, sys, datetime
db = sqlite3.connect(sys.argv[1])
db.execute("UPDATE children SET name = 'Mia'")
child = db.execute("SELECT id FROM children").fetchone()[0]
rng = random.Random(3)
now = datetime.datetime.now(datetime.timezone.utc)
for day in range(21, -1, -1):
    if day % 3 == 2:
        continue
    t = now - datetime.timedelta(days=day, hours=1)
    for n in range(40):
        f = rng.choice([1, 2, 5, 10, 3, 4, 6, 7, 8, 9, 11, 12][: 4 + (21 - day) // 3])
        a = rng.randint(0, 12)
        hard = f in (7, 8) or a in (7, 8)
        right = rng.random() > (0.45 if hard else 0.06)
        ms = rng.randint(1200, 9000 if hard else 4500)
        at = (t + datetime.timedelta(seconds=8 * n)).strftime("%Y-%m-%dT%H:%M:%S.000Z")
        db.execute("INSERT INTO answer_rows(child_id, at, operand1, operand2, given, correct, ms)"
                   " VALUES (?, ?, ?, ?, ?, ?, ?)", (child, at, a, f, a * f if right else a * f + 2, int(right), ms))
db.commit()
PY
"$work/numbloom" >/dev/null 2>&1 &
app=$!
through_about
sleep 0.8
xdotool mousemove --window "$main" 72 420 click 1   # My Facts
facts=$(timeout 20 xdotool search --sync --onlyvisible --name '^My Facts$' | head -1)
sleep 1
xdotool key Right Down   # the fact 8 x 8
sleep 0.3
eval "$(xdotool getwindowgeometry --shell "$facts")"
shot my-facts
xdotool key Escape
sleep 0.3
xdotool key alt+x
