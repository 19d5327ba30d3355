#!/usr/bin/python3
"""A match by keys, heard through the screen reader itself.

Run by run_orca_check.sh inside a virtual display, a D-Bus session, an
AT-SPI bus, Orca and a speech server whose voice writes each utterance to a
file. Starts the game, opens "Next game" with Alt+9, tabs to "Start Game",
starts the match, leaves for the Team page midway (a key press and another
page), closes the results with Enter, sells a marker on the Gear page and
buys one, and tabs to the lab upgrade on the Finances page. Then checks what
was spoken against what the window showed: every play-by-play line in order,
once, with no added word, the score with both numbers, the results once, what
the sale and the purchase did, the page names, and what the upgrade brings.

Usage: orca_check.py GAME_EXECUTABLE SPOKEN_FILE
"""

import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
import pyatspi  # noqa: E402
from gi.repository import GLib  # noqa: E402

# The waiting and finding the two checks share.
from atspi_check import Failure, application, pump, stop, wait_for  # noqa: E402


class Speech:
    """The utterances the speech server was asked to say, as they come."""

    def __init__(self, path):
        self.path = path

    def lines(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as f:
                return [line.rstrip("\n") for line in f if line.strip()]
        except FileNotFoundError:
            return []

    def mark(self):
        return len(self.lines())

    def since(self, mark):
        return self.lines()[mark:]

    def wait(self, what, test, mark, timeout=10):
        return wait_for("Orca to say %s (it said %r)" % (what, self.since(mark)[-8:]),
                        lambda: next((s for s in self.since(mark) if test(s)), None), timeout)

    def settle(self, quiet=1.5, timeout=60):
        """Waits until nothing new was said for `quiet` seconds."""
        end = time.monotonic() + timeout
        count, since = -1, time.monotonic()
        while time.monotonic() < end:
            n = self.mark()
            if n != count:
                count, since = n, time.monotonic()
            elif time.monotonic() - since >= quiet:
                return
            pump(0.1)


def key(window_id, keys):
    subprocess.run(["xdotool", "key", "--window", window_id, "--clearmodifiers", keys], check=True)


def walk(obj):
    yield obj
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def play_by_play_label(window):
    """The widest label of the Next game page: the play-by-play line."""
    for obj in walk(window):
        try:
            if obj.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_NOTIFICATION, pyatspi.ROLE_STATIC) and \
                    obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).width > 800:
                return obj
        except (GLib.Error, NotImplementedError):
            continue
    return None


def tab_to(window_id, speech, wanted, presses=30):
    """Presses Tab until Orca names a control that `wanted` matches."""
    for _ in range(presses):
        mark = speech.mark()
        key(window_id, "Tab")
        try:
            speech.wait("a control after Tab", lambda s: True, mark, 5)
        except Failure:
            continue
        speech.settle(1.0, 5)
        if any(wanted(s) for s in speech.since(mark)):
            return
    raise Failure("no Tab reached the control")


