# SPDX-License-Identifier: GPL-3.0-or-later
"""What Orca speaks while a child uses the program by keys alone.

Reads the SPEECH OUTPUT lines of Orca's own debug log: what the screen reader
really said, not what the accessibility tree holds. Run by orca-heard.sh,
which starts Xvfb, the buses, speech-dispatcher, Orca and the program first.
Usage: orca_heard.py ORCA_DEBUG_LOG PROGRAM_PID
"""
import re
import subprocess
import sys
import time

log_path, pid = sys.argv[1], sys.argv[2]
failures = []
# Each utterance, without the voice Orca logs after it, nor the full stop it adds.
SPOKEN = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - SPEECH OUTPUT: '(.*?)\.?' ?(?:\{'established.*)?$", re.M)
FACT = r"(\d+) times (\d+) is (\d+)"
PROBLEM = r"What is (\d+) times (\d+)\?"


def say(text):
    print("orca-heard: " + text, flush=True)


def check(ok, what):
    if not ok:
        failures.append(what)
        say("FAIL: " + what)
    return ok


def log_end():
    with open(log_path, "rb") as f:
        return f.seek(0, 2)


def spoken_since(pos):
    with open(log_path, "rb") as f:
        f.seek(pos)
        return [s.strip() for s in SPOKEN.findall(f.read().decode("utf-8", "replace"))]


def heard(pattern, since, timeout=6.0):
    """Waits until Orca has said something matching pattern; the match, or None."""
    end = time.monotonic() + timeout
    while True:
        for line in spoken_since(since):
            m = re.search(pattern, line)
            if m:
                return m
        if time.monotonic() > end:
            return None
        time.sleep(0.1)


def key(*keys, wait=0.3):
    for k in keys:
        subprocess.run(["xdotool", "key", "--delay", "60", k], check=True)
        time.sleep(wait)


def step(keys, pattern, what, timeout=6.0):
    """Presses the keys and waits for Orca to say the pattern."""
    pos = log_end()
    key(*keys)
    m = heard(pattern, pos, timeout)
    check(m is not None, "%s: Orca said %s" % (what, spoken_since(pos)))
    return m


def tab_to(pattern, what, limit=25):
    for _ in range(limit):
        pos = log_end()
        key("Tab", wait=0.1)
        # Orca echoes the key, then says where the focus went.
        heard(r"^(?!tab$).", pos, 1.5)
        time.sleep(0.15)
        m = heard(pattern, pos, 0)
        if m:
            return m
    check(False, "Tab never reached " + what)
    raise SystemExit(1)


def focus_window():
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", pid], capture_output=True,
                         text=True).stdout.split()
    if ids:
        subprocess.run(["xdotool", "windowfocus", "--sync", ids[-1]], capture_output=True, timeout=10)


# ---------------------------------------------------------------- About
subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^About Numbloom$"], capture_output=True,
               timeout=30)
time.sleep(0.5)
focus_window()
key("Return", wait=1.0)
focus_window()

# ---------------------------------------------------------------- the study grid
cell = tab_to(r"^" + FACT, "the study grid")
check(cell.group(0) == "0 times 7 is 0", "the grid came with %r" % cell.group(0))
for keys, fact in ((["Right"], "1 times 7 is 7"), (["Down"], "6 times 7 is 42"), (["Right"], "7 times 7 is 49"),
                   (["Up"], "2 times 7 is 14"), (["Left"], "1 times 7 is 7")):
    step(keys, "^" + re.escape(fact) + "$", "the arrow %s on the grid" % keys[0])
# The fact picture: its fact when it opens, and again when it is written out.
pos = log_end()
key("Return", wait=0.5)
opened = heard(r"1 times 7 is 7", pos, 8)
check(opened is not None, "the fact picture did not say its fact: %s" % spoken_since(pos))
written = len([s for s in spoken_since(pos) if "1 times 7 is 7" in s])
end = time.monotonic() + 15
while written < 2 and time.monotonic() < end:
    time.sleep(0.2)
    written = len([s for s in spoken_since(pos) if "1 times 7 is 7" in s])
check(written >= 2, "the written-out fact was not said: %s" % spoken_since(pos))
key("Escape", wait=1.0)
focus_window()

# ---------------------------------------------------------------- practice: the count-down's length
tab_to(r"^Study", "the Study option")
step(["Down"], r"^Practice", "Down in the Mode group")
tab_to(r"1 minute 30 seconds", "the count-down's arrows at 1:30")
step(["Up"], r"^2 minutes$", "Up on the count-down's arrows")
pos = log_end()
step(["Down"], r"^1 minute 30 seconds$", "Down on the count-down's arrows")
check(not any(re.search(r"\b1[.,]5\b|^2$", s) for s in spoken_since(pos)),
      "the count-down's length was said as a number: %s" % spoken_since(pos))

# ---------------------------------------------------------------- a drill: right, wrong, right
tab_to(r"^Start Practice", "Start Practice")
pos = log_end()
key("space", wait=0.2)
problem = heard(PROBLEM, pos, 6)
check(problem is not None, "the first problem was not spoken: %s" % spoken_since(pos))
missed = None
for n in range(3):
    if problem is None:
        break
    a, b = int(problem.group(1)), int(problem.group(2))
    answer = str(a * b)
    if n == 1:
        answer = "".join("9" if ch != "9" else "8" for ch in answer)
        missed = (a, b, int(answer))
    pos = log_end()
    key(*answer, wait=0.15)
    # The judgement comes with the next problem, once the pause is over.
    verdict = r"^Right\. " if n != 1 else r"^Not quite\. %d times %d is %d\. " % (a, b, a * b)
    problem = heard(verdict + PROBLEM, pos, 8)
    check(problem is not None, "problem %d: the judgement was not spoken: %s" % (n + 1, spoken_since(pos)))
step(["t"], r"^(1 minute )?\d+ seconds? left$|^1 minute left$", "T during the drill")
pos = log_end()
key("Escape", wait=0.2)
check(heard(r"^3 problems tried", pos, 6) is not None, "the results were not spoken: %s" % spoken_since(pos))
check(heard(r"\b2 right, 67 percent\b", pos, 3) is not None, "the share was not spoken: %s" % spoken_since(pos))
results = [s for s in spoken_since(pos) if "problems tried" in s]
check(len(results) == 1, "the results were spoken %d times: %s" % (len(results), results))
check(not any(re.search(r"[:()=]| x |\d s\b", s) for s in spoken_since(pos)),
      "the results were spoken with signs: %s" % spoken_since(pos))

# ---------------------------------------------------------------- the review
if missed:
    a, b, given = missed
    step(["Return"], r"%d times %d\. You said %d\. The right answer is %d$" % (a, b, given, a * b), "the review")
key("Escape", wait=0.5)

say("%s" % ("all checks passed" if not failures else "%d failed" % len(failures)))
sys.exit(1 if failures else 0)
