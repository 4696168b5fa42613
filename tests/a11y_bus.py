# SPDX-License-Identifier: GPL-3.0-or-later
"""The program as a screen reader reads it, through the real AT-SPI bus.

Driven by keys alone (xdotool), read with pyatspi the way Orca reads it: the
tree of each window and the events the bus carries. Run by a11y-bus.sh, which
starts the private buses, Xvfb and the program first.
Usage: a11y_bus.py PID LOGFILE
"""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

pid = int(sys.argv[1])
log = open(sys.argv[2], "w", buffering=1)
failures = []

# Roles a user can act on: each that takes the focus must carry a name.
INTERACTIVE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_SLIDER, pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_MENU_ITEM,
}
FACT = re.compile(r"^\d+ times \d+ is \d+$")


def say(text):
    print("a11y-bus: " + text, flush=True)


def check(ok, what):
    if not ok:
        failures.append(what)
        say("FAIL: " + what)
    return ok


events = []
started = time.monotonic()


def heard(e):
    try:
        src = e.source
        # What the program says now, not what the client cached from the event.
        src.clear_cache()
        if e.type.startswith("object:state-changed:focused") and not e.detail1:
            return
        if e.type.startswith("object:property-change:accessible-value"):
            what = str(src.queryValue().currentValue)
        elif e.type.startswith("object:property-change:accessible-description"):
            what = src.description
        else:
            what = src.name
        if isinstance(e.any_data, str) and e.any_data != what:
            what += "  (sent as %r)" % e.any_data
        line = "%6.2f s  %-44s %-14s %s" % (time.monotonic() - started, e.type, src.getRoleName(), what)
        events.append((e.type, src.getRoleName(), what))
        log.write(line + "\n")
    except Exception as err:  # an object gone by the time the event is read
        log.write("(event %s unreadable: %s)\n" % (e.type, err))


for kind in ("object:property-change:accessible-name", "object:property-change:accessible-value",
             "object:property-change:accessible-description", "object:state-changed:focused",
             "window:activate"):
    pyatspi.Registry.registerEventListener(heard, kind)