def run(game, spoken_file):
    speech = Speech(spoken_file)
    shown = []  # the play-by-play lines as the window wrote them
    label = {}

    def on_name(event):
        try:
            if "obj" in label and event.source == label["obj"] and event.source.name:
                shown.append(event.source.name)
        except GLib.Error:
            pass

    pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", SDL_AUDIODRIVER="dummy")
    mark = speech.mark()
    proc = subprocess.Popen([game], env=env)
    failures = []

    def check(ok, what):
        print(("ok   " if ok else "FAIL ") + what)
        if not ok:
            failures.append(what)

    try:
        app = wait_for("the game on the accessibility bus", lambda: application(proc.pid), 30)
        window = wait_for("the main window", lambda: next(
            (app.getChildAtIndex(i) for i in range(app.childCount)
             if app.getChildAtIndex(i).getRole() == pyatspi.ROLE_FRAME), None), 30)
        window_id = wait_for("the game's X window", lambda: subprocess.run(
            ["xdotool", "search", "--onlyvisible", "--pid", str(proc.pid)],
            capture_output=True, text=True).stdout.split()[-1:], 30)[0]
        for attempt in range(3):  # the window manager may take it late
            subprocess.run(["xdotool", "windowactivate", "--sync", window_id], check=False, timeout=20)
            try:
                speech.wait("the window", lambda s: True, mark, 10)
                break
            except Failure:
                if attempt == 2:
                    raise
        speech.settle()

        mark = speech.mark()
        key(window_id, "alt+9")
        speech.wait('"Next game"', lambda s: "Next game" in s, mark)
        label["obj"] = wait_for("the play-by-play line", lambda: play_by_play_label(window), 10)
        tab_to(window_id, speech, lambda s: s.startswith("Start Game"))
        speech.settle(0.5, 10)

        match = speech.mark()
        key(window_id, "space")
        wait_for("the first play-by-play line", lambda: shown, 20)
        speech.wait("a play-by-play line", lambda s: shown[0] in s, match, 20)
        key(window_id, "alt+1")  # another page, midway
        speech.wait('"Team"', lambda s: "Team" in s, match)
        results = wait_for("the results dialog", lambda: next(
            (app.getChildAtIndex(i) for i in range(app.childCount)
             if app.getChildAtIndex(i).name == "Match results"), None), 120)
        final = results.description
        speech.settle(3, 240)
        heard = speech.since(match)
        # Orca ends an utterance with a full stop; a word it adds stays.
        bare = [re.sub(r"^notification ", "", s).rstrip(" .") for s in heard]

        # Every line the window wrote, spoken as it was (Orca may say its
        # sentences apart), in order, once.
        lines = [s for i, s in enumerate(shown) if i == 0 or s != shown[i - 1]]
        stream = " ".join(s.strip() for s in heard)
        missing, at = [], 0
        for line in lines:
            found = stream.find(line, at)
            if found < 0:
                missing.append(line)
            else:
                at = found + len(line)
        twice = [s for s in set(lines) if stream.count(s) > shown.count(s)]
        check(not missing and not twice, "every play-by-play line spoken once, in order (%d shown, %d missing: %s;"
              " %d said more than once)" % (len(lines), len(missing), missing[:2], len(twice)))
        check(not any("notification" in s for s in heard), "no added word (%d lines with \"notification\")" %
              sum("notification" in s for s in heard))
        # The score lines the game said (the results dialog's own first line
        # left out).
        dialog = next((i for i, s in enumerate(bare) if s.startswith("Match results")), len(bare))
        scores = [s for i, s in enumerate(bare) if i != dialog + 1 and re.fullmatch(r"[^.]+ \d+, [^.]+ \d+", s)
                  and s not in set(lines)]
        check(bool(scores) and not any(re.search(r"Score: .* ,|, [^,]* $", s) for s in heard),
              "the score spoken with both numbers (%s)" % (scores[-2:] or [s for s in heard if "Score" in s][-2:]))
        numbers = re.match(r"(.*? \d+, .*? \d+)\.", final or "")
        check(bool(numbers) and bool(scores) and scores[-1] == numbers.group(1),
              "the last score spoken is the final one (%r, results %r)" % (scores[-1:], final))
        check(sum(s.startswith("Match results") for s in heard) == 1 and bool(final) and final[:30] in stream,
              "the results spoken once (%d times)" % sum("Match results" in s for s in heard))
        check(not any(re.search(r"Income: Expenses", s) for s in heard), "no empty income list spoken")

        mark = speech.mark()
        key(window_id, "Return")
        wait_for("the results dialog to close", lambda: not results.getState().contains(pyatspi.STATE_SHOWING),
                 10)
        speech.settle(1, 20)
        key(window_id, "alt+5")
        speech.wait('"Gear"', lambda s: "Gear" in s, mark)
        # The selected player's marker sold, then one bought for him.
        for control, outcome in (("Sell the marker", "Sold "), ("Buy ", "Bought ")):
            tab_to(window_id, speech, lambda s: s.startswith(control))
            mark = speech.mark()
            key(window_id, "space")
            try:
                said = speech.wait("what %r did" % control, lambda s: s.startswith(outcome), mark, 10)
            except Failure:
                said = None
            check(bool(said) and ", cash $" in said, "%r says what it did (%r)" % (control, speech.since(mark)[:3]))
        # What an upgrade brings, a week after the game began, is said once
        # its page is brought forward.
        mark = speech.mark()
        key(window_id, "alt+6")
        speech.wait('"Finances"', lambda s: "Finances" in s, mark)
        mark = speech.mark()
        tab_to(window_id, speech, lambda s: s.startswith("Lab upgrade"))
        speech.settle(2, 10)  # the description follows the name
        told = [s for s in speech.since(mark) if "average income" in s]
        check(bool(told), "the lab upgrade says what it brings (%r)" % (told or speech.since(mark)[-2:]))
    finally:
        stop(proc)
    if failures:
        raise Failure("%d of the checks failed" % len(failures))


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    try:
        run(sys.argv[1], sys.argv[2])
    except Failure as failure:
        print("FAIL: %s" % failure)
        print("-- spoken:\n" + "\n".join(Speech(sys.argv[2]).lines()[-80:]))
        return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