def pump(seconds):
    """Lets the bus deliver its events for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def raise_window(pattern):
    """Gives the window of that title the keyboard, as a window manager would."""
    found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", pattern],
                           capture_output=True, text=True, timeout=20).stdout.split()
    if found:
        subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], capture_output=True, timeout=10)
    pump(0.3)


def wait_for(test, timeout):
    """Pumps the bus until test() holds or the time is up; says which."""
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        if test():
            return True
        pump(0.05)
    return test()


def key(*keys, wait=0.35):
    for k in keys:
        subprocess.run(["xdotool", "key", "--delay", "60", k], check=True)
    pump(wait)


def application():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for a in desktop:
            try:
                if a is not None and a.get_process_id() == pid:
                    return a
            except Exception:
                pass
        pump(0.1)
    raise SystemExit("a11y-bus: the program never came onto the bus")


def showing(acc):
    try:
        return acc.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def walk(acc):
    yield acc
    for i in range(acc.childCount):
        c = acc.getChildAtIndex(i)
        if c is not None and showing(c):
            yield from walk(c)


def windows():
    return [w for w in application() if w is not None and showing(w)]


def window_named(pattern, timeout=8.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        for w in windows():
            if re.search(pattern, w.name or ""):
                return w
        pump(0.1)
    return None


def focused():
    # The active window first: another may still hold a focus of its own.
    # Within it the innermost: a group may say it has the focus its child has,
    # and a table's current cell says so whether or not the table has it.
    def has_it(a):
        if not a.getState().contains(pyatspi.STATE_FOCUSED):
            return False
        if a.getRole() in (pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_LIST_ITEM):
            return a.parent is not None and a.parent.getState().contains(pyatspi.STATE_FOCUSED)
        return True
    # A scroll area's nameless inside says so too: the named one is the control.
    for w in sorted(windows(), key=lambda w: not w.getState().contains(pyatspi.STATE_ACTIVE)):
        found = [a for a in walk(w) if has_it(a)]
        named = [a for a in found if a.name]
        if found:
            return (named or found)[-1]
    return None


def label(a):
    return "%s %r" % (a.getRoleName(), a.name) if a is not None else "nothing"


def dump(title, w):
    log.write("\n== %s: %s %r\n" % (title, w.getRoleName(), w.name))
    for a in walk(w):
        if a is w:
            continue
        depth, p = 0, a
        while p is not None and p != w:
            p, depth = p.parent, depth + 1
        extra = ""
        if a.description:
            extra += "  description=%r" % a.description
        try:
            v = a.queryValue()
            extra += "  value=%g" % v.currentValue
        except NotImplementedError:
            pass
        log.write("%s%s %r%s\n" % ("  " * depth, a.getRoleName(), a.name, extra))


def all_named(title, w):
    """Every control a user can act on in the window has a name."""
    dump(title, w)
    check(w.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW, pyatspi.ROLE_ALERT) and w.name,
          "%s: the window is %s" % (title, label(w)))
    nameless = [label(a) for a in walk(w) if a.getRole() in INTERACTIVE
                and a.getState().contains(pyatspi.STATE_FOCUSABLE) and not (a.name or "").strip()]
    check(not nameless, "%s: controls without a name: %s" % (title, ", ".join(nameless)))


def luminance(rgb):
    def channel(v):
        v /= 255.0
        return v / 12.92 if v <= 0.03928 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = rgb
    return 0.2126 * channel(r) + 0.7152 * channel(g) + 0.0722 * channel(b)


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def screen():
    """The whole screen as (width, RGB bytes)."""
    raw = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], capture_output=True,
                         timeout=20).stdout
    width = int(subprocess.run(["xdotool", "getdisplaygeometry"], capture_output=True, text=True).stdout.split()[0])
    return width, raw


def focus_mark(extents, focused_shot, unfocused_shot):
    """How well the focus mark stands out against what is around it.

    Across each edge of the control, at its middle, the pixels within four
    of the edge that differ with and without the focus are the mark; each is
    measured against its neighbours along that line that are not the mark,
    which is what is around it. An edge's figure is its best such pixel; the least of the four
    edges is returned (1.0 where an edge has no mark at all)."""
    x, y, w, h = extents
    width, on = focused_shot
    _, off = unfocused_shot
    px = lambda shot, u, v: tuple(shot[(v * width + u) * 3:(v * width + u) * 3 + 3])
    edges = []
    for (u, v, du, dv) in ((x + w // 2, y, 0, 1), (x + w // 2, y + h - 1, 0, -1),
                           (x, y + h // 2, 1, 0), (x + w - 1, y + h // 2, -1, 0)):
        line = [(u + k * du, v + k * dv) for k in range(-4, 5)]
        mark = [contrast(px(on, a, b), px(off, a, b)) >= 1.1 for (a, b) in line]
        best = 1.0
        for i, (a, b) in enumerate(line):
            if not mark[i]:
                continue
            for j in (i - 1, i + 1):
                if 0 <= j < len(line) and not mark[j]:
                    best = max(best, contrast(px(on, a, b), px(on, *line[j])))
        edges.append(best)
        if best < 3.0:
            log.write("(no mark across %d,%d: focused %s, unfocused %s)\n" % (u, v, [px(on, a, b) for a, b in line],
                                                                           [px(off, a, b) for a, b in line]))
    return min(edges)


def tab_order(title, limit=40):
    """The focus as Tab takes it round, from where it is to where it comes
    back, with the focus mark of each stop measured on the screen."""
    stops = []
    now = focused()
    for _ in range(limit):
        stops.append((label(now), now.queryComponent().getExtents(pyatspi.DESKTOP_COORDS), screen()))
        key("Tab", wait=0.15)
        # A busy machine may be slow to move the focus and to paint it.
        for _ in range(20):
            was, now = now, focused()
            if now is not None and label(now) != label(was):
                break
            pump(0.05)
        pump(0.15)
        if now is None or label(now) == stops[0][0]:
            break
    # Each stop is seen without the focus at the next one.
    unfocused = [s[2] for s in stops[1:]] + [screen()]
    marks = [focus_mark(ext, shot, off) for (_, ext, shot), off in zip(stops, unfocused)]
    seen = [s[0] for s in stops]
    log.write("\n== Tab order, %s, with the focus mark's contrast:\n  %s\n"
              % (title, "\n  ".join("%-40s %5.2f:1" % (s, m) for s, m in zip(seen, marks))))
    faint = ["%s %.2f:1" % (s, m) for s, m in zip(seen, marks) if m < 3.0]
    check(not faint, "%s: focus marks under 3:1: %s" % (title, ", ".join(faint)))
    return seen


def tab_to(test, what, limit=40):
    for _ in range(limit):
        f = focused()
        if f is not None and test(f):
            return f
        key("Tab", wait=0.15)
    check(False, "Tab never reached " + what)
    raise SystemExit(1)


def names_heard(since):
    return [w for (t, r, w) in events[since:] if t.startswith("object:property-change:accessible-name")]


# ---------------------------------------------------------------- About
about = window_named(r"^About Numbloom$", 20)
check(about is not None, "no About window on the bus")
all_named("About", about)
texts = [a.name for a in walk(about) if a.getRole() in (pyatspi.ROLE_STATIC, pyatspi.ROLE_LABEL) and len(a.name or "") > 40]
check(texts, "the About text is not on the bus")
raise_window("^About Numbloom$")
key("alt+o", wait=1.0)

# ---------------------------------------------------------------- study
main = window_named(r"^Numbloom( - .+)?$", 20)
check(main is not None, "no main window on the bus")
raise_window("^Numbloom( - .+)?$")
pump(0.5)
all_named("study", main)
# Qt's bridge gives a group the panel role.
groups = {a.name for a in walk(main) if a.getRole() in (pyatspi.ROLE_GROUPING, pyatspi.ROLE_PANEL)}
check({"Mode", "Factor Value"} <= groups, "frame captions do not name their groups: %s" % sorted(groups))
order = tab_order("study")
# One stop per option group: at its chosen button.
radios = [s for s in order if s.startswith("radio button")]
check(len(radios) == 2, "Tab stops at %d option buttons in study mode, not one per group: %s" % (len(radios), radios))

grid = tab_to(lambda a: bool(FACT.match(a.name or "")), "the study grid")
first_cell = grid.name
mark = len(events)
key("Right", "Down")
moved = names_heard(mark)
check(len(moved) >= 2 and moved[-1] != first_cell and all(FACT.match(n) for n in moved),
      "the arrows on the study grid were not heard: %s" % moved)
cell = focused().name
key("Return", wait=1.0)
picture_name = cell  # the picture is told by its fact, in the same words
picture = window_named("^" + re.escape(picture_name) + "$")
check(picture is not None, "Enter on %r opened no fact picture named %r" % (cell, picture_name))
if picture is not None:
    all_named("fact picture", picture)
    # The rows are drawn and heard; then OK takes the focus and Esc closes it.
    wait_for(lambda: any(t.startswith("object:state-changed:focused") and w == "OK"
                         for (t, r, w) in events[-5:]), 8.0)
    key("Escape", wait=1.0)
    check(window_named("^" + re.escape(picture_name) + "$", 1.0) is None, "Esc did not close the fact picture")
    raise_window("^Numbloom( - .+)?$")

# ---------------------------------------------------------------- help
key("F1", wait=1.5)
help_window = window_named(r"Help", 5)
check(help_window is not None, "F1 showed no help window")
if help_window is not None:
    all_named("help", help_window)
    text = [a.queryText() for a in walk(help_window) if "Text" in pyatspi.utils.listInterfaces(a)]
    check(any("Practice" in t.getText(0, -1) for t in text), "the help text is not on the bus")
    key("Escape", wait=0.8)
    check(window_named(r"Help", 0.5) is None, "Esc did not close the help window")
    raise_window("^Numbloom( - .+)?$")

# ---------------------------------------------------------------- practice, idle
study = tab_to(lambda a: a.getRole() == pyatspi.ROLE_RADIO_BUTTON and a.name == "Study", "the Study option")
key("Down", wait=0.8)
check(focused().name == "Practice" and focused().getState().contains(pyatspi.STATE_CHECKED),
      "Down in the Mode group did not choose Practice")
all_named("practice idle", main)
tab_order("practice idle")

spin = tab_to(lambda a: a.getRole() == pyatspi.ROLE_SPIN_BUTTON and a.name == "Maximum Multiplier",
              "the maximum multiplier's arrows")
before = spin.queryValue().currentValue
mark = len(events)
key("Down")
after = focused().queryValue().currentValue
check(after == before - 1, "Down on the maximum multiplier went from %g to %g" % (before, after))
# The event is what a screen reader speaks the new value from.
check(("object:property-change:accessible-value", "spin button", str(after)) in events[mark:],
      "no value event from the maximum multiplier's arrows")
key("Up")
check(focused().queryValue().currentValue == before, "Up on the maximum multiplier did not step back")

def value_words(a):
    t = a.queryText()
    return t.getText(0, t.characterCount)


# The delay is told as a spin button whose text is its value in words:
# Orca reads a scroll bar's value as a bare number.
bar = tab_to(lambda a: a.getRole() == pyatspi.ROLE_SPIN_BUTTON and a.name == "Delay", "the delay bar")
delay_before = value_words(bar)
key("Right")
stepped = focused().queryValue().currentValue
check(focused().name == "Delay" and stepped in (0.95, 1.05) and value_words(focused()) == "%.2f seconds" % stepped,
      "Right on the delay bar: %r became %r" % (delay_before, value_words(focused())))
key("Left")

tab_to(lambda a: a.getRole() == pyatspi.ROLE_RADIO_BUTTON and a.name.startswith("Timer Off"), "the timer group")
key("Down", "Down")
check(focused().name == "On-Count Down", "Down Down in the timer group reached %s" % label(focused()))
count = tab_to(lambda a: a.getRole() == pyatspi.ROLE_SPIN_BUTTON and a.name == "On-Count Down",
               "the count-down's arrows")
length = count.queryValue().currentValue
key("Up")
check(focused().queryValue().currentValue == length + 0.5, "Up on the count-down did not add half a minute")
check(value_words(focused()) == "2 minutes 30 seconds", "the count-down's words are %r" % value_words(focused()))
key("Down")
tab_to(lambda a: a.getRole() == pyatspi.ROLE_RADIO_BUTTON and a.name == "On-Count Down", "the timer group")
key("Up", "Up")  # back to Timer Off

# ---------------------------------------------------------------- a drill
tab_to(lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == "Start Practice", "Start Practice")
log.write("\n== a drill of three problems, typed:\n")
mark = len(events)
key("space", wait=1.0)
box = focused()
check(box is not None and re.match(r"^What is \d+ times \d+\?$", box.name or ""),
      "the focus after Start is %s, not the problem" % label(box))
PROBLEM = re.compile(r"(?:^|\. )What is (\d+) times (\d+)\?$")
wrong_given = None
for n in range(3):
    m = PROBLEM.search(focused().name)
    if not check(m is not None, "problem %d is not heard: %s" % (n + 1, label(focused()))):
        break
    a, b = int(m.group(1)), int(m.group(2))
    answer = str(a * b)
    if n == 1:  # the second one wrong
        answer = "".join("9" if ch != "9" else "8" for ch in answer)
        wrong_given = (a, b, answer)
    typed_from = len(events)
    for digit in answer:
        key(digit, wait=0.3)
    # The judgement, the sound and the pause, then the next problem.
    wait_for(lambda: any(PROBLEM.search(h) and h[0] in "RN" for h in names_heard(typed_from)), 6.0)
    pump(0.2)
    heard_now = names_heard(typed_from)
    check(len(answer) == 1 or answer[0] in heard_now,
          "the typed digits of problem %d were not heard: %s" % (n + 1, heard_now))
    verdict = "Not quite. %d times %d is %d." % (a, b, a * b) if n == 1 else "Right."
    check(any(h.startswith(verdict) for h in heard_now), "problem %d: %r was not heard: %s" % (n + 1, verdict, heard_now))
key("Escape", wait=1.0)

# ---------------------------------------------------------------- results and review
results = focused()
lines = [a.name for a in walk(main) if a.getRole() == pyatspi.ROLE_LABEL and "problems tried" in (a.name or "")]
check(results is not None and results.getRole() == pyatspi.ROLE_PUSH_BUTTON and results.name == "Review"
      and lines == ["3 problems tried"],
      "after Stop the focus is on %s, the results read %r" % (label(results), lines))
all_named("results", main)
tab_order("results")
key("space", wait=1.0)
stop = focused()
if wrong_given:
    a, b, given = wrong_given
    said = "%d times %d. You said %d. The right answer is %d." % (a, b, int(given), a * b)
    # The one missed problem: Stop takes the focus and carries it.
    check(stop is not None and stop.name == "Stop" and stop.description == said,
          "the review's focus is %s with %r, not %r" % (label(stop), stop.description if stop else None, said))
all_named("review", main)
tab_order("review")
key("alt+s", wait=1.0)  # Stop the review: idle again

# ---------------------------------------------------------------- a message box
tab_to(lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == "Print Worksheet", "Print Worksheet")
key("space", wait=1.5)
box = window_named(r"^Print Worksheet$", 5)
check(box is not None, "Print Worksheet asked nothing")
if box is not None:
    all_named("message box", box)
    tab_order("message box")
    key("Escape", wait=1.0)
    check(window_named(r"^Print Worksheet$", 0.5) is None, "Esc did not close the question")

# ---------------------------------------------------------------- My Facts
raise_window("^Numbloom( - .+)?$")
key("alt+m", wait=3.0)  # its module loads at the first opening
facts = window_named(r"^My Facts$", 10)
if check(facts is not None, "Alt+M opened no My Facts"):
    all_named("My Facts", facts)
    tab_order("My Facts")
    key("Escape", wait=1.0)
    check(window_named(r"^My Facts$", 0.5) is None, "Esc did not close My Facts")

log.close()
say("%d events heard; %s" % (len(events), "all checks passed" if not failures else "%d failed" % len(failures)))
sys.exit(1 if failures else 0)
